// The match and site choosers: what each way of closing them answers, their texts in the
// component's languages, and where they appear.
#include "discovant/widgets/choosers.h"
#include "support/modaldriver.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

using namespace discovant;
using namespace discovant::widgets;

namespace {

void fill(ListChooserWindow& window, int lines)
{
    window.clear();
    for (int line = 1; line <= lines; ++line)
        window.AddItem(QStringLiteral("rock 0a0b0c0%1 Artist %1 / Album %1").arg(line));
}

struct Captions {
    QString title;
    QString select;
    QString submit;
};

} // namespace

TEST(MatchChooser, ButtonsCloseBoxAndEmptyListGiveTheirPositions)
{
    FuzzyMatchWindow window;

    fill(window, 3);
    int selectedAtOpening = -1;
    whenModalShown([&](QWidget& shown) {
        EXPECT_EQ(shown.objectName(), "frmFuzzyMatch");
        selectedAtOpening = window.list().currentRow();
        shown.close();
    });
    EXPECT_EQ(window.GetSelection(true, {}), 1) << "the close box keeps the first match";
    EXPECT_EQ(selectedAtOpening, 0);

    fill(window, 3);
    whenModalShown([&](QWidget& shown) {
        window.list().setCurrentRow(2);
        clickButton(shown, "cmdSelect");
    });
    EXPECT_EQ(window.GetSelection(true, {}), 3);

    fill(window, 3);
    whenModalShown([](QWidget& shown) { clickButton(shown, "cmdSubmit"); });
    EXPECT_EQ(window.GetSelection(true, {}), 0);

    fill(window, 0);
    whenModalShown([](QWidget& shown) { clickButton(shown, "cmdSelect"); });
    EXPECT_EQ(window.GetSelection(true, {}), 0);

    // A selection of an earlier call does not carry over: after a close the result is 1 again.
    fill(window, 2);
    whenModalShown([](QWidget& shown) { shown.close(); });
    EXPECT_EQ(window.GetSelection(false, {}), 1);
}

TEST(MatchChooser, WithoutSubmissionOnlyOneWideSelectButton)
{
    FuzzyMatchWindow window;
    fill(window, 2);
    bool submitVisible = true;
    int selectWidth = 0;
    int submitWidthOffered = 0;
    whenModalShown([&](QWidget& shown) {
        submitVisible = window.submitButton().isVisible();
        selectWidth = window.selectButton().width();
        submitWidthOffered = shown.width();
        shown.close();
    });
    window.GetSelection(false, {});
    EXPECT_FALSE(submitVisible);
    EXPECT_GT(selectWidth, submitWidthOffered * 3 / 4);

    whenModalShown([&](QWidget& shown) {
        submitVisible = window.submitButton().isVisible();
        selectWidth = window.selectButton().width();
        submitWidthOffered = shown.width();
        shown.close();
    });
    window.GetSelection(true, {});
    EXPECT_TRUE(submitVisible);
    EXPECT_LT(selectWidth, submitWidthOffered * 3 / 4);
}

TEST(SiteChooser, SelectGivesTheLineAndTheCloseBoxTheFirst)
{
    ServerSitesWindow window;
    fill(window, 4);
    whenModalShown([&](QWidget& shown) {
        EXPECT_EQ(shown.objectName(), "frmServerSites");
        EXPECT_EQ(shown.findChild<QPushButton*>("cmdSubmit"), nullptr);
        window.list().setCurrentRow(1);
        clickButton(shown, "cmdSelect");
    });
    EXPECT_EQ(window.GetSelection({}), 2);

    whenModalShown([](QWidget& shown) { shown.close(); });
    EXPECT_EQ(window.GetSelection({}), 1);

    fill(window, 0);
    whenModalShown([](QWidget& shown) { clickButton(shown, "cmdSelect"); });
    EXPECT_EQ(window.GetSelection({}), 0);
}

TEST(Choosers, TextsFollowTheLanguageWithEnglishForUnknownValues)
{
    const std::vector<std::pair<uCDDBLang, std::pair<Captions, Captions>>> expected {
        { uCDDBLang::ENGLISH,
            { { "Please select from the following matches...", "Select", "No Match (Submit)" },
                { "Please select freedb server to use...", "Select", {} } } },
        { uCDDBLang::GERMAN,
            { { "Wählen Sie einen Eintrag aus...", "Aus&wählen", "&Keine Übereinstimmung" },
                { "Wählen Sie aus, welchen freedb server Sie nutzen möchten...", "Aus&wählen", {} } } },
        { uCDDBLang::FRENCH,
            { { "Sélectionner parmis les résultat...", "&Sélectionner", "Non Valide (Envoyer)" },
                { "Sélectionner le serveur Freedb à Utiliser...", "&Sélectionner", {} } } },
        { static_cast<uCDDBLang>(7),
            { { "Please select from the following matches...", "Select", "No Match (Submit)" },
                { "Please select freedb server to use...", "Select", {} } } },
    };
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    for (const auto& [language, captions] : expected) {
        PopUpSettings popUp;
        popUp.language = language;
        Captions shown;
        fill(matches, 1);
        whenModalShown([&](QWidget& window) {
            shown = { window.windowTitle(), matches.selectButton().text(), matches.submitButton().text() };
            window.close();
        });
        matches.GetSelection(true, popUp);
        EXPECT_EQ(shown.title, captions.first.title);
        EXPECT_EQ(shown.select, captions.first.select);
        EXPECT_EQ(shown.submit, captions.first.submit);

        fill(sites, 1);
        whenModalShown([&](QWidget& window) {
            shown = { window.windowTitle(), sites.selectButton().text(), {} };
            window.close();
        });
        sites.GetSelection(popUp);
        EXPECT_EQ(shown.title, captions.second.title);
        EXPECT_EQ(shown.select, captions.second.select);
    }
}

TEST(Choosers, AppearAtTheGivenPlaceOrCentredWhereItIsZero)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    fill(matches, 1);
    fill(sites, 1);
    QRect placed;
    const auto record = [&](QWidget& window) {
        // The outer frame is what is placed; the offscreen platform gives it a thin border.
        placed = window.frameGeometry();
        window.close();
    };

    PopUpSettings popUp;
    popUp.top = 120;
    popUp.left = 80;
    whenModalShown(record);
    matches.GetSelection(true, popUp);
    EXPECT_EQ(placed.topLeft(), QPoint(80, 120));

    popUp.top = 0;
    whenModalShown(record);
    sites.GetSelection(popUp);
    EXPECT_EQ(placed.left(), 80);
    EXPECT_NEAR(placed.center().y(), screen.center().y(), 3);

    popUp.left = 0;
    whenModalShown(record);
    matches.GetSelection(false, popUp);
    EXPECT_NEAR(placed.center().x(), screen.center().x(), 3);
    EXPECT_NEAR(placed.center().y(), screen.center().y(), 3);
}

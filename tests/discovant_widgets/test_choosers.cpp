// The match and site choosers: what each way of closing them answers, their texts in the
// component's languages (the one place they are checked), and where they appear.
#include "discovant/widgets/choosers.h"
#include "qtkit/modal.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <functional>
#include <gtest/gtest.h>

using namespace discovant;
using namespace discovant::widgets;
using qtkit::clickButton;
using qtkit::onNextModal;

namespace {

void fill(ListChooserWindow& window, int lines)
{
    window.clear();
    for (int line = 1; line <= lines; ++line)
        window.AddItem(QStringLiteral("rock 0a0b0c0%1 Artist %1 / Album %1").arg(line));
}

// One way of answering a chooser of `lines` lines, and the position it gives.
struct Answer {
    const char* how;
    int lines;
    std::function<void(ListChooserWindow&, QWidget*)> answer;
    int position;
};

const auto closeBox = [](ListChooserWindow&, QWidget* shown) { shown->close(); };
const auto selectRow = [](int row) {
    return [row](ListChooserWindow& window, QWidget* shown) {
        window.list().setCurrentRow(row);
        clickButton(shown, "cmdSelect");
    };
};
const auto pressSelect = [](ListChooserWindow&, QWidget* shown) { clickButton(shown, "cmdSelect"); };

} // namespace

TEST(MatchChooser, EveryWayOfClosingGivesItsPosition)
{
    const Answer answers[] = {
        { "the close box keeps the first match", 3, closeBox, 1 },
        { "select the third", 3, selectRow(2), 3 },
        { "no match (submit)", 3, [](ListChooserWindow&, QWidget* shown) { clickButton(shown, "cmdSubmit"); },
            0 },
        { "select in an empty list", 0, pressSelect, 0 },
        // A selection of an earlier call does not carry over.
        { "the close box after a selection", 2, closeBox, 1 },
    };
    FuzzyMatchWindow window;
    for (const Answer& a : answers) {
        fill(window, a.lines);
        int selectedAtOpening = -2;
        onNextModal("frmFuzzyMatch", [&](QWidget* shown) {
            selectedAtOpening = window.list().currentRow();
            a.answer(window, shown);
        });
        EXPECT_EQ(window.GetSelection(true, {}), a.position) << a.how;
        EXPECT_EQ(selectedAtOpening, a.lines ? 0 : -1) << a.how;
    }
}

TEST(MatchChooser, WithoutSubmissionOnlyOneWideSelectButton)
{
    FuzzyMatchWindow window;
    fill(window, 2);
    for (const bool submitEnabled : { false, true }) {
        bool submitVisible = !submitEnabled;
        bool selectIsWide = !submitEnabled;
        onNextModal("frmFuzzyMatch", [&](QWidget* shown) {
            submitVisible = window.submitButton().isVisible();
            selectIsWide = window.selectButton().width() > shown->width() * 3 / 4;
            shown->close();
        });
        window.GetSelection(submitEnabled, {});
        EXPECT_EQ(submitVisible, submitEnabled);
        EXPECT_EQ(selectIsWide, !submitEnabled);
    }
}

TEST(SiteChooser, SelectGivesTheLineAndTheCloseBoxTheFirst)
{
    const Answer answers[] = {
        { "select the second", 4, selectRow(1), 2 },
        { "the close box", 4, closeBox, 1 },
        { "select in an empty list", 0, pressSelect, 0 },
    };
    ServerSitesWindow window;
    for (const Answer& a : answers) {
        fill(window, a.lines);
        bool hasSubmit = true;
        onNextModal("frmServerSites", [&](QWidget* shown) {
            hasSubmit = shown->findChild<QPushButton*>("cmdSubmit") != nullptr;
            a.answer(window, shown);
        });
        EXPECT_EQ(window.GetSelection({}), a.position) << a.how;
        EXPECT_FALSE(hasSubmit) << a.how;
    }
}

TEST(Choosers, TextsFollowTheLanguageWithEnglishForUnknownValues)
{
    struct Texts {
        uCDDBLang language;
        QStringList matches; // title, select, submit
        QStringList sites; // title, select
    };
    const QStringList englishMatches { "Please select from the following matches...", "Select",
        "No Match (Submit)" };
    const QStringList englishSites { "Please select freedb server to use...", "Select" };
    const Texts expected[] = {
        { uCDDBLang::ENGLISH, englishMatches, englishSites },
        { uCDDBLang::GERMAN, { "Wählen Sie einen Eintrag aus...", "Aus&wählen", "&Keine Übereinstimmung" },
            { "Wählen Sie aus, welchen freedb server Sie nutzen möchten...", "Aus&wählen" } },
        { uCDDBLang::FRENCH,
            { "Sélectionner parmis les résultat...", "&Sélectionner", "Non Valide (Envoyer)" },
            { "Sélectionner le serveur Freedb à Utiliser...", "&Sélectionner" } },
        { static_cast<uCDDBLang>(7), englishMatches, englishSites },
    };
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    fill(matches, 1);
    fill(sites, 1);
    for (const Texts& texts : expected) {
        PopUpSettings popUp;
        popUp.language = texts.language;
        QStringList shown;
        onNextModal("frmFuzzyMatch", [&](QWidget* window) {
            shown = { window->windowTitle(), matches.selectButton().text(), matches.submitButton().text() };
            window->close();
        });
        matches.GetSelection(true, popUp);
        EXPECT_EQ(shown, texts.matches);

        onNextModal("frmServerSites", [&](QWidget* window) {
            shown = { window->windowTitle(), sites.selectButton().text() };
            window->close();
        });
        sites.GetSelection(popUp);
        EXPECT_EQ(shown, texts.sites);
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
    const auto record = [&](QWidget* window) {
        // The outer frame is what is placed; the offscreen platform gives it a thin border.
        placed = window->frameGeometry();
        window->close();
    };

    PopUpSettings popUp;
    popUp.top = 120;
    popUp.left = 80;
    onNextModal("frmFuzzyMatch", record);
    matches.GetSelection(true, popUp);
    EXPECT_EQ(placed.topLeft(), QPoint(80, 120));

    popUp.top = 0;
    onNextModal("frmServerSites", record);
    sites.GetSelection(popUp);
    EXPECT_EQ(placed.left(), 80);
    EXPECT_NEAR(placed.center().y(), screen.center().y(), 3);

    popUp.left = 0;
    onNextModal("frmFuzzyMatch", record);
    matches.GetSelection(false, popUp);
    EXPECT_NEAR(placed.center().x(), screen.center().x(), 3);
    EXPECT_NEAR(placed.center().y(), screen.center().y(), 3);
}

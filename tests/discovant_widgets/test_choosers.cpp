// The match and site choosers: what each way of closing them answers, their texts in the
// component's languages, and where they appear.
#include "discovant/widgets/choosers.h"
#include "discovant/widgets/windowtexts.h"
#include "qtkit/modal.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>
#include <set>

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

} // namespace

// Every way of closing, and the texts in each language (the one place they are checked).
TEST(Choosers, EveryWayOfClosingGivesItsPositionInEveryLanguage)
{
    const auto unknown = static_cast<uCDDBLang>(7); // reads English
    // Which chooser, whether it offers submission, how many lines, the row selected (-1: none),
    // the button pressed (none: the close box), the position given, the language.
    const struct {
        bool sites;
        bool submit;
        int lines;
        int row;
        const char* button;
        int position;
        uCDDBLang language;
    } answers[] = { { false, true, 3, -1, nullptr, 1, uCDDBLang::ENGLISH },
        { false, true, 3, 2, "cmdSelect", 3, uCDDBLang::GERMAN },
        { false, true, 3, -1, "cmdSubmit", 0, uCDDBLang::FRENCH },
        { false, true, 0, -1, "cmdSelect", 0, unknown },
        // A selection of an earlier call does not carry over.
        { false, false, 2, -1, nullptr, 1, uCDDBLang::GERMAN },
        { true, false, 4, 1, "cmdSelect", 2, uCDDBLang::ENGLISH },
        { true, false, 4, -1, nullptr, 1, uCDDBLang::GERMAN },
        { true, false, 0, -1, "cmdSelect", 0, unknown },
        { true, false, 1, -1, nullptr, 1, uCDDBLang::FRENCH } };
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    std::set<QString> titles;
    for (const auto& a : answers) {
        SCOPED_TRACE(testing::Message() << a.sites << a.lines << a.row << static_cast<int>(a.language));
        ListChooserWindow& window = a.sites ? static_cast<ListChooserWindow&>(sites) : matches;
        fill(window, a.lines);
        int selectedAtOpening = -2;
        bool submitShown = !a.submit;
        QStringList texts;
        onNextModal(a.sites ? "frmServerSites" : "frmFuzzyMatch", [&](QWidget* shown) {
            selectedAtOpening = window.list().currentRow();
            const auto* submit = shown->findChild<QPushButton*>("cmdSubmit");
            submitShown = submit != nullptr && submit->isVisible();
            texts << shown->windowTitle() << window.selectButton().text();
            if (submitShown)
                texts << submit->text();
            if (a.row >= 0)
                window.list().setCurrentRow(a.row);
            if (a.button)
                clickButton(shown, a.button);
            else
                shown->close();
        });
        const PopUpSettings popUp { .language = a.language };
        const int position = a.sites ? sites.GetSelection(popUp) : matches.GetSelection(a.submit, popUp);
        EXPECT_EQ(position, a.position);
        EXPECT_EQ(selectedAtOpening, a.lines ? 0 : -1);
        EXPECT_EQ(submitShown, a.submit);
        const ChooserTexts t = chooserTexts(a.language);
        QStringList expected = a.sites ? QStringList { t.sitesTitle, t.sitesSelect }
                                       : QStringList { t.fuzzyTitle, t.fuzzySelect };
        if (a.submit)
            expected << t.fuzzySubmit;
        EXPECT_EQ(texts, expected);
        titles.insert(texts[0]);
    }
    // Three languages for each chooser; the unknown value reads English.
    EXPECT_EQ(titles.size(), 6u);
    EXPECT_EQ(chooserTexts(unknown).fuzzyTitle, chooserTexts(uCDDBLang::ENGLISH).fuzzyTitle);
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
}

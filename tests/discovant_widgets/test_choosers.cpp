// The match and site choosers: what each way of closing them answers, their texts in the
// component's languages (the one place they are checked), and where they appear.
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

TEST(Choosers, EveryWayOfClosingGivesItsPosition)
{
    // Which chooser, whether it offers submission, how many lines, the row selected (-1: none),
    // the button pressed (none: the close box), the position given.
    const struct {
        bool sites;
        bool submit;
        int lines;
        int row;
        const char* button;
        int position;
    } answers[] = { { false, true, 3, -1, nullptr, 1 }, { false, true, 3, 2, "cmdSelect", 3 },
        { false, true, 3, -1, "cmdSubmit", 0 }, { false, false, 0, -1, "cmdSelect", 0 },
        // A selection of an earlier call does not carry over.
        { false, false, 2, -1, nullptr, 1 }, { true, false, 4, 1, "cmdSelect", 2 },
        { true, false, 4, -1, nullptr, 1 }, { true, false, 0, -1, "cmdSelect", 0 } };
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    for (const auto& a : answers) {
        ListChooserWindow& window = a.sites ? static_cast<ListChooserWindow&>(sites) : matches;
        fill(window, a.lines);
        int selectedAtOpening = -2;
        bool submitShown = !a.submit;
        onNextModal(a.sites ? "frmServerSites" : "frmFuzzyMatch", [&](QWidget* shown) {
            selectedAtOpening = window.list().currentRow();
            const auto* submit = shown->findChild<QPushButton*>("cmdSubmit");
            submitShown = submit != nullptr && submit->isVisible();
            if (a.row >= 0)
                window.list().setCurrentRow(a.row);
            if (a.button)
                clickButton(shown, a.button);
            else
                shown->close();
        });
        const int position = a.sites ? sites.GetSelection({}) : matches.GetSelection(a.submit, {});
        EXPECT_EQ(position, a.position) << a.sites << a.lines << a.row;
        EXPECT_EQ(selectedAtOpening, a.lines ? 0 : -1) << a.sites << a.lines;
        EXPECT_EQ(submitShown, a.submit);
    }
}

TEST(Choosers, TextsFollowTheLanguageWithEnglishForUnknownValuesAndPlacement)
{
    FuzzyMatchWindow matches;
    ServerSitesWindow sites;
    fill(matches, 1);
    fill(sites, 1);
    std::set<QStringList> seen;
    for (const auto language :
        { uCDDBLang::ENGLISH, uCDDBLang::GERMAN, uCDDBLang::FRENCH, static_cast<uCDDBLang>(7) }) {
        PopUpSettings popUp;
        popUp.language = language;
        const ChooserTexts texts = chooserTexts(language);
        QStringList shown;
        onNextModal("frmFuzzyMatch", [&](QWidget* window) {
            shown << window->windowTitle() << matches.selectButton().text() << matches.submitButton().text();
            window->close();
        });
        matches.GetSelection(true, popUp);
        onNextModal("frmServerSites", [&](QWidget* window) {
            shown << window->windowTitle() << sites.selectButton().text();
            window->close();
        });
        sites.GetSelection(popUp);
        EXPECT_EQ(shown,
            (QStringList { texts.fuzzyTitle, texts.fuzzySelect, texts.fuzzySubmit, texts.sitesTitle,
                texts.sitesSelect }));
        seen.insert(shown);
    }
    // Three languages, the unknown value reads English.
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(
        chooserTexts(static_cast<uCDDBLang>(7)).fuzzyTitle, chooserTexts(uCDDBLang::ENGLISH).fuzzyTitle);
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

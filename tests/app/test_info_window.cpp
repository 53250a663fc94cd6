// The biography window: loading an artist's text, editing and saving it through the catalogue,
// the font cycle, and following the artist chosen in the main window.
#include "extras/ui/infowindow.h"
#include "shell/session.h"
#include "support/fakeprompts.h"
#include "support/testcatalogue.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class InfoWindowTest : public ::testing::Test {
protected:
    TestCatalogue db;
    FakePrompts prompts;
    Session session{db.folder()};
    QWidget main; // stands in for the main window
    qint64 withText = 0;
    qint64 withoutText = 0;

    void SetUp() override
    {
        session.settings.taal = QStringLiteral("200");
        session.settings.database = db.path();
        withText = db.addArtist(QStringLiteral("Nina Simone"));
        withoutText = db.addArtist(QStringLiteral("O'Brien \"The Voice\""));
        ASSERT_TRUE(db.catalogue().updateRow(QStringLiteral("Artiest"), withText,
                                             {{QStringLiteral("Info"), QStringLiteral("Born 1933.\nPianist.")}}));
        main.setGeometry(100, 100, 600, 500);
        main.show();
    }

    QString storedInfo(qint64 id) const
    {
        const auto rows = db.catalogue().OpenRecordset(QStringLiteral("select Info from Artiest where Id = ?"), {id});
        return rows.ok() && !rows.value().rows.isEmpty() ? rows.value().rows[0].value(0).toString() : QStringLiteral("<none>");
    }
    bool storedIsNull(qint64 id) const
    {
        const auto rows = db.catalogue().OpenRecordset(QStringLiteral("select Info from Artiest where Id = ?"), {id});
        return rows.ok() && !rows.value().rows[0].value(0).isValid();
    }

    static QPlainTextEdit* text(InfoWindow& w) { return w.findChild<QPlainTextEdit*>(QStringLiteral("txtInfo")); }
    static QPushButton* button(InfoWindow& w, const char* name) { return w.findChild<QPushButton*>(QLatin1String(name)); }

    void showFor(InfoWindow& window, qint64 id, const QString& name)
    {
        window.setArtist(id, name);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    }

    // The main window's own QWindow counts as active while its dialog is; ask the application.
    void activateMain()
    {
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main; }));
    }
};

TEST_F(InfoWindowTest, ShowsTheBiographyReadOnlyWithTheLanguagesCaptions)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Nina Simone"));
    EXPECT_EQ(text(window)->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
    EXPECT_TRUE(text(window)->isReadOnly());
    EXPECT_EQ(text(window)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(button(window, "cmdWijzigen")->text(), QStringLiteral("Edit"));
    EXPECT_EQ(button(window, "cmdOpslaan")->text(), QStringLiteral("Save"));
    EXPECT_EQ(button(window, "cmdSluiten")->text(), QStringLiteral("Quit"));
    EXPECT_FALSE(button(window, "cmdOpslaan")->isEnabled());
    EXPECT_TRUE(button(window, "cmdWijzigen")->isEnabled());
    // Centred over the main window.
    EXPECT_LE((window.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);

    // An artist without biography (Null) shows an empty text.
    window.setArtist(withoutText, QStringLiteral("O'Brien \"The Voice\""));
    EXPECT_TRUE(text(window)->toPlainText().isEmpty());
    EXPECT_EQ(window.loadedArtistId(), withoutText);
    EXPECT_TRUE(prompts.reports.isEmpty());
}

TEST_F(InfoWindowTest, EditAndSaveStoresTheTextForThatArtist)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withoutText, QStringLiteral("O'Brien"));
    button(window, "cmdWijzigen")->click();
    EXPECT_TRUE(window.isEditing());
    EXPECT_FALSE(text(window)->isReadOnly());
    EXPECT_EQ(text(window)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_FALSE(button(window, "cmdWijzigen")->isEnabled());
    EXPECT_FALSE(button(window, "cmdSluiten")->isEnabled()); // save before closing
    EXPECT_TRUE(button(window, "cmdOpslaan")->isEnabled());

    const QString biography = QStringLiteral("It's \"quoted\"; -- drop table Artiest;\nÉté ☺");
    text(window)->setPlainText(biography);
    button(window, "cmdOpslaan")->click();
    EXPECT_FALSE(window.isEditing());
    EXPECT_TRUE(text(window)->isReadOnly());
    EXPECT_EQ(text(window)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_TRUE(button(window, "cmdSluiten")->isEnabled());
    EXPECT_EQ(storedInfo(withoutText), biography);
    EXPECT_EQ(storedInfo(withText), QStringLiteral("Born 1933.\nPianist.")); // only that artist
    EXPECT_TRUE(prompts.reports.isEmpty());

    button(window, "cmdSluiten")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(InfoWindowTest, FontCyclesThroughThreeSizes)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text(window)->font().pointSize(), 8);
    const int sizes[] = {10, 12, 8};
    for (int size : sizes) {
        button(window, "cmdFont")->click();
        EXPECT_EQ(text(window)->font().pointSize(), size);
        EXPECT_EQ(text(window)->property("tag").toString(), QString::number(size));
    }
}

TEST_F(InfoWindowTest, FollowsTheArtistChosenInTheMainWindowWhenActivated)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));

    // Another artist is handed over while the main window is active: nothing changes yet.
    activateMain();
    window.setArtist(withoutText, QStringLiteral("O'Brien"));
    EXPECT_EQ(window.loadedArtistId(), withText);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Nina Simone"));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(window.loadedArtistId(), withoutText);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("O'Brien"));
    EXPECT_TRUE(text(window)->toPlainText().isEmpty());

    // Closed and opened again for the first artist.
    window.close();
    showFor(window, withText, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text(window)->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
}

TEST_F(InfoWindowTest, AnEditInProgressSurvivesAnotherArtistAndIsSavedForItsOwn)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    button(window, "cmdWijzigen")->click();
    text(window)->setPlainText(QStringLiteral("Rewritten."));

    activateMain();
    window.setArtist(withoutText, QStringLiteral("O'Brien"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(text(window)->toPlainText(), QStringLiteral("Rewritten."));
    EXPECT_TRUE(window.isEditing());

    button(window, "cmdOpslaan")->click();
    EXPECT_EQ(storedInfo(withText), QStringLiteral("Rewritten."));
    EXPECT_TRUE(storedIsNull(withoutText));
    // Then the window follows the artist handed over meanwhile.
    EXPECT_EQ(window.loadedArtistId(), withoutText);
    EXPECT_TRUE(text(window)->toPlainText().isEmpty());
}

TEST_F(InfoWindowTest, ClosingWhileEditingAsksWhetherToSave)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    button(window, "cmdWijzigen")->click();
    text(window)->setPlainText(QStringLiteral("Kept."));
    prompts.answers = {MsgBox::yes};
    window.close();
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, QStringLiteral("Do you want to save this data?"));
    EXPECT_EQ(prompts.boxes[0].title, QStringLiteral("Attention!"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedInfo(withText), QStringLiteral("Kept."));

    showFor(window, withText, QStringLiteral("Nina Simone"));
    button(window, "cmdWijzigen")->click();
    text(window)->setPlainText(QStringLiteral("Thrown away."));
    prompts.answers = {MsgBox::no};
    QTest::keyClick(text(window), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(storedInfo(withText), QStringLiteral("Kept."));
    showFor(window, withText, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text(window)->toPlainText(), QStringLiteral("Kept."));
    EXPECT_FALSE(window.isEditing());
}

TEST_F(InfoWindowTest, AFailedSaveKeepsTheTextAndAnUnreadableCatalogueAllowsNoEdit)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    button(window, "cmdWijzigen")->click();
    text(window)->setPlainText(QStringLiteral("Typed with care."));
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral(
        "create trigger refuse before update on Artiest begin select raise(abort, 'refused'); end")));
    button(window, "cmdOpslaan")->click();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Info.cmdOpslaan_Click")));
    EXPECT_TRUE(window.isEditing());
    EXPECT_EQ(text(window)->toPlainText(), QStringLiteral("Typed with care."));

    // The artist was deleted meanwhile: reported, the text stays.
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("drop trigger refuse")));
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("delete from Artiest where Id = %1").arg(withText)));
    button(window, "cmdOpslaan")->click();
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(window.isEditing());

    InfoWindow broken(session, prompts, &main);
    session.settings.database = db.folder() + QStringLiteral("/missing.db");
    showFor(broken, withoutText, QStringLiteral("O'Brien"));
    ASSERT_EQ(prompts.reports.size(), 3);
    EXPECT_TRUE(prompts.reports[2].contains(QStringLiteral("missing.db")));
    EXPECT_FALSE(button(broken, "cmdWijzigen")->isEnabled());
    EXPECT_EQ(broken.windowTitle(), QStringLiteral("O'Brien"));
}

TEST_F(InfoWindowTest, NeverSmallerThanItsControlsNeed)
{
    InfoWindow window(session, prompts, &main);
    showFor(window, withText, QStringLiteral("Nina Simone"));
    window.resize(100, 80);
    EXPECT_GE(window.width(), 347);
    EXPECT_GE(window.height(), 264);
}

} // namespace

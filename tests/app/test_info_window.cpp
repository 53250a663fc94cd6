// The biography window: loading an artist's text, editing and saving it through the catalogue,
// the font cycle, and following the artist chosen in the main window.
#include "extras/ui/infowindow.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class InfoWindowTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    FakePrompts prompts;
    QWidget main; // stands in for the main window
    InfoWindow window { home.session(), prompts, &main };
    qint64 nina = 0;
    qint64 obrien = 0;

    void SetUp() override
    {
        nina = db.addArtist("Nina Simone");
        obrien = db.addArtist("O'Brien \"The Voice\"");
        ASSERT_TRUE(db.catalogue().updateRow(QStringLiteral("Artiest"), nina,
            { { QStringLiteral("Info"), QStringLiteral("Born 1933.\nPianist.") } }));
        main.setGeometry(100, 100, 600, 500);
        main.show();
    }

    // The stored biography; an invalid QVariant for Null.
    QVariant storedInfo(qint64 id) const
    {
        return db.firstRow(QStringLiteral("select Info from Artiest where Id = ?"), { id })
            .value(0, "<none>");
    }

    QPlainTextEdit* text() { return qtkit::childOf<QPlainTextEdit>(&window, "txtInfo"); }
    QPushButton* button(const char* name) { return qtkit::childOf<QPushButton>(&window, name); }

    void activate(QWidget& shown)
    {
        shown.activateWindow();
        // The main window's own QWindow counts as active while its dialog is; ask the application.
        ASSERT_TRUE(qtkit::waitUntil(
            [&] { return QApplication::activeWindow() == &shown; }, "the window to be active"));
    }
    void showFor(qint64 id, const QString& name)
    {
        window.setArtist(id, name);
        window.show();
        activate(window);
    }
};

TEST_F(InfoWindowTest, ShowsTheBiographyReadOnlyStoresAnEditForThatArtistAndAsksOnClosing)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_FALSE(button("cmdOpslaan")->isEnabled());
    // The font cycles through three sizes.
    for (int size : { 10, 12, 8 }) {
        button("cmdFont")->click();
        EXPECT_EQ(text()->font().pointSize(), size);
    }

    // An artist without biography (Null) shows an empty text.
    showFor(obrien, QStringLiteral("O'Brien"));
    EXPECT_TRUE(text()->toPlainText().isEmpty());
    button("cmdWijzigen")->click();
    EXPECT_TRUE(window.isEditing() && !text()->isReadOnly());
    EXPECT_FALSE(button("cmdSluiten")->isEnabled()); // save before closing
    const QString biography = QStringLiteral("It's \"quoted\"; -- drop table Artiest;\nÉté ☺");
    text()->setPlainText(biography);
    button("cmdOpslaan")->click();
    EXPECT_FALSE(window.isEditing());
    EXPECT_TRUE(text()->isReadOnly() && button("cmdSluiten")->isEnabled());
    EXPECT_EQ(storedInfo(obrien), biography);
    EXPECT_EQ(storedInfo(nina), QStringLiteral("Born 1933.\nPianist.")); // only that artist

    // Closing while editing asks: by the close box and answered Yes, saved; by Escape and
    // answered No, dropped.
    for (const bool yes : { true, false }) {
        showFor(nina, QStringLiteral("Nina Simone"));
        button("cmdWijzigen")->click();
        text()->setPlainText(yes ? QStringLiteral("Kept.") : QStringLiteral("Thrown away."));
        prompts.answers = { yes ? MsgBox::yes : MsgBox::no };
        if (yes)
            window.close();
        else
            QTest::keyClick(text(), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(storedInfo(nina), QStringLiteral("Kept."));
    }
    EXPECT_EQ(prompts.boxes.size(), 2);
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Kept."));
    EXPECT_FALSE(window.isEditing());
    EXPECT_TRUE(prompts.reports.isEmpty());

    // A language switch in the main window reaches the open window.
    home.session().settings.taal = taalOf(LanguageBase::German);
    home.session().applyLanguage();
    EXPECT_TRUE(qtkit::waitUntil(
        [this] { return button("cmdSluiten")->text() == Language(LanguageBase::German).text(12); },
        "the biography window's captions in German"));
}

TEST_F(InfoWindowTest, FollowsTheArtistChosenInTheMainWindowWhenActivatedButNotDuringAnEdit)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    // Another artist is handed over while the main window is active: nothing changes yet.
    activate(main);
    window.setArtist(obrien, QStringLiteral("O'Brien"));
    EXPECT_EQ(window.loadedArtistId(), nina);
    activate(window);
    EXPECT_EQ(window.loadedArtistId(), obrien);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("O'Brien"));
    EXPECT_TRUE(text()->toPlainText().isEmpty());

    // An edit in progress survives another artist and is saved for its own.
    button("cmdWijzigen")->click();
    text()->setPlainText(QStringLiteral("Rewritten."));
    activate(main);
    window.setArtist(nina, QStringLiteral("Nina Simone"));
    activate(window);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Rewritten."));
    button("cmdOpslaan")->click();
    EXPECT_EQ(storedInfo(obrien), QStringLiteral("Rewritten."));
    EXPECT_EQ(storedInfo(nina), QStringLiteral("Born 1933.\nPianist."));
    // Then the window follows the artist handed over meanwhile.
    EXPECT_EQ(window.loadedArtistId(), nina);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
}

TEST_F(InfoWindowTest, AFailedSaveKeepsTheTextAndAnUnreadableCatalogueAllowsNoEdit)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    button("cmdWijzigen")->click();
    text()->setPlainText(QStringLiteral("Typed with care."));
    ASSERT_TRUE(execRaw(db.path(),
        QStringLiteral("create trigger refuse before update on Artiest "
                       "begin select raise(abort, 'refused'); end")));
    button("cmdOpslaan")->click();
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains(QStringLiteral("Info.cmdOpslaan_Click")));
    EXPECT_TRUE(window.isEditing());
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Typed with care."));

    // The artist was deleted meanwhile: reported, the text stays.
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("drop trigger refuse")));
    ASSERT_TRUE(execRaw(db.path(), QStringLiteral("delete from Artiest where Id = %1").arg(nina)));
    button("cmdOpslaan")->click();
    ASSERT_EQ(prompts.reports.size(), 2);
    EXPECT_TRUE(window.isEditing());

    InfoWindow broken(home.session(), prompts, &main);
    home.session().settings.database = home.filePath(QStringLiteral("missing.db"));
    broken.setArtist(obrien, QStringLiteral("O'Brien"));
    broken.show();
    activate(broken);
    ASSERT_EQ(prompts.reports.size(), 3);
    EXPECT_TRUE(prompts.reports[2].contains(QStringLiteral("missing.db")));
    EXPECT_FALSE(qtkit::childOf<QPushButton>(&broken, "cmdWijzigen")->isEnabled());
    EXPECT_EQ(broken.windowTitle(), QStringLiteral("O'Brien"));
}

} // namespace

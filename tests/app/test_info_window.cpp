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

const QColor readOnlyBase(255, 255, 192);

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
        nina = db.addArtist(QStringLiteral("Nina Simone"));
        obrien = db.addArtist(QStringLiteral("O'Brien \"The Voice\""));
        ASSERT_TRUE(db.catalogue().updateRow(QStringLiteral("Artiest"), nina,
            { { QStringLiteral("Info"), QStringLiteral("Born 1933.\nPianist.") } }));
        main.setGeometry(100, 100, 600, 500);
        main.show();
    }

    // The stored biography; an invalid QVariant for Null.
    QVariant storedInfo(qint64 id) const
    {
        const auto rows
            = db.catalogue().OpenRecordset(QStringLiteral("select Info from Artiest where Id = ?"), { id });
        return rows.ok() && !rows.value().rows.isEmpty() ? rows.value().rows[0].value(0)
                                                         : QStringLiteral("<none>");
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

TEST_F(InfoWindowTest, ShowsTheBiographyReadOnlyBesideTheMainWindow)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_EQ(text()->palette().color(QPalette::Base), readOnlyBase);
    EXPECT_FALSE(button("cmdOpslaan")->isEnabled());
    EXPECT_TRUE(button("cmdWijzigen")->isEnabled());
    // Centred over the main window.
    EXPECT_LE((window.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);

    // An artist without biography (Null) shows an empty text.
    window.setArtist(obrien, QStringLiteral("O'Brien \"The Voice\""));
    EXPECT_TRUE(text()->toPlainText().isEmpty());
    EXPECT_EQ(window.loadedArtistId(), obrien);
    EXPECT_TRUE(prompts.reports.isEmpty());

    // Never smaller than its controls need.
    window.resize(100, 80);
    EXPECT_GE(window.width(), 347);
    EXPECT_GE(window.height(), 264);
}

TEST_F(InfoWindowTest, EditAndSaveStoresTheTextForThatArtist)
{
    showFor(obrien, QStringLiteral("O'Brien"));
    button("cmdWijzigen")->click();
    EXPECT_TRUE(window.isEditing());
    EXPECT_FALSE(text()->isReadOnly());
    EXPECT_EQ(text()->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_FALSE(button("cmdWijzigen")->isEnabled());
    EXPECT_FALSE(button("cmdSluiten")->isEnabled()); // save before closing
    EXPECT_TRUE(button("cmdOpslaan")->isEnabled());

    const QString biography = QStringLiteral("It's \"quoted\"; -- drop table Artiest;\nÉté ☺");
    text()->setPlainText(biography);
    button("cmdOpslaan")->click();
    EXPECT_FALSE(window.isEditing());
    EXPECT_TRUE(text()->isReadOnly());
    EXPECT_EQ(text()->palette().color(QPalette::Base), readOnlyBase);
    EXPECT_TRUE(button("cmdSluiten")->isEnabled());
    EXPECT_EQ(storedInfo(obrien), biography);
    EXPECT_EQ(storedInfo(nina), QStringLiteral("Born 1933.\nPianist.")); // only that artist
    EXPECT_TRUE(prompts.reports.isEmpty());

    button("cmdSluiten")->click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(InfoWindowTest, FontCyclesThroughThreeSizes)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->font().pointSize(), 8);
    for (int size : { 10, 12, 8 }) {
        button("cmdFont")->click();
        EXPECT_EQ(text()->font().pointSize(), size);
        EXPECT_EQ(text()->property("tag").toString(), QString::number(size));
    }
}

TEST_F(InfoWindowTest, FollowsTheArtistChosenInTheMainWindowWhenActivated)
{
    showFor(nina, QStringLiteral("Nina Simone"));

    // Another artist is handed over while the main window is active: nothing changes yet.
    activate(main);
    window.setArtist(obrien, QStringLiteral("O'Brien"));
    EXPECT_EQ(window.loadedArtistId(), nina);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Nina Simone"));

    activate(window);
    EXPECT_EQ(window.loadedArtistId(), obrien);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("O'Brien"));
    EXPECT_TRUE(text()->toPlainText().isEmpty());

    // Closed and opened again for the first artist.
    window.close();
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Born 1933.\nPianist."));
}

TEST_F(InfoWindowTest, AnEditInProgressSurvivesAnotherArtistAndIsSavedForItsOwn)
{
    showFor(nina, QStringLiteral("Nina Simone"));
    button("cmdWijzigen")->click();
    text()->setPlainText(QStringLiteral("Rewritten."));

    activate(main);
    window.setArtist(obrien, QStringLiteral("O'Brien"));
    activate(window);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Rewritten."));
    EXPECT_TRUE(window.isEditing());

    button("cmdOpslaan")->click();
    EXPECT_EQ(storedInfo(nina), QStringLiteral("Rewritten."));
    EXPECT_FALSE(storedInfo(obrien).isValid());
    // Then the window follows the artist handed over meanwhile.
    EXPECT_EQ(window.loadedArtistId(), obrien);
    EXPECT_TRUE(text()->toPlainText().isEmpty());
}

TEST_F(InfoWindowTest, ClosingWhileEditingAsksWhetherToSave)
{
    // Closed by the close box and answered Yes: saved; by Escape and answered No: dropped.
    const struct {
        int answer;
        const char* typed;
        const char* stored;
    } cases[] = { { MsgBox::yes, "Kept.", "Kept." }, { MsgBox::no, "Thrown away.", "Kept." } };
    for (const auto& c : cases) {
        showFor(nina, QStringLiteral("Nina Simone"));
        button("cmdWijzigen")->click();
        text()->setPlainText(QLatin1String(c.typed));
        prompts.answers = { c.answer };
        prompts.boxes.clear();
        if (c.answer == MsgBox::yes)
            window.close();
        else
            QTest::keyClick(text(), Qt::Key_Escape);
        EXPECT_EQ(prompts.boxes.size(), 1);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(storedInfo(nina), QLatin1String(c.stored));
    }
    showFor(nina, QStringLiteral("Nina Simone"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("Kept."));
    EXPECT_FALSE(window.isEditing());
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

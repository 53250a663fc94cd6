// The discography window in both list modes: the grid, add, edit and remove through the
// `Album` window with its key filters and checks, and the track list's CD lookup that keeps
// or replaces the old tracks.
#include "extras/ui/albumdialog.h"
#include "extras/ui/discografie.h"
#include "resources/languagetable.h"
#include "shell/session.h"
#include "support/fakecddb.h"
#include "support/fakeprompts.h"
#include "support/modalwindows.h"
#include "support/testcatalogue.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString english(int k)
{
    return languageText(LanguageBase::English, k);
}

class DiscografieTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QTemporaryDir images;
    TestCatalogue db;
    FakePrompts prompts;
    std::unique_ptr<Session> session;
    qint64 abba = 0;
    qint64 arrival = 0;

    void SetUp() override
    {
        session = std::make_unique<Session>(home.path());
        session->settings.database = db.path();
        session->settings.taal = QStringLiteral("200");
        abba = db.addArtist(QStringLiteral("Abba"));
        arrival = db.addAlbum(abba, QStringLiteral("Arrival"), 1976, { { "Lengte", "33:00" } });
    }

    std::unique_ptr<Discografie> open(const char* listMode)
    {
        session->listMode = QLatin1String(listMode);
        DiscographySubject subject { abba, QStringLiteral("Abba"), arrival, QStringLiteral("Arrival"),
            QStringLiteral("33:00") };
        return std::make_unique<Discografie>(*session, prompts, subject);
    }

    static QStringList column(const Discografie& window, int c)
    {
        const QAbstractItemModel* model = childOf<QTableView>(&window, "fgDisco")->model();
        QStringList values;
        for (int r = 0; r < model->rowCount(); ++r)
            values << model->index(r, c).data().toString();
        return values;
    }
    static QStringList headers(const Discografie& window)
    {
        const QAbstractItemModel* model = childOf<QTableView>(&window, "fgDisco")->model();
        QStringList values;
        for (int c = 0; c < model->columnCount(); ++c)
            values << model->headerData(c, Qt::Horizontal).toString();
        return values;
    }
    static void selectRow(Discografie& window, int row)
    {
        auto* grid = childOf<QTableView>(&window, "fgDisco");
        grid->setCurrentIndex(grid->model()->index(row, 1));
    }
    QStringList trackNames() const
    {
        QStringList names;
        auto rows = db.catalogue().OpenRecordset(
            "SELECT Nummer, Naam FROM Tracks WHERE Titelid = ? ORDER BY Nummer", { arrival });
        for (const QVariantList& row : rows.value().rows)
            names << row.at(0).toString() + QLatin1Char(' ') + row.at(1).toString();
        return names;
    }
};

TEST_F(DiscografieTest, DiscographyListsCaptionAndEditsThroughTheAlbumWindow)
{
    db.addDiscography(abba, QStringLiteral("Waterloo"), 1974);
    db.addDiscography(abba, QStringLiteral("Arrival"), 1976);
    db.addDiscography(abba, QStringLiteral("Abba"), 1976);
    auto window = open("Discografie");
    EXPECT_EQ(window->windowTitle(), "Abba - Discography (3)");
    EXPECT_EQ(headers(*window), (QStringList { "Id", "Year", "Title" }));
    EXPECT_EQ(column(*window, 2), (QStringList { "Abba", "Arrival", "Waterloo" }));
    EXPECT_TRUE(childOf<QComboBox>(window.get(), "cboDrive")->isHidden());
    EXPECT_TRUE(childOf<QToolButton>(window.get(), "cmdFreedb")->isHidden());

    // Without a year the window stays open; letters never reach the year field.
    onNextModal("Album", [this](QWidget* album) {
        EXPECT_EQ(childOf<QLabel>(album, "lblKop")->text(), "Album Add");
        EXPECT_TRUE(childOf<QLineEdit>(album, "txtLengte")->isHidden());
        childOf<QLineEdit>(album, "txtTitel")->setText(QStringLiteral("Voulez-Vous"));
        childOf<QPushButton>(album, "cmdSluiten")->click();
        EXPECT_EQ(prompts.boxes.last().prompt, english(56));
        EXPECT_TRUE(album->isVisible());
        auto* year = childOf<QLineEdit>(album, "txtJaar");
        year->setFocus();
        QTest::keyClicks(year, "19x7a9");
        EXPECT_EQ(year->text(), "1979");
        QTest::keyClick(year, Qt::Key_Return);
        EXPECT_EQ(album->focusWidget(), childOf<QLineEdit>(album, "txtTitel"));
        childOf<QPushButton>(album, "cmdSluiten")->click();
    });
    childOf<QPushButton>(window.get(), "cmdToevoegen")->click();
    EXPECT_EQ(window->windowTitle(), "Abba - Discography (4)");
    EXPECT_EQ(column(*window, 2).first(), "Voulez-Vous");

    // Double-click edits the row; the header row (no current row) edits nothing.
    childOf<QPushButton>(window.get(), "cmdWijzigen")->click(); // nothing current yet: no window
    selectRow(*window, 3);
    onNextModal("Album", [](QWidget* album) {
        EXPECT_EQ(childOf<QLabel>(album, "lblKop")->text(), "Album Edit");
        EXPECT_EQ(childOf<QLineEdit>(album, "txtTitel")->text(), "Waterloo");
        childOf<QLineEdit>(album, "txtTitel")->setText(QStringLiteral("Waterloo (Deluxe) \"it's\""));
        childOf<QPushButton>(album, "cmdSluiten")->click();
    });
    auto* grid = childOf<QTableView>(window.get(), "fgDisco");
    emit grid->doubleClicked(grid->model()->index(3, 2));
    EXPECT_EQ(
        scalarRaw(db.path(), "SELECT COUNT(*) FROM Discografie WHERE Titel = 'Waterloo (Deluxe) \"it''s\"'"),
        1);

    // Remove asks with No as default; No keeps the row, Yes removes it.
    selectRow(*window, 0);
    prompts.answers = { MsgBox::no, MsgBox::yes };
    childOf<QPushButton>(window.get(), "cmdVerwijderen")->click();
    EXPECT_EQ(prompts.boxes.last().prompt, "Remove Voulez-Vous?");
    EXPECT_EQ(prompts.boxes.last().buttons, 292);
    EXPECT_EQ(column(*window, 2).size(), 4);
    childOf<QPushButton>(window.get(), "cmdVerwijderen")->click();
    EXPECT_EQ(column(*window, 2).size(), 3);
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Discografie"), 3);
}

TEST_F(DiscografieTest, TrackListAddsEditsAndRemovesKeepingTheOtherNumbers)
{
    for (int n = 1; n <= 3; ++n)
        db.addTrack(arrival, n, QStringLiteral("Track %1").arg(n));
    auto window = open("Tracks");
    EXPECT_EQ(window->windowTitle(), "Tracks:  Arrival (33:00)");
    EXPECT_EQ(headers(*window), (QStringList { "Id", "Track", "Title", "Length" }));
    EXPECT_FALSE(childOf<QToolButton>(window.get(), "cmdFreedb")->isHidden());

    onNextModal("Album", [this](QWidget* album) {
        EXPECT_EQ(childOf<QLabel>(album, "lblKop")->text(), "Track Add");
        EXPECT_EQ(childOf<QLineEdit>(album, "txtJaar")->text(), "4");
        // Enter in the name goes on to the length.
        auto* name = childOf<QLineEdit>(album, "txtTitel");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(album->focusWidget(), childOf<QLineEdit>(album, "txtLengte"));
        childOf<QPushButton>(album, "cmdSluiten")->click();
        EXPECT_EQ(prompts.boxes.last().prompt, english(57));
        name->setText(QStringLiteral("Хорошо"));
        childOf<QPushButton>(album, "cmdSluiten")->click();
    });
    childOf<QPushButton>(window.get(), "cmdToevoegen")->click();
    EXPECT_EQ(column(*window, 2).last(), "Хорошо");
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Tracks WHERE Nummer = 4 AND Lengte IS NULL"), 1);

    // Editing stores the length as typed, also when it is emptied; a pasted number that is no
    // number is refused like a missing one.
    selectRow(*window, 0);
    onNextModal("Album", [this](QWidget* album) {
        EXPECT_EQ(childOf<QLabel>(album, "lblKop")->text(), "Track Edit");
        EXPECT_EQ(childOf<QLineEdit>(album, "txtLengte")->text(), "3:30");
        childOf<QLineEdit>(album, "txtLengte")->clear();
        childOf<QLineEdit>(album, "txtJaar")->setText("1a");
        childOf<QPushButton>(album, "cmdSluiten")->click();
        EXPECT_EQ(prompts.boxes.last().prompt, english(57));
        EXPECT_EQ(childOf<QLineEdit>(album, "txtJaar")->text(), "");
        childOf<QLineEdit>(album, "txtJaar")->setText("1");
        childOf<QPushButton>(album, "cmdSluiten")->click();
    });
    childOf<QPushButton>(window.get(), "cmdWijzigen")->click();
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Tracks WHERE Nummer = 1 AND Lengte = ''"), 1);

    selectRow(*window, 1);
    prompts.answers = { MsgBox::yes };
    childOf<QPushButton>(window.get(), "cmdVerwijderen")->click();
    EXPECT_EQ(column(*window, 1), (QStringList { "1", "3", "4" }));
}

class TrackLookupTest : public DiscografieTest {
protected:
    FakeCddbServer server;
    QString cue;

    void SetUp() override
    {
        DiscografieTest::SetUp();
        ::setenv("no_proxy", "127.0.0.1", 1);
        ::setenv("NO_PROXY", "127.0.0.1", 1);
        session->ini().write("Discovant", "CDDBServer", QString::fromStdString(server.address()));
        session->ini().write("Discovant", "UserEmail", "jan@example.org");
        for (int n = 1; n <= 12; ++n)
            db.addTrack(arrival, n, QStringLiteral("Old %1").arg(n));
        cue = writeCueImage(images.path(), "new", std::vector<int>(10, 4));
        TestEntry entry { QStringLiteral("Abba"), QStringLiteral("Arrival"), QStringLiteral("1976"), {} };
        for (int n = 1; n <= 10; ++n)
            entry.trackNames << QStringLiteral("New %1").arg(n);
        server.serve(identify(cue).discId, entry);
    }

    std::unique_ptr<Discografie> lookUp(QList<int> answers)
    {
        auto window = open("Tracks");
        childOf<QComboBox>(window.get(), "cboDrive")->setEditText(cue);
        prompts.answers = answers;
        childOf<QToolButton>(window.get(), "cmdFreedb")->click();
        return window;
    }
};

TEST_F(TrackLookupTest, KeepingTheOldTracksNumbersTheNewOnesAfterThem)
{
    auto window = lookUp({ MsgBox::yes, MsgBox::no });
    ASSERT_EQ(prompts.boxes.size(), 2);
    EXPECT_EQ(prompts.boxes[0].prompt, english(60));
    EXPECT_EQ(prompts.boxes[0].buttons, 36);
    EXPECT_EQ(prompts.boxes[1].prompt, english(61));
    EXPECT_EQ(prompts.boxes[1].buttons, 292);
    EXPECT_TRUE(window->tracksStored());
    const QStringList names = trackNames();
    ASSERT_EQ(names.size(), 22);
    EXPECT_EQ(names[11], "12 Old 12");
    EXPECT_EQ(names[12], "13 New 1");
    EXPECT_EQ(names[21], "22 New 10");
    // The album is stamped with the disc.
    auto album = db.catalogue().OpenRecordset(
        "SELECT CDid, Lengte, datum_lamu FROM Titel WHERE Id = ?", { arrival });
    EXPECT_EQ(album.value().rows[0].at(0).toString(), QString::fromStdString(identify(cue).discId));
    EXPECT_EQ(album.value().rows[0].at(1).toString(), "0:42"); // lead-in included
    EXPECT_FALSE(album.value().rows[0].at(2).isNull());
}

TEST_F(TrackLookupTest, ReplacingTheOldTracksNumbersTheNewOnesFromOne)
{
    auto window = lookUp({ MsgBox::yes, MsgBox::yes });
    const QStringList names = trackNames();
    ASSERT_EQ(names.size(), 10);
    EXPECT_EQ(names.first(), "1 New 1");
    EXPECT_EQ(names.last(), "10 New 10");
}

TEST_F(TrackLookupTest, DecliningShowsThePreviewAndStoresNothing)
{
    auto window = lookUp({ MsgBox::no });
    EXPECT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(column(*window, 2).first(), "New 1"); // the preview was shown
    EXPECT_EQ(trackNames().size(), 12);
    EXPECT_FALSE(window->tracksStored());
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Freedb"), 10);
}

TEST_F(TrackLookupTest, AFailedReplacementLeavesTheOldTracksAndTheWindowOpen)
{
    ASSERT_TRUE(execRaw(db.path(),
        "CREATE TRIGGER refuse AFTER INSERT ON Tracks WHEN new.Naam = 'New 7' "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    auto window = lookUp({ MsgBox::yes, MsgBox::yes });
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("disk full"));
    EXPECT_EQ(trackNames().size(), 12);
    EXPECT_EQ(trackNames().first(), "1 Old 1");
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Titel WHERE CDid IS NULL"), 1);
    EXPECT_FALSE(window->tracksStored());
    EXPECT_EQ(column(*window, 2).first(), "Old 1");
}

TEST_F(TrackLookupTest, AnUnreadableDiscChangesNothing)
{
    cue = home.filePath("Melotheek.ini");
    auto window = lookUp({});
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, english(50));
    EXPECT_EQ(trackNames().size(), 12);
    EXPECT_EQ(scalarRaw(db.path(), "SELECT COUNT(*) FROM Freedb"), 0);
}

} // namespace

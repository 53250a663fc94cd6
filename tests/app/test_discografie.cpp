// The discography window in both list modes: the grid, add, edit and remove through the
// `Album` window with its key filters and checks, and the track list's CD lookup that keeps
// or replaces the old tracks.
#include "extras/ui/albumdialog.h"
#include "extras/ui/discografie.h"
#include "qtkit/modal.h"
#include "support/discidentity.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/discimage.h"
#include "testkit/fakeserver.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtkit::childOf;
using qtkit::clickButton;

class DiscografieTest : public ::testing::Test {
protected:
    TestHome home;
    TestCatalogue& db = home.db();
    Session& session = home.session();
    FakePrompts prompts;
    const qint64 abba = db.addArtist(QStringLiteral("Abba"));
    const qint64 arrival = db.addAlbum(abba, QStringLiteral("Arrival"), 1976, { { "Lengte", "33:00" } });

    std::unique_ptr<Discografie> open(const char* listMode)
    {
        session.listMode = QLatin1String(listMode);
        DiscographySubject subject { abba, QStringLiteral("Abba"), arrival, QStringLiteral("Arrival"),
            QStringLiteral("33:00") };
        return std::make_unique<Discografie>(session, prompts, subject);
    }

    static QStringList column(const Discografie& window, int c)
    {
        const QAbstractItemModel* model = childOf<QTableView>(&window, "fgDisco")->model();
        QStringList values;
        for (int r = 0; r < model->rowCount(); ++r)
            values << model->index(r, c).data().toString();
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
        for (const QVariantList& row : rows.valueOr({}).rows)
            names << row.at(0).toString() + QLatin1Char(' ') + row.at(1).toString();
        return names;
    }
    qint64 scalar(const char* sql) const { return scalarRaw(db.path(), QString::fromUtf8(sql)); }
    // The prompt of the last message box.
    QString lastPrompt() const { return prompts.boxes.isEmpty() ? QString() : prompts.boxes.last().prompt; }
};

TEST_F(DiscografieTest, DiscographyListsCaptionAndEditsThroughTheAlbumWindow)
{
    db.addDiscography(abba, QStringLiteral("Waterloo"), 1974);
    db.addDiscography(abba, QStringLiteral("Arrival"), 1976);
    db.addDiscography(abba, QStringLiteral("Abba"), 1976);
    auto window = open("Discografie");
    // The title names the artist and counts the rows.
    EXPECT_TRUE(window->windowTitle().startsWith("Abba") && window->windowTitle().endsWith("(3)"));
    EXPECT_EQ(column(*window, 2), (QStringList { "Abba", "Arrival", "Waterloo" }));
    EXPECT_TRUE(childOf<QComboBox>(window.get(), "cboDrive")->isHidden());
    EXPECT_TRUE(childOf<QToolButton>(window.get(), "cmdFreedb")->isHidden());

    // Without a year the window stays open; letters never reach the year field.
    qtkit::onNextModal("Album", [this](QWidget* album) {
        EXPECT_TRUE(childOf<QLineEdit>(album, "txtLengte")->isHidden());
        childOf<QLineEdit>(album, "txtTitel")->setText(QStringLiteral("Voulez-Vous"));
        clickButton(album, "cmdSluiten");
        EXPECT_EQ(lastPrompt(), session.message(56));
        EXPECT_TRUE(album->isVisible());
        auto* year = childOf<QLineEdit>(album, "txtJaar");
        year->setFocus();
        QTest::keyClicks(year, "19x7a9");
        EXPECT_EQ(year->text(), "1979");
        // Enter goes from field to field to the save button, where it saves.
        QTest::keyClick(year, Qt::Key_Return);
        EXPECT_EQ(album->focusWidget(), childOf<QLineEdit>(album, "txtTitel"));
        QTest::keyClick(album->focusWidget(), Qt::Key_Return);
        EXPECT_EQ(album->focusWidget(), childOf<QPushButton>(album, "cmdSluiten"));
        QTest::keyClick(album->focusWidget(), Qt::Key_Return);
    });
    clickButton(window.get(), "cmdToevoegen");
    EXPECT_TRUE(window->windowTitle().endsWith("(4)"));
    EXPECT_EQ(column(*window, 2).first(), "Voulez-Vous");

    // Double-click edits the row; the header row (no current row) edits nothing.
    clickButton(window.get(), "cmdWijzigen"); // nothing current yet: no window
    selectRow(*window, 3);
    qtkit::onNextModal("Album", [](QWidget* album) {
        EXPECT_EQ(childOf<QLineEdit>(album, "txtTitel")->text(), "Waterloo");
        childOf<QLineEdit>(album, "txtTitel")->setText(QStringLiteral("Waterloo (Deluxe) \"it's\""));
        clickButton(album, "cmdSluiten");
    });
    auto* grid = childOf<QTableView>(window.get(), "fgDisco");
    emit grid->doubleClicked(grid->model()->index(3, 2));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Discografie WHERE Titel = 'Waterloo (Deluxe) \"it''s\"'"), 1);

    // Remove asks with No as default; No keeps the row, Yes removes it.
    selectRow(*window, 0);
    prompts.answers = { MsgBox::no, MsgBox::yes };
    clickButton(window.get(), "cmdVerwijderen");
    EXPECT_TRUE(lastPrompt().contains("Voulez-Vous")) << "the question names the row";
    EXPECT_EQ(prompts.boxes.last().buttons, MsgBox::yesNoQuestionDefaultNo);
    EXPECT_EQ(column(*window, 2).size(), 4);
    clickButton(window.get(), "cmdVerwijderen");
    EXPECT_EQ(column(*window, 2).size(), 3);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Discografie"), 3);
}

TEST_F(DiscografieTest, TrackListAddsEditsAndRemovesKeepingTheOtherNumbers)
{
    for (int n = 1; n <= 3; ++n)
        db.addTrack(arrival, n, QStringLiteral("Track %1").arg(n));
    auto window = open("Tracks");
    EXPECT_TRUE(window->windowTitle().contains("Arrival (33:00)"));
    EXPECT_FALSE(childOf<QToolButton>(window.get(), "cmdFreedb")->isHidden());

    qtkit::onNextModal("Album", [this](QWidget* album) {
        EXPECT_EQ(childOf<QLineEdit>(album, "txtJaar")->text(), "4");
        // Enter in the name goes on to the length.
        auto* name = childOf<QLineEdit>(album, "txtTitel");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(album->focusWidget(), childOf<QLineEdit>(album, "txtLengte"));
        clickButton(album, "cmdSluiten");
        EXPECT_EQ(lastPrompt(), session.message(57));
        name->setText(QStringLiteral("Хорошо"));
        clickButton(album, "cmdSluiten");
    });
    clickButton(window.get(), "cmdToevoegen");
    EXPECT_EQ(column(*window, 2).last(), "Хорошо");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Tracks WHERE Nummer = 4 AND Lengte IS NULL"), 1);

    // Editing stores the length as typed, also when it is emptied; a pasted number that is no
    // number is refused like a missing one.
    selectRow(*window, 0);
    qtkit::onNextModal("Album", [this](QWidget* album) {
        EXPECT_EQ(childOf<QLineEdit>(album, "txtLengte")->text(), "3:30");
        childOf<QLineEdit>(album, "txtLengte")->clear();
        childOf<QLineEdit>(album, "txtJaar")->setText("1a");
        clickButton(album, "cmdSluiten");
        EXPECT_EQ(lastPrompt(), session.message(57));
        EXPECT_EQ(childOf<QLineEdit>(album, "txtJaar")->text(), "");
        childOf<QLineEdit>(album, "txtJaar")->setText("1");
        clickButton(album, "cmdSluiten");
    });
    clickButton(window.get(), "cmdWijzigen");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Tracks WHERE Nummer = 1 AND Lengte = ''"), 1);

    selectRow(*window, 1);
    prompts.answers = { MsgBox::yes };
    clickButton(window.get(), "cmdVerwijderen");
    EXPECT_EQ(column(*window, 1), (QStringList { "1", "3", "4" }));
}

// A disc of ten tracks looked up for an album of twelve: the answers to "store the fetched
// tracks?" and "remove the old ones?", or a store that fails half-way.
struct TrackLookupCase {
    const char* name;
    QList<int> answers; // one per question asked
    bool storeFails;
    QStringList names; // the album's first, thirteenth ("" for none) and last track afterwards
    int tracks;
};

class TrackLookupTest : public DiscografieTest, public ::testing::WithParamInterface<TrackLookupCase> {
protected:
    testkit::FakeCddbServer server;
    QString cue;
    std::string discId;

    void SetUp() override
    {
        session.ini().write("Discovant", "CDDBServer", QString::fromStdString(server.address()));
        session.ini().write("Discovant", "UserEmail", "jan@example.org");
        for (int n = 1; n <= 12; ++n)
            db.addTrack(arrival, n, QStringLiteral("Old %1").arg(n));
        const auto image
            = testkit::writeAudioDisc(home.filePath("Images").toStdString(), "new", std::vector<int>(10, 4));
        cue = imagePath(image);
        discId = discIdOf(image);
        testkit::DiscEntry entry { "Abba", "Arrival", "1976", {} };
        for (int n = 1; n <= 10; ++n)
            entry.tracks.push_back("New " + std::to_string(n));
        server.serve(discId, entry);
    }

    std::unique_ptr<Discografie> lookUp(QList<int> answers)
    {
        auto window = open("Tracks");
        childOf<QComboBox>(window.get(), "cboDrive")->setEditText(cue);
        prompts.answers = answers;
        clickButton(window.get(), "cmdFreedb");
        return window;
    }
};

TEST_P(TrackLookupTest, StoresKeepsOrReplacesTheTracksAsAnswered)
{
    const TrackLookupCase& c = GetParam();
    if (c.storeFails) {
        ASSERT_TRUE(execRaw(db.path(),
            "CREATE TRIGGER refuse AFTER INSERT ON Tracks WHEN new.Naam = 'New 7' "
            "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    }
    auto window = lookUp(c.answers);
    EXPECT_EQ(prompts.boxes.size(), c.answers.size());
    if (prompts.boxes.size() == 2) { // removing the old tracks is No by default
        EXPECT_EQ(prompts.boxes[1].buttons, MsgBox::yesNoQuestionDefaultNo);
    }
    EXPECT_EQ(prompts.reports.size(), c.storeFails ? 1 : 0);
    const bool stored = c.tracks != 12;
    EXPECT_EQ(window->tracksStored(), stored);
    const QStringList names = trackNames();
    EXPECT_EQ(names.size(), c.tracks);
    EXPECT_EQ((QStringList { names.value(0), names.value(12), names.value(names.size() - 1) }), c.names);
    // Nothing stored: the window shows the fetched tracks as a preview, or the old ones again
    // after a failure; the fetched ones wait in the scratch table either way.
    if (!stored) {
        EXPECT_EQ(column(*window, 2).first(), c.storeFails ? "Old 1" : "New 1");
    }
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Freedb"), 10);
    // A stored lookup stamps the album with the disc and its length, lead-in included.
    EXPECT_EQ(db.firstRow("SELECT CDid, Lengte FROM Titel WHERE Id = ?", { arrival }),
        stored ? QVariantList({ QString::fromStdString(discId), "0:42" })
               : QVariantList({ QVariant(), "33:00" }));
}

INSTANTIATE_TEST_SUITE_P(Answers, TrackLookupTest,
    ::testing::Values(TrackLookupCase { "keep", { MsgBox::yes, MsgBox::no }, false,
                          { "1 Old 1", "13 New 1", "22 New 10" }, 22 },
        TrackLookupCase {
            "replace", { MsgBox::yes, MsgBox::yes }, false, { "1 New 1", "", "10 New 10" }, 10 },
        TrackLookupCase { "decline", { MsgBox::no }, false, { "1 Old 1", "", "12 Old 12" }, 12 },
        TrackLookupCase { "failed", { MsgBox::yes, MsgBox::yes }, true, { "1 Old 1", "", "12 Old 12" }, 12 }),
    [](const auto& info) { return std::string(info.param.name); });

class UnreadableDiscTest : public TrackLookupTest { };

TEST_F(UnreadableDiscTest, ChangesNothing)
{
    cue = home.iniPath();
    auto window = lookUp({});
    ASSERT_EQ(prompts.boxes.size(), 1);
    EXPECT_EQ(prompts.boxes[0].prompt, session.message(50));
    EXPECT_EQ(trackNames().size(), 12);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM Freedb"), 0);
}

} // namespace

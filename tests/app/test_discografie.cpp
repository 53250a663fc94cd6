// The discography window in both list modes: the grid, add, edit and remove through the
// `Album` window with its key filters and checks, the track list's CD lookup that keeps
// or replaces the old tracks, and the MusicBrainz button: the artist chosen among two of one
// name, the release groups listed by kind, the ticked ones added in one transaction without
// those already there.
#include "discovant/widgets/discovantwidget.h"
#include "extras/ui/albumdialog.h"
#include "extras/ui/discografie.h"
#include "qtkit/modal.h"
#include "support/discidentity.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/discimage.h"
#include "testkit/fakeserver.h"
#include "testkit/musicbrainzanswers.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
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

nlohmann::json group(const char* id, const char* title, const char* date, const char* type,
    nlohmann::json secondary = nlohmann::json::array())
{
    return { { "id", id }, { "title", title }, { "first-release-date", date }, { "primary-type", type },
        { "secondary-types", secondary } };
}

TEST(DiscographyFromMusicBrainz, AddsTickedGroupsOnceInOneTransaction)
{
    testkit::bypassProxies();
    testkit::VirtualClock clock;
    clock.install(discovant::musicbrainz::RateLimiter::musicBrainz());
    testkit::FakeServer service;
    service.route("GET", "/ws/2/artist",
        testkit::jsonReply(R"({"artists": [{"id": "a1", "name": "Abba", "disambiguation": "Swedish pop group",
            "score": 100}, {"id": "a2", "name": "ABBA", "disambiguation": "tribute band", "score": 90},
            {"id": "a3", "name": "Abba Teens", "score": 80}]})"));
    service.route("GET", "/ws/2/release-group", [](const testkit::SeenRequest& request) {
        EXPECT_EQ(request.param("artist"), "a2"); // the artist the user chose
        const nlohmann::json groups = nlohmann::json::array({ group("1", "Arrival", "1976-10-11", "Album"),
            group("2", "WATERLÖÖ", "1974", "Album"), group("3", "Summer", "1975", "EP"),
            group("4", "SOS", "1975", "Single"), group("5", "Gold", "1992", "Album", { "Compilation" }),
            group("6", "Arrival", "1976", "Album") });
        return testkit::jsonReply(
            nlohmann::json { { "release-group-count", 6 }, { "release-groups", groups } }.dump());
    });

    struct Case {
        const char* name;
        const char* failingTitle; // a trigger refuses this title; "" for none
        QStringList rows; // the discography afterwards, "year title"
        int errorReports;
    };
    const Case cases[] = {
        { "added", "", { "1974 Waterloo", "1975 Summer", "1976 Arrival" }, 0 },
        { "one refused, none added", "Summer", { "1974 Waterloo" }, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestHome home;
        FakePrompts prompts;
        const qint64 abba = home.db().addArtist(QStringLiteral("Abba"));
        home.db().addDiscography(abba, QStringLiteral("Waterloo"), 1974);
        if (*c.failingTitle) {
            ASSERT_TRUE(execRaw(home.db().path(),
                QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Discografie WHEN NEW.Titel = '%1' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                    .arg(QLatin1String(c.failingTitle))));
        }
        home.session().listMode = QStringLiteral("Discografie");
        Discografie window(home.session(), prompts, { abba, QStringLiteral("Abba"), 0, {}, {} });
        window.discovant()->core().setMusicBrainzServer(service.url());

        QStringList listed;
        qtkit::onNextModal(QStringLiteral("ArtiestKeuze"), [&](QWidget* chooser) {
            auto* list = qtkit::childOf<QListView>(chooser, "lvArtiesten");
            EXPECT_EQ(list->model()->rowCount(), 2); // not the other name
            EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("ABBA (tribute band)"));
            list->setCurrentIndex(list->model()->index(1, 0));
            qtkit::onNextModal(QStringLiteral("DiscografieKeuze"), [&](QWidget* groups) {
                qtkit::childOf<QCheckBox>(groups, "chkEP")->setChecked(true);
                auto* view = qtkit::childOf<QListView>(groups, "lvAlbums");
                auto* model = static_cast<QStandardItemModel*>(view->model());
                for (int r = 0; r < model->rowCount(); ++r) {
                    model->item(r)->setCheckState(Qt::Checked); // hidden rows too: they stay out
                    if (!view->isRowHidden(r))
                        listed << model->item(r)->text().simplified();
                }
                qtkit::clickButton(groups, "cmdToevoegen");
            });
            static_cast<QDialog*>(chooser)->accept();
        });
        qtkit::clickButton(&window, "cmdMusicBrainz");

        EXPECT_EQ(
            listed, QStringList({ "1974 WATERLÖÖ", "1975 Summer (EP)", "1976 Arrival", "1976 Arrival" }));
        QStringList rows;
        const QAbstractItemModel* grid = qtkit::childOf<QTableView>(&window, "fgDisco")->model();
        for (int r = grid->rowCount() - 1; r >= 0; --r)
            rows << grid->index(r, 1).data().toString() + QLatin1Char(' ')
                    + grid->index(r, 2).data().toString();
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(prompts.reports.size(), c.errorReports);
        if (c.errorReports == 0) { // four ticked: Waterloo and the second Arrival are skipped
            EXPECT_EQ(prompts.boxes.value(0).prompt,
                QStringLiteral("Albums added: 2. Already in the discography: 2."));
        }
    }
}

} // namespace

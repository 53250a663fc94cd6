// The discography window's MusicBrainz button: the artist chosen among two of one name, the
// release groups listed by kind, the ticked ones added in one transaction without those
// already there.
#include "discovant/widgets/discovantwidget.h"
#include "extras/ui/discografie.h"
#include "qtkit/modal.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/musicbrainzanswers.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QListView>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace mb = discovant::musicbrainz;
using nlohmann::json;

namespace {

json group(
    const char* id, const char* title, const char* date, const char* type, json secondary = json::array())
{
    return { { "id", id }, { "title", title }, { "first-release-date", date }, { "primary-type", type },
        { "secondary-types", secondary } };
}

TEST(DiscographyFromMusicBrainz, AddsTickedGroupsOnceInOneTransaction)
{
    testkit::bypassProxies();
    testkit::VirtualClock clock;
    clock.install(mb::RateLimiter::musicBrainz());
    testkit::FakeServer service;
    service.route("GET", "/ws/2/artist",
        testkit::jsonReply(R"({"artists": [{"id": "a1", "name": "Abba", "disambiguation": "Swedish pop group",
            "score": 100}, {"id": "a2", "name": "ABBA", "disambiguation": "tribute band", "score": 90},
            {"id": "a3", "name": "Abba Teens", "score": 80}]})"));
    service.route("GET", "/ws/2/release-group", [](const testkit::SeenRequest& request) {
        EXPECT_EQ(request.param("artist"), "a2"); // the artist the user chose
        const json groups = json::array({ group("1", "Arrival", "1976-10-11", "Album"),
            group("2", "WATERLÖÖ", "1974", "Album"), group("3", "Summer", "1975", "EP"),
            group("4", "SOS", "1975", "Single"), group("5", "Gold", "1992", "Album", { "Compilation" }),
            group("6", "Arrival", "1976", "Album") });
        return testkit::jsonReply(json { { "release-group-count", 6 }, { "release-groups", groups } }.dump());
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

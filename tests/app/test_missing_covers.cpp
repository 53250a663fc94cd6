// "Find missing covers" against fake MusicBrainz and cover services: which albums are
// searched, what is stored as their cover, the report, and a run cancelled half-way that the
// next run completes.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/client.h"
#include "extras/picturefiles.h"
#include "import/inipropertystore.h"
#include "import/missingcovers.h"
#include "import/ui/missingcoversflow.h"
#include "qtkit/modal.h"
#include "qtkit/qfiles.h"
#include "shell/progressreport.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"
#include "testkit/musicbrainzanswers.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace mb = discovant::musicbrainz;

namespace {

QByteArray storedFormat(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() ? reader.format() : QByteArray();
}

// Asks to stop once `stopAfter` albums have been started.
struct CancellingReport : ProgressReport {
    qint64 stopAfter = 0, started = 0;
    void setCount(qint64 done, qint64) override { started = done; }
    bool cancelRequested() const override { return stopAfter > 0 && started >= stopAfter; }
};

TEST(MissingCovers, StoresFoundCoversReportsTheRestAndResumesAfterCancel)
{
    testkit::bypassProxies();
    testkit::VirtualClock clock;
    clock.install(mb::RateLimiter::musicBrainz());
    testkit::FakeServer service, covers;
    // The search finds a release named as asked whose id is the title, except "Unknown".
    service.route("GET", "/ws/2/release", [](const testkit::SeenRequest& request) {
        const std::string query = request.param("query");
        const std::size_t at = query.find("release:\"") + 9;
        const std::string title = query.substr(at, query.find('"', at) - at);
        nlohmann::json found = testkit::mbRelease(title, title, {});
        found["artist-credit"] = nlohmann::json::array({ { { "name", "Abba" } } });
        found["score"] = 100;
        return testkit::jsonReply(
            testkit::mbReleases(title == "Unknown" ? std::vector<nlohmann::json>() : std::vector { found }));
    });
    struct Case {
        const char* title;
        testkit::Reply coverReply;
        CoverOutcome::Kind kind;
        const char* stored; // the format of the stored cover, "" for none
    };
    const Case cases[] = {
        { "Jpeg", { 200, qtkit::pictureBytes({ 8, 6 }, Qt::darkCyan, "JPEG").toStdString(), "image/jpeg" },
            CoverOutcome::Kind::Found, "jpeg" },
        { "Png", { 200, qtkit::pictureBytes({ 8, 6 }, Qt::darkCyan, "PNG").toStdString(), "image/png" },
            CoverOutcome::Kind::Found, "jpeg" },
        { "Unknown", {}, CoverOutcome::Kind::NotFound, "" },
        { "Coverless", { 404, "" }, CoverOutcome::Kind::NotFound, "" },
        { "Garbled", { 200, "\xFF\xD8\xFF\xE0 no picture", "image/jpeg" }, CoverOutcome::Kind::Failed, "" },
        { "Busy", { 500, "" }, CoverOutcome::Kind::Failed, "" },
    };
    TestHome home;
    const QString coverDir = home.session().settings.coverDir;
    const qint64 abba = home.db().addArtist(QStringLiteral("Abba"));
    QMap<qint64, const Case*> byId;
    for (const Case& c : cases) {
        byId[home.db().addAlbum(abba, QString::fromLatin1(c.title), 1976)] = &c;
        covers.route("GET", std::string("/release/") + c.title + "/", c.coverReply);
    }
    // An album with a cover is left alone.
    const QString covered = coverPath(coverDir, home.db().addAlbum(abba, QStringLiteral("Covered"), 1977));
    QFile(covered).open(QIODevice::WriteOnly);

    discovant::HttpClient http;
    mb::ServiceOptions options;
    options.musicBrainzServer = service.url();
    options.coverArtServer = covers.url();
    mb::MusicBrainzClient client(http, options);
    auto coverless = [&] { return albumsWithoutCover(home.catalogue(), coverDir).value(); };
    // Albums go by title: Busy, Coverless, Garbled, Jpeg, Png, Unknown. Cancel during the fourth:
    // Jpeg gets its cover, and the next run searches the five still without one.
    CancellingReport cancelling;
    cancelling.stopAfter = 4;
    const CoverSearchReport first
        = findMissingCovers(coverless(), coverDir, client, discovant::uCDDBLang::ENGLISH, cancelling);
    EXPECT_TRUE(first.cancelled);
    EXPECT_EQ(first.outcomes.size(), 4);
    ProgressReport quiet;
    const CoverSearchReport second
        = findMissingCovers(coverless(), coverDir, client, discovant::uCDDBLang::ENGLISH, quiet);
    EXPECT_FALSE(second.cancelled);
    ASSERT_EQ(second.outcomes.size(), 5);
    for (const CoverOutcome& outcome : first.outcomes.mid(3) + second.outcomes) {
        const Case& c = *byId.value(outcome.album.id);
        SCOPED_TRACE(c.title);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.reason.isEmpty(), c.kind == CoverOutcome::Kind::Found);
        EXPECT_EQ(storedFormat(coverPath(coverDir, outcome.album.id)), QByteArray(c.stored));
    }
    EXPECT_EQ(QFileInfo(covered).size(), 0); // still the empty file

    // No service at all: the run ends at the first album with the reason.
    options.musicBrainzServer = "http://127.0.0.1:1";
    mb::MusicBrainzClient unreachable(http, options);
    const CoverSearchReport third
        = findMissingCovers(coverless(), coverDir, unreachable, discovant::uCDDBLang::ENGLISH, quiet);
    EXPECT_TRUE(third.outcomes.isEmpty());
    EXPECT_FALSE(third.stoppedBy.isEmpty());

    // The menu entry's run takes the servers from the lookup component's settings and ends
    // with the report.
    IniPropertyStore store(home.session().ini());
    discovant::Discovant component;
    component.setMusicBrainzServer(service.url());
    component.setCoverArtServer(covers.url());
    component.saveProperties(store);
    QString report;
    qtkit::onNextModal(QStringLiteral("Hoesverslag"), [&](QWidget* window) {
        report = qtkit::childOf<QPlainTextEdit>(window, "txtVerslag")->toPlainText();
        window->close();
    });
    FakePrompts prompts;
    findMissingCovers(nullptr, home.session(), prompts);
    EXPECT_TRUE(report.startsWith(QStringLiteral("Covers found: 0\nNot found: 2\nFailed: 2\n")))
        << report.toStdString();
}

} // namespace

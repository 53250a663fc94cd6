// "Find missing covers" against fake MusicBrainz and cover services: which albums are
// searched, what is stored as their cover, the report, and a run cancelled half-way that the
// next run completes.
#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/client.h"
#include "extras/picturefiles.h"
#include "import/missingcovers.h"
#include "shell/progressreport.h"
#include "support/testhome.h"
#include "testkit/musicbrainzfixtures.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace mb = discovant::musicbrainz;

namespace {

QByteArray picture(const char* format)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QByteArray storedFormat(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead() ? reader.format() : QByteArray();
}

// Asks to stop once `stopAfter` albums have been started.
struct CancellingReport : ProgressReport {
    qint64 stopAfter = -1;
    qint64 started = 0;
    void setCount(qint64 done, qint64) override { started = done; }
    bool cancelRequested() const override { return stopAfter >= 0 && started >= stopAfter; }
};

class MissingCovers : public ::testing::Test {
protected:
    void SetUp() override
    {
        testkit::bypassProxies();
        clock.install(mb::RateLimiter::musicBrainz());
        options.musicBrainzServer = service.url();
        options.coverArtServer = covers.url();
        // The search finds a release named as asked whose id is the title, except "Unknown".
        service.route("GET", "/ws/2/release", [](const testkit::SeenRequest& request) {
            const std::string query = request.param("query");
            const std::size_t at = query.find("release:\"") + 9;
            const std::string title = query.substr(at, query.find('"', at) - at);
            if (title == "Unknown")
                return testkit::jsonReply(testkit::mbReleases({}));
            nlohmann::json found = testkit::mbRelease(title, title, {});
            found["artist-credit"] = nlohmann::json::array({ { { "name", "Abba" } } });
            found["score"] = 100;
            return testkit::jsonReply(testkit::mbReleases({ found }));
        });
    }
    void TearDown() override { mb::RateLimiter::musicBrainz().setClock({}, {}); }

    QString cover(qint64 id) { return coverPath(home.session().settings.coverDir, id); }

    testkit::VirtualClock clock;
    testkit::FakeServer service;
    testkit::FakeServer covers;
    mb::ServiceOptions options;
    TestHome home;
};

TEST_F(MissingCovers, StoresFoundCoversReportsTheRestAndResumesAfterCancel)
{
    const QByteArray jpeg = picture("JPEG");
    struct Case {
        const char* title;
        testkit::Reply coverReply;
        CoverOutcome::Kind kind;
        const char* stored; // the format of the stored cover, "" for none
    };
    const Case cases[] = {
        { "Jpeg", { 200, jpeg.toStdString(), "image/jpeg" }, CoverOutcome::Kind::Found, "jpeg" },
        { "Png", { 200, picture("PNG").toStdString(), "image/png" }, CoverOutcome::Kind::Found, "jpeg" },
        { "Unknown", {}, CoverOutcome::Kind::NotFound, "" },
        { "Coverless", { 404, "" }, CoverOutcome::Kind::NotFound, "" },
        { "Garbled", { 200, "\xFF\xD8\xFF\xE0 no picture", "image/jpeg" }, CoverOutcome::Kind::Failed, "" },
        { "Busy", { 500, "" }, CoverOutcome::Kind::Failed, "" },
    };
    const qint64 abba = home.db().addArtist(QStringLiteral("Abba"));
    QMap<qint64, const Case*> byId;
    for (const Case& c : cases) {
        byId[home.db().addAlbum(abba, QString::fromLatin1(c.title), 1976)] = &c;
        covers.route("GET", std::string("/release/") + c.title + "/", c.coverReply);
    }
    // An album with a cover is left alone.
    const qint64 covered = home.db().addAlbum(abba, QStringLiteral("Covered"), 1977);
    QFile(cover(covered)).open(QIODevice::WriteOnly);

    discovant::HttpClient http;
    mb::MusicBrainzClient client(http, options);
    const QString coverDir = home.session().settings.coverDir;
    auto coverless = [&] { return albumsWithoutCover(home.catalogue(), coverDir).value(); };
    // Albums go by title: Busy, Coverless, Garbled, Jpeg, Png, Unknown. Cancel during the fourth.
    CancellingReport cancelling;
    cancelling.stopAfter = 4;
    const CoverSearchReport first
        = findMissingCovers(coverless(), coverDir, client, discovant::uCDDBLang::ENGLISH, cancelling);
    EXPECT_TRUE(first.cancelled);
    EXPECT_EQ(first.total, 6);
    EXPECT_EQ(first.outcomes.size(), 4);
    // Jpeg got its cover before the cancel was seen; the albums without one are searched again.
    EXPECT_EQ(coverless().size(), 5);

    ProgressReport quiet;
    const CoverSearchReport second
        = findMissingCovers(coverless(), coverDir, client, discovant::uCDDBLang::ENGLISH, quiet);
    EXPECT_FALSE(second.cancelled);
    EXPECT_EQ(second.total, 5);
    QList<CoverOutcome> outcomes = first.outcomes + second.outcomes;
    QMap<qint64, CoverOutcome> last;
    for (const CoverOutcome& outcome : outcomes)
        last[outcome.album.id] = outcome;
    ASSERT_EQ(last.size(), 6);
    for (auto it = byId.cbegin(); it != byId.cend(); ++it) {
        const Case& c = **it;
        SCOPED_TRACE(c.title);
        EXPECT_EQ(last[it.key()].kind, c.kind);
        EXPECT_EQ(last[it.key()].reason.isEmpty(), c.kind == CoverOutcome::Kind::Found);
        EXPECT_EQ(storedFormat(cover(it.key())), QByteArray(c.stored));
    }
    EXPECT_EQ(QFileInfo(cover(covered)).size(), 0); // still the empty file
    const QString text = coverReportText(second);
    EXPECT_TRUE(text.contains(QStringLiteral("Abba - Unknown: "))) << text.toStdString();
}

} // namespace

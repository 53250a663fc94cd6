// MusicBrainz: the disc ID of libdiscid's example, the one request limiter on a virtual clock, and
// disc lookups, covers and searches against fake services on 127.0.0.1 whose answers follow
// the web service's documented JSON shapes.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "discovant/musicbrainz/client.h"
#include "discovant/musicbrainz/discid.h"
#include "discovant/musicbrainz/ratelimiter.h"
#include "support/fakeui.h"
#include "support/memorypropertystore.h"
#include "testkit/fakeserver.h"
#include "testkit/musicbrainzanswers.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <thread>

using namespace discovant;
using namespace discovant::musicbrainz;
using nlohmann::json;

namespace {

using testkit::jsonReply;
using testkit::mbMedium;
using testkit::mbRelease;
using testkit::mbReleases;
using testkit::mbTrack;
using testkit::VirtualClock;

const std::string kToc = "150 10000 20000";

} // namespace

TEST(MusicBrainzDiscId, TheExampleOfLibdiscidAndTocsThatAreNoDisc)
{
    // The example of libdiscid's documentation: lead-out 2000, tracks at 150 and 1000.
    const std::optional<MusicBrainzDisc> example = musicBrainzDisc(" 150  1000 2000 ");
    ASSERT_TRUE(example);
    EXPECT_EQ(example->id, "YPv1TJ03f7pu6fgwp1cpr3cVsf0-");
    EXPECT_EQ(example->tocArgument, "1+2+2000+150+1000");
    for (const char* refused : { "", "150", "2000 150", "150 1000 999999" })
        EXPECT_FALSE(musicBrainzDisc(refused)) << refused;
    // Random discs are compared with libdiscid in the disc identifier test.
}

TEST(MusicBrainzLimiter, SpacesEveryCallerOneIntervalApart)
{
    VirtualClock clock;
    RateLimiter limiter(std::chrono::seconds(1));
    clock.install(limiter);
    const auto start = clock.now;
    EXPECT_EQ(limiter.acquire(), start); // the first goes at once
    EXPECT_EQ(limiter.acquire(), start + std::chrono::seconds(1));
    limiter.holdUntil(start + std::chrono::seconds(5)); // a Retry-After
    EXPECT_EQ(limiter.acquire(), start + std::chrono::seconds(5));

    // Callers on several threads never share a slot.
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::set<RateLimiter::Clock::time_point> slots;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 25; ++i) {
                const auto slot = limiter.acquire();
                const std::lock_guard lock(mutex);
                slots.insert(slot);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    ASSERT_EQ(slots.size(), 100U);
    for (auto it = std::next(slots.begin()); it != slots.end(); ++it)
        EXPECT_EQ(*it - *std::prev(it), std::chrono::seconds(1));
}

class MusicBrainzLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.install(RateLimiter::musicBrainz());
        discovant.setLookupSource(uCDDBSource::MUSICBRAINZ);
        discovant.setMusicBrainzServer(service.url());
        discovant.setCoverArtServer(covers.url());
        discovant.setAppName("Melotheek");
        discovant.setAppVersion("1.2.0");
        discovant.setEmailAddress("jan@example.org");
        discovant.setProtocolErrorHandler(
            [this](int32_t number, const std::string&) { errors.push_back(number); });
        discovant.setLookupUi(&ui);
        discovant.setUseFirstMatch(false);
        discId = musicBrainzDisc(kToc)->id;
    }

    VirtualClock clock;
    testkit::FakeServer service;
    testkit::FakeServer covers;
    testkit::FakeCddbServer cddb; // outlives the component's open connections
    test::FakeUi ui;
    Discovant discovant;
    std::vector<int32_t> errors;
    std::string discId;
};

TEST_F(MusicBrainzLookup, DiscAnswers)
{
    const json exact
        = mbRelease("r1", "Album", { mbMedium(1, "", { mbTrack("Eins", 131400), mbTrack("Zwei", 0) }) });
    auto withDisc = [](json release, int mediumIndex, const std::string& id) {
        release["media"][static_cast<std::size_t>(mediumIndex)]["discs"][0]["id"] = id;
        return release;
    };
    struct Case {
        const char* name;
        std::vector<testkit::Reply> replies; // in the order of the requests
        uCDDBMatchCode code;
        std::string album;
        std::vector<int32_t> errors;
        std::size_t shownLines = 0;
    };
    const json multiDisc = mbRelease("r3", "Box",
        { mbMedium(1, "other", { mbTrack("A", 1000) }),
            mbMedium(2, "", { mbTrack("B1", 1000), mbTrack("B2", 2000) }),
            mbMedium(3, "third", { mbTrack("C", 1000) }) });
    const std::vector<Case> cases = {
        { "exact", { jsonReply(mbReleases({ withDisc(exact, 0, discId) })) }, uCDDBMatchCode::MATCH_EXACT,
            "Album", {} },
        { "several",
            { jsonReply(mbReleases({ withDisc(exact, 0, discId),
                withDisc(mbRelease("r2", "Other", exact["media"]), 0, discId) })) },
            uCDDBMatchCode::MATCH_MULTIPLE, "Other", {}, 2 },
        { "multi-disc", { jsonReply(mbReleases({ withDisc(multiDisc, 1, discId) })) },
            uCDDBMatchCode::MATCH_EXACT, "Box (disc 2 of 3)", {} },
        { "unknown id, fuzzy hit", { jsonReply("{}", 404), jsonReply(mbReleases({ exact })) },
            uCDDBMatchCode::MATCH_MULTIPLE, "Album", {} },
        { "no match", { jsonReply("{}", 404), jsonReply("{}", 404) }, uCDDBMatchCode::MATCH_NONE, "", {} },
        { "503 then success",
            { { 503, "busy", "text/plain", { { "Retry-After", "2" } } },
                jsonReply(mbReleases({ withDisc(exact, 0, discId) })) },
            uCDDBMatchCode::MATCH_EXACT, "Album", {} },
        { "503 for ever", std::vector<testkit::Reply>(4, { 503, "busy" }), uCDDBMatchCode::MATCH_NONE, "",
            { kErrorServiceBusy } },
        { "malformed", { jsonReply(R"({"releases": [{"title": "cut)") }, uCDDBMatchCode::MATCH_NONE, "",
            { kErrorBadAnswer } },
        { "wrong types", { jsonReply(R"({"releases": {"title": 5}})") }, uCDDBMatchCode::MATCH_NONE, "",
            { kErrorBadAnswer } },
        { "no medium like the disc",
            { jsonReply(R"({"releases": [{"id": "r", "title": 7, "media": "none"}, 12]})") },
            uCDDBMatchCode::MATCH_NONE, "", { kErrorNoMatchingMedium } },
        { "10 MB", { jsonReply(std::string(10 * 1024 * 1024, ' ')) }, uCDDBMatchCode::MATCH_NONE, "",
            { CURLE_FILESIZE_EXCEEDED } },
        { "server error", { jsonReply("{}", 500) }, uCDDBMatchCode::MATCH_NONE, "", { kErrorHttpStatus } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t next = 0;
        service.clearRequests();
        service.route("GET", "/ws/2/discid/",
            [&](const testkit::SeenRequest&) { return c.replies[std::min(next++, c.replies.size() - 1)]; });
        errors.clear();
        ui.matchChoice = 2;
        ui.shownMatches.clear();
        EXPECT_EQ(discovant.LookupMediaByToc(kToc), c.code);
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(next, c.replies.size());
        EXPECT_EQ(ui.shownMatches.size(), c.shownLines);
        EXPECT_EQ(discovant.GetAlbumName(), c.album);
        if (c.code == uCDDBMatchCode::MATCH_NONE) {
            EXPECT_EQ(discovant.GetReleaseID(), "");
            continue;
        }
        EXPECT_EQ(discovant.GetArtistName(), "Ана & Łódź Ensemble");
        EXPECT_EQ(discovant.GetAlbumYear(), "1991");
        EXPECT_EQ(discovant.GetAlbumGenre(), "rock");
        EXPECT_EQ(discovant.GetAnsweredSource(), uCDDBSource::MUSICBRAINZ);
        EXPECT_EQ(discovant.GetMediaID(), "09010802"); // the catalogue keeps the CDDB identifier
        EXPECT_EQ(discovant.GetReleaseGroupID(), "rg-" + discovant.GetReleaseID());
        EXPECT_EQ(
            discovant.GetCoverUrl(), covers.url() + "/release/" + discovant.GetReleaseID() + "/front-500");
        const testkit::SeenRequest first = service.requests().front();
        EXPECT_EQ(first.header("User-Agent"), "Melotheek/1.2.0 ( jan@example.org )");
        EXPECT_EQ(first.param("inc"), "artist-credits recordings release-groups labels");
        if (std::string(c.name) == "exact") {
            EXPECT_EQ(discovant.GetTrackName(1), "Eins");
            EXPECT_EQ(discovant.GetTrackTime(1), 131); // the service's length
            EXPECT_EQ(discovant.GetTrackTime(2), 133); // unknown there: the TOC's
        }
        if (std::string(c.name) == "several") {
            EXPECT_EQ(
                ui.shownMatches[1], "Ана & Łódź Ensemble / Other / 1991 / GB / CD / Label / 5012345678900");
        }
        if (std::string(c.name) == "503 then success") { // the second try waited as asked
            EXPECT_GE(clock.waits.back() - clock.waits[clock.waits.size() - 2], std::chrono::seconds(2));
        }
        if (std::string(c.name) == "multi-disc") {
            EXPECT_EQ(discovant.GetTrackName(2), "B2");
        }
        if (std::string(c.name) == "unknown id, fuzzy hit") {
            EXPECT_EQ(service.requests().back().param("toc"), "1 2 20000 150 10000");
        }
    }
}

TEST_F(MusicBrainzLookup, SourceChoiceAndPersistence)
{
    // MusicBrainz first, then CDDB: a disc MusicBrainz lacks comes from the CDDB server.
    cddb.serve("09010802", { "Artist", "From CDDB", "2001", { "One", "Two" } });
    service.route("GET", "/ws/2/discid/", jsonReply("{}", 404));
    discovant.setCDDBServer(cddb.address());
    discovant.setLookupSource(uCDDBSource::MUSICBRAINZ_THEN_CDDB);
    EXPECT_EQ(discovant.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(discovant.GetAlbumName(), "From CDDB");
    EXPECT_EQ(cddb.http().requests().back().header("User-Agent"), "Discovant"); // not MusicBrainz's
    EXPECT_EQ(discovant.GetAnsweredSource(), uCDDBSource::CDDB);
    EXPECT_EQ(discovant.GetCoverUrl(), "");

    MemoryPropertyStore store;
    discovant.saveProperties(store);
    Discovant restored;
    restored.restoreProperties(store);
    EXPECT_EQ(restored.LookupSource(), uCDDBSource::MUSICBRAINZ_THEN_CDDB);
    EXPECT_EQ(restored.MusicBrainzServer(), service.url());
    EXPECT_EQ(restored.CoverArtServer(), covers.url());
    // An unknown source number is refused.
    restored.setLookupSource(static_cast<uCDDBSource>(9));
    EXPECT_EQ(restored.LookupSource(), uCDDBSource::MUSICBRAINZ_THEN_CDDB);
}

TEST_F(MusicBrainzLookup, FrontCovers)
{
    const std::string jpeg = "\xFF\xD8\xFF\xE0 picture";
    covers.route("GET", "/release/ok/", [&](const testkit::SeenRequest&) {
        return testkit::Reply { 307, "", "text/plain", { { "Location", covers.url() + "/files/ok.jpg" } } };
    });
    covers.route("GET", "/files/ok.jpg", testkit::Reply { 200, jpeg, "image/jpeg" });
    covers.route("GET", "/release/html/", testkit::Reply { 200, "<html>Not here</html>", "text/html" });
    covers.route(
        "GET", "/release/huge/", testkit::Reply { 200, std::string(11 * 1024 * 1024, 'x'), "image/jpeg" });
    struct Case {
        const char* release;
        int32_t failure; // 0: the picture arrives
    };
    const Case cases[] = { { "ok", 0 }, { "none", kErrorNoCover }, { "html", kErrorNotPicture },
        { "huge", CURLE_FILESIZE_EXCEEDED } };
    HttpClient http;
    MusicBrainzClient client(http, discovant.musicBrainzOptions());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.release);
        const Answer<Cover> cover = client.frontCover(c.release);
        EXPECT_EQ(cover.failure.number, c.failure);
        EXPECT_EQ(cover ? cover.value->bytes : "", c.failure ? "" : jpeg);
        EXPECT_FALSE(failureText(cover.failure, uCDDBLang::GERMAN).empty());
    }
}

TEST_F(MusicBrainzLookup, SearchesKeepOnlyAgreeingReleasesAndBrowseAllPages)
{
    service.route("GET", "/ws/2/release", [](const testkit::SeenRequest& request) {
        EXPECT_EQ(request.param("query"),
            R"(artist:"Beyoncé" AND release:"Dangerously \"In\" Love" AND date:"2003")");
        json good = mbRelease("good", "DANGEROUSLY \"IN\" LOVE", {});
        good["artist-credit"] = json::array({ { { "name", "BEYONCE" } } });
        good["score"] = 95;
        json lowScore = good;
        lowScore["id"] = "low";
        lowScore["score"] = 89;
        json otherTitle = good;
        otherTitle["id"] = "other";
        otherTitle["title"] = "Dangerously in Love 2";
        return jsonReply(mbReleases({ lowScore, otherTitle, good }));
    });
    HttpClient http;
    MusicBrainzClient client(http, discovant.musicBrainzOptions());
    const Answer<std::vector<Release>> found
        = client.searchReleases("Beyoncé", "Dangerously \"In\" Love", "2003");
    ASSERT_TRUE(found);
    ASSERT_EQ(found.value->size(), 1U);
    EXPECT_EQ(found.value->front().id, "good");

    // 250 release groups in pages of 100.
    service.route("GET", "/ws/2/release-group", [](const testkit::SeenRequest& request) {
        EXPECT_EQ(request.param("type"), "album|ep");
        const int offset = std::stoi(request.param("offset"));
        json groups = json::array();
        for (int i = offset; i < std::min(offset + 100, 250); ++i)
            groups.push_back(
                { { "id", std::to_string(i) }, { "title", "T" }, { "first-release-date", "1999-01" } });
        return jsonReply(json { { "release-group-count", 250 }, { "release-group-offset", offset },
            { "release-groups",
                groups } }.dump());
    });
    const Answer<std::vector<ReleaseGroup>> groups = client.releaseGroups("artist-id", { "album", "ep" });
    ASSERT_TRUE(groups);
    ASSERT_EQ(groups.value->size(), 250U);
    EXPECT_EQ(groups.value->back().id, "249");
    EXPECT_EQ(groups.value->back().year, "1999");

    service.route("GET", "/ws/2/artist", jsonReply(R"({"artists": [{"id": "a", "name": "X", "score": 50},
        {"id": "b", "name": "X", "disambiguation": "the band", "score": 100}]})"));
    const Answer<std::vector<Artist>> artists = client.searchArtists("X");
    ASSERT_TRUE(artists);
    EXPECT_EQ(artists.value->front().disambiguation, "the band");
}

// Every lookup path of the component against the fake CDDB server on 127.0.0.1, and the local
// database on folders the tests write.
#include "discovant/cddb/discovant.h"
#include "discovant/cddb/protocoltexts.h"
#include "support/fakeui.h"
#include "support/sampledisc.h"
#include "testkit/certificates.h"
#include "testkit/fakeserver.h"
#include "testkit/files.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <sys/socket.h>
#include <tuple>

using namespace discovant;
using namespace std::chrono_literals;
using namespace std::string_literals;
using discovant::test::FakeUi;
using testkit::FakeCddbServer;
using testkit::readAnswer;
using testkit::Reply;
using Lines = std::vector<std::string>;

namespace {

const std::string kToc = "150 10000 20000"; // disc identifier 09010802
const std::string kHello = "&hello=jan+example.org+Melo_theek+2.0_beta&proto=6";
const std::string kQueryTarget = "/~cddb/cddb.cgi/?cmd=cddb+query+09010802+2+150+10000+266" + kHello;
const std::string kExact = "200 rock 09010802 Miles Davis / Kind of Blue\r\n";
const std::string kNoMatch = "202 No match for disc ID 09010802.\r\n";
const testkit::DiscEntry kTagoMago { "Can", "Tago Mago", "1971", { "One", "Two" } };

const std::string kEntry = "# xmcd\r\n#\r\n# Track frame offsets:\r\n#   150\r\n#   10000\r\n#\r\n"
                           "# Disc length: 266 seconds\r\n#\r\n# Revision: 3\r\n"
                           "# Submitted via: fake 1.0\r\n#\r\nDISCID=09010802\r\n"
                           "DTITLE=Miles Davis / Kind of Blue\r\nDYEAR=1959\r\nDGENRE=Jazz\r\n"
                           "TTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\n"
                           "EXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\nEXTT1=\r\nPLAYORDER=\r\n";
// What found() gives for kEntry read for kToc, behind identifier and category.
const std::string kEntryFound = "Miles Davis / Kind of Blue|3|Freddie Freeloader|2 266|131 133";

std::string readTarget(const std::string& category, const std::string& discId)
{
    return "/~cddb/cddb.cgi/?cmd=cddb+read+" + category + "+" + discId + kHello;
}

// What a lookup left in the component: identifier|category|artist / album|revision|second
// track's name|track count and disc length|the two track times.
std::string found(const Discovant& c)
{
    return c.GetMediaID() + "|" + c.GetAlbumCategory() + "|" + c.GetArtistName() + " / " + c.GetAlbumName()
        + "|" + c.GetAlbumRevision() + "|" + c.GetTrackName(2) + "|" + std::to_string(c.GetAlbumTracks())
        + " " + std::to_string(c.GetAlbumLength()) + "|" + std::to_string(c.GetTrackTime(1)) + " "
        + std::to_string(c.GetTrackTime(2));
}

// A ProtocolError event: its number and message.
using Event = std::pair<int32_t, std::string>;

// The event the component raises for its own number `number` with `detail`, in English.
Event own(int32_t number, const std::string& detail = {})
{
    return { number, protocolErrorText(number, uCDDBLang::ENGLISH, detail) };
}

class HttpLookup : public ::testing::Test {
protected:
    void SetUp() override { setUp(component); }

    void setUp(Discovant& client)
    {
        // Shared by the thread's instances: every test starts from the defaults.
        client.setCDDBLanguage(uCDDBLang::ENGLISH);
        client.setCDDBInterface(uCDDBIfc::AUTO);
        client.setCDDBServer(server.address());
        client.setEmailAddress("jan@example.org");
        client.setAppName(" Melo theek ");
        client.setAppVersion("2.0 beta");
        recordEvents(client);
    }

    void recordEvents(Discovant& target)
    {
        target.setProtocolErrorHandler([this](int32_t number, const std::string& message) {
            events.push_back({ number, message });
        });
    }

    FakeCddbServer server;
    Discovant component;
    std::vector<Event> events;
};

} // namespace

TEST_F(HttpLookup, ExactMatchIsQueriedReadAndRevisedAsTheNextRevision)
{
    server.reply("query", { 200, kExact });
    server.reply("read", { 200, readAnswer("rock", "09010802", kEntry) });
    server.reply("submit", { 200, "200 OK, submission has been sent.\r\n" });
    EXPECT_EQ(component.LookupMediaByToc("  " + kToc + " "), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(server.targets(), (Lines { kQueryTarget, readTarget("rock", "09010802") }));
    EXPECT_EQ(server.http().requests().back().header("User-Agent"), "Discovant");
    EXPECT_TRUE(events.empty());
    // The lengths come from the TOC of the lookup.
    EXPECT_EQ(found(component), "09010802|rock|" + kEntryFound);

    // Level 5 stays available for old servers; levels the parser cannot read are ignored.
    component.setCDDBProtocol(5);
    component.setCDDBProtocol(4);
    component.LookupMediaByToc(kToc);
    EXPECT_EQ(server.targets().at(2), kQueryTarget.substr(0, kQueryTarget.size() - 1) + "5");

    // Revising: only for the TOC of the last lookup.
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.ReviseMediaEntry("150 10000 20001"), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, 0);

    std::string revised = kEntry;
    revised.replace(revised.find("Miles Davis"), 11, "M. Davis");
    ui.entry = { "jazz", revised };
    EXPECT_EQ(component.ReviseMediaEntry(" " + kToc), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(ui.lastRequest.revision, 4);
    ASSERT_TRUE(ui.lastRequest.existing.has_value());
    const EntryDraft& draft = *ui.lastRequest.existing;
    EXPECT_EQ(std::tie(draft.artist, draft.category, draft.notes, draft.trackNames, draft.trackNotes),
        std::tuple("Miles Davis"s, "rock"s, "Recorded\r\nin New York"s,
            Lines { "So What", "Freddie Freeloader" }, Lines { "Modal", "" }));
    EXPECT_EQ(server.submissions().back().body, revised);
    // The track times are not computed again until the next lookup.
    EXPECT_EQ(found(component), "09010802|jazz|M. Davis / Kind of Blue|3|Freddie Freeloader|2 266|0 0");

    // Not allowed: nothing happens.
    component.setAllowSubmission(false);
    EXPECT_EQ(component.ReviseMediaEntry(kToc), uCDDBMatchCode::MATCH_NONE);
}

TEST_F(HttpLookup, SeveralMatchesTakeTheFirstOrTheOneTheUserChooses)
{
    server.reply("query",
        { 200,
            "210 Found exact matches, list follows (until terminating `.')\r\n"
            "rock 09010802 Miles Davis / Kind of Blue\r\n"
            "jazz 0a010803 Miles Davis / Kind of Blue (Legacy)\r\n.\r\n" });
    server.reply("read", { 200, readAnswer("any", "any", kEntry) });

    // UseFirstMatch (the default): no window even when there is one.
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_TRUE(ui.shownMatches.empty());
    EXPECT_EQ(server.targets().back(), readTarget("rock", "09010802"));

    // The user picks the second line: its category and identifier are read.
    component.setUseFirstMatch(false);
    ui.matchChoice = 2;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(ui.shownMatches.size(), 2u);
    EXPECT_TRUE(ui.offeredSubmit);
    EXPECT_EQ(server.targets().back(), readTarget("jazz", "0a010803"));
    EXPECT_EQ(found(component), "0a010803|jazz|" + kEntryFound);

    // Without submission the chooser offers no submit button; "none" reads nothing.
    component.setAllowSubmission(false);
    ui.matchChoice = 0;
    const size_t requests = server.targets().size();
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_FALSE(ui.offeredSubmit);
    EXPECT_EQ(server.targets().size(), requests + 1); // the query only
    EXPECT_EQ(ui.submitCalls, 0);
}

// The one place where the header lines of a submission are checked: as the server gets them.
TEST_F(HttpLookup, NoMatchOffersSubmissionAndTakesOverAnAcceptedEntry)
{
    server.reply("query", { 200, kNoMatch });
    server.reply("submit", { 200, "200 OK, submission has been sent.\r\n" });

    // No windows: no match, no read, no submission.
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(server.targets(), Lines { kQueryTarget });

    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE); // user cancels
    EXPECT_EQ(ui.submitCalls, 1);
    const SubmissionRequest& asked = ui.lastRequest;
    EXPECT_EQ(std::tie(asked.toc, asked.discId, asked.submittedVia, asked.revision),
        std::tuple(kToc, "09010802"s, "Melo_theek 2.0_beta"s, int16_t(0)));
    EXPECT_FALSE(asked.existing.has_value());
    EXPECT_TRUE(server.submissions().empty());

    // A value with a line break cannot add header lines of its own.
    ui.entry = { "jazz\r\nX-Injected: yes", kEntry };
    for (const uCDDBMode mode : { uCDDBMode::TEST, uCDDBMode::SUBMIT }) {
        component.setCDDBMode(mode);
        EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
        ASSERT_FALSE(server.submissions().empty());
        const testkit::SeenRequest post = server.submissions().back();
        EXPECT_EQ(post.path, "/~cddb/submit.cgi");
        std::map<std::string, std::string> headers;
        for (const char* name : { "Category", "Discid", "User-Email", "Submit-Mode", "Charset",
                 "X-Cddbd-Note", "Content-Length", "Content-Type", "X-Injected" })
            headers[name] = post.header(name);
        EXPECT_EQ(headers,
            (std::map<std::string, std::string> { { "Category", "jazz" }, { "Discid", "09010802" },
                { "User-Email", "jan@example.org" },
                { "Submit-Mode", mode == uCDDBMode::TEST ? "test" : "submit" }, { "Charset", "UTF-8" },
                { "X-Cddbd-Note", "Discovant " + Discovant::componentVersion() },
                { "Content-Length", std::to_string(kEntry.size()) }, { "Content-Type", "" },
                { "X-Injected", "" } }));
        EXPECT_EQ(post.body, kEntry);
    }
    EXPECT_EQ(server.submissions().size(), 2u);
    EXPECT_EQ(found(component).substr(found(component).find("|Miles")), "|" + kEntryFound);
    EXPECT_TRUE(events.empty());

    // The submission program refuses the entry, in CDDB or in HTTP: nothing is taken over,
    // and the user reads why.
    for (const auto& [refusal, event] :
        { std::pair(Reply { 200, "501 Entry rejected: invalid DTITLE.\r\n" },
              own(kErrorServerRefused, "501 Entry rejected: invalid DTITLE.")),
            std::pair(Reply { 403, "" }, own(kErrorHttpStatus, "403")) }) {
        events.clear();
        server.reply("submit", refusal);
        EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
        EXPECT_EQ(component.GetArtistName(), "");
        EXPECT_EQ(events, std::vector<Event> { event });
    }

    // No submission allowed: the editor is not opened.
    component.setAllowSubmission(false);
    const int calls = ui.submitCalls;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, calls);
}

TEST_F(HttpLookup, EveryRefusalIsReportedInWordsAndNoMatchStaysQuiet)
{
    struct Case {
        const char* what;
        Reply query;
        Reply read;
        std::vector<Event> events;
    };
    const Reply entry { 200, readAnswer("rock", "09010802", kEntry) };
    const Case cases[] = {
        { "no match", { 200, kNoMatch }, entry, {} },
        { "an HTTP error page, whatever it says", { 500, "200 rock 09010802 not to be believed\r\n" }, entry,
            { own(kErrorHttpStatus, "500") } },
        { "a ban page", { 200, "<!DOCTYPE html><html><body>Banned</body></html>", "text/html" }, entry,
            { own(kErrorNotCddb) } },
        { "an unregistered program", { 200, "500 Unknown developer email\r\n" }, entry,
            { own(kErrorServerRefused, "500 Unknown developer email") } },
        { "a list cut off", { 200, "211 inexact\r\nrock 09010802 T\r\n" }, entry,
            { own(kErrorIncompleteAnswer) } },
        { "an entry that is not there", { 200, kExact }, { 200, "401 rock 09010802 No such CD entry.\r\n" },
            { own(kErrorServerRefused, "401 rock 09010802 No such CD entry.") } },
        { "an entry cut off", { 200, kExact }, { 200, "210 rock 09010802 entry\r\nDTITLE=A / B\r\n" },
            { own(kErrorIncompleteAnswer) } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        server.reply("query", c.query);
        server.reply("read", c.read);
        EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
        EXPECT_EQ(component.GetArtistName(), "");
        EXPECT_EQ(events, c.events);
    }
    // A read that fails leaves the category and identifier of the match.
    EXPECT_EQ(component.GetAlbumCategory(), "rock");
    EXPECT_EQ(component.GetMediaID(), "09010802");
}

TEST_F(HttpLookup, TransportFailuresRaiseProtocolErrorAndNeverHang)
{
    const HttpLimits limits { .totalTimeout = 500ms, .maxBodyBytes = 1000 };
    const std::string huge = "210 list\r\n" + std::string(5000, 'x') + "\r\n.\r\n";
    // A port nobody listens on any more.
    std::string closedPort;
    {
        testkit::RawServer gone("");
        closedPort = gone.address();
    }
    testkit::RawServer closing(""); // closes without a word
    testkit::RawServer halfBody("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n210 rock 09010802 x\r\n");
    testkit::RawServer endlessInterim([](int socket) {
        const std::string interim = "HTTP/1.1 100 Continue\r\n\r\n";
        while (::send(socket, interim.data(), interim.size(), MSG_NOSIGNAL) > 0) { }
    });
    testkit::RawServer silent("", true); // takes the request, never answers
    testkit::FakeServer looping;
    looping.route("GET", "/", [&looping](const testkit::SeenRequest& request) {
        return Reply { 302, "", "text/plain", { { "Location", looping.url() + request.target } } };
    });

    // Declared after the servers: its open connections close before they stop.
    Discovant client;
    setUp(client);
    client.setHttpLimits(limits);

    struct Case {
        const char* what;
        std::string server;
        Reply query;
        int32_t number;
    };
    const Case cases[] = {
        { "connection refused", closedPort, {}, 7 },
        { "closed without a word", closing.address(), {}, 52 },
        { "body stopping half-way", halfBody.address(), {}, 18 },
        { "endless interim answers", endlessInterim.address(), {}, 63 }, // the header cap
        { "no answer in time", silent.address(), {}, 28 },
        { "redirect loop", looping.address(), {}, 47 },
        { "announced body above the cap", server.address(), { .body = huge }, 63 },
        { "streamed body above the cap", server.address(), { .body = huge, .chunked = true }, 63 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        client.setCDDBServer(c.server);
        server.reply("query", c.query);
        EXPECT_EQ(client.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].first, c.number);
        EXPECT_EQ(events[0].second.rfind(client.ErrDesc(c.number), 0), 0u) << events[0].second;
    }

    // A body just under the cap is taken.
    client.setCDDBServer(server.address());
    server.reply("query", { 200, "200 rock 09010802 " + std::string(900, 'y') });
    server.reply("read", { 200, readAnswer("rock", "09010802", kEntry) });
    EXPECT_EQ(client.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
}

TEST_F(HttpLookup, HttpsServersAreVerifiedAgainstTheTrustedAuthorities)
{
    testkit::TempFolder folder;
    const testkit::TestCertificates certificates = testkit::makeTestCertificates(folder.path());
    FakeCddbServer secure(certificates.localhost);
    FakeCddbServer misnamed(certificates.otherName);
    secure.serve("09010802", kTagoMago);
    misnamed.serve("09010802", kTagoMago);
    Discovant client; // after the servers: its open connections close before they stop
    setUp(client);

    // Trusted through the CA file the user hands over: the lookup runs over TLS.
    client.setCDDBServer("https://" + secure.address());
    client.setCDDBCAFile(certificates.authority.string());
    EXPECT_EQ(client.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(client.GetAlbumName(), "Tago Mago");
    EXPECT_TRUE(events.empty());

    // A certificate the system's store does not know, one for another name, and a CA file
    // that is not there: each is refused with its reason, and no query reaches a server.
    struct Case {
        std::string server;
        std::string caFile;
        int32_t number;
        std::string detail;
    };
    const Case refusals[] = {
        { secure.address(), "", 60, "unable to get local issuer certificate" },
        { misnamed.address(), certificates.authority.string(), 60, "'127.0.0.1'" },
        { secure.address(), (folder.path() / "missing.pem").string(), 77, "missing.pem" },
    };
    for (const Case& c : refusals) {
        events.clear();
        client.setCDDBServer("https://" + c.server);
        client.setCDDBCAFile(c.caFile);
        EXPECT_EQ(client.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE) << c.server;
        ASSERT_EQ(events.size(), 1u) << c.server;
        EXPECT_EQ(events[0].first, c.number);
        EXPECT_EQ(events[0].second.rfind(client.ErrDesc(c.number), 0), 0u) << events[0].second;
        EXPECT_NE(events[0].second.find(c.detail), std::string::npos) << events[0].second;
    }
    EXPECT_EQ(secure.targets().size(), 2u); // the query and read of the trusted lookup
    EXPECT_TRUE(misnamed.targets().empty());

    // A value that names no server is said so, and nothing is sent.
    events.clear();
    client.setCDDBServer("https://https://" + server.address());
    EXPECT_EQ(client.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(
        events, std::vector<Event> { own(kErrorBadServerAddress, "https://https://" + server.address()) });
    EXPECT_TRUE(server.targets().empty());
}

TEST_F(HttpLookup, OnAWorkerThreadTheCallersSettingsHoldAndCancelStopsPromptly)
{
    // The caller's thread holds the shared settings; the worker gets them through a snapshot.
    component.setCDDBLanguage(uCDDBLang::GERMAN);
    component.setCDDBInterface(uCDDBIfc::MCI);
    const DiscovantSettings settings = component.settings();
    std::mutex mutex;
    std::vector<uCDDBStep> steps;
    component.setProgressHandler([&](const LookupProgress& progress) {
        std::lock_guard lock(mutex);
        steps.push_back(progress.step);
    });
    // The server takes the query and then says nothing; without Cancel the lookup would wait
    // for the 30-second time-out.
    std::promise<void> queried;
    std::once_flag once;
    server.http().route("GET", "/~cddb/cddb.cgi", [&](const testkit::SeenRequest&) {
        std::call_once(once, [&] { queried.set_value(); });
        return Reply { .hang = true };
    });
    testkit::TempFolder folder;
    const std::string cue = discovant::test::writeSampleDisc(folder.path());

    auto work = std::async(std::launch::async, [&] {
        component.applySettings(settings);
        // The interface the caller chose: the kernel-ioctl reader, which reads no image.
        const std::string toc = component.GetMediaTOC(cue);
        return std::pair(toc, component.LookupMediaByToc(kToc));
    });
    ASSERT_EQ(queried.get_future().wait_for(10s), std::future_status::ready);
    component.cancel();
    ASSERT_EQ(work.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(work.get(), std::pair(""s, uCDDBMatchCode::MATCH_NONE));
    EXPECT_EQ(events,
        (std::vector<Event> { { kErrorCancelled, protocolErrorText(kErrorCancelled, uCDDBLang::GERMAN) } }));
    {
        std::lock_guard lock(mutex);
        EXPECT_NE(std::find(steps.begin(), steps.end(), uCDDBStep::QUERY), steps.end());
    }

    // The request holds until it is cleared: drive reads and lookups stop before they start.
    component.setCDDBInterface(uCDDBIfc::AUTO);
    EXPECT_EQ(component.GetMediaTOC(cue), "");
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(events.size(), 3u);
    EXPECT_EQ(server.http().requests().size(), 1u);
    component.clearCancel();
    EXPECT_EQ(component.GetMediaTOC(cue), discovant::test::kSampleDiscToc);
}

TEST_F(HttpLookup, SitesListsHttpMirrorsAndTheChosenOneIsAskedNext)
{
    // The mirror lives on another port and path; it closes every connection after answering.
    testkit::FakeServer mirror;
    mirror.route("", "/", Reply { 200, "202 No match.\r\n", "text/plain", { { "Connection", "close" } } });
    const std::string mirrorLine = "127.0.0.1 http " + std::to_string(mirror.port())
        + " /mirror/cddb.cgi N052.22 E004.53 Mirror in the Netherlands";
    server.reply("sites",
        { 200,
            "210 OK, site information follows (until terminating `.')\r\n"
            "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\r\n"
            "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Main site\r\n"
                + mirrorLine + "\r\n.\r\n" });
    EXPECT_EQ(component.GetServerSites(), 2);
    EXPECT_EQ(server.targets().back(), "/~cddb/cddb.cgi/?cmd=sites+" + kHello);
    EXPECT_EQ(component.GetServer(2), mirrorLine);

    // A site by its number needs no window; 0 asks the user, in the component's language and
    // at its place.
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.GetServer(1).substr(0, 15), "gnudb.gnudb.org");
    EXPECT_TRUE(ui.shownServers.empty());
    EXPECT_EQ(component.CDDBServer(), server.address());
    ui.serverChoice = 2;
    component.setPopUpLocTop(120);
    component.setPopUpLocLeft(340);
    component.setCDDBLanguage(uCDDBLang::GERMAN);
    const std::string mirrorAddress = "http://" + mirror.address() + "/mirror/cddb.cgi";
    EXPECT_EQ(component.GetServer(0), mirrorAddress);
    EXPECT_EQ(std::tie(ui.lastPopUp.language, ui.lastPopUp.top, ui.lastPopUp.left),
        std::tuple(uCDDBLang::GERMAN, 120, 340));
    EXPECT_EQ(ui.shownServers.size(), 2u);
    // The chosen site is the server from now on: host, port and path.
    EXPECT_EQ(component.CDDBServer(), mirrorAddress);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(mirror.requests().size(), 1u);
    EXPECT_EQ(mirror.requests()[0].path, "/mirror/cddb.cgi/");
    ui.serverChoice = 0;
    EXPECT_EQ(component.GetServer(3), "");
    EXPECT_EQ(component.CDDBServer(), mirrorAddress);
    EXPECT_TRUE(events.empty());

    // A refusal empties the list and says why.
    component.setCDDBServer(server.address());
    server.reply("sites", { 200, "401 No site information available.\r\n" });
    EXPECT_EQ(component.GetServerSites(), 0);
    EXPECT_EQ(component.GetServer(1), "");
    const std::string refusal = "401 No site information available.";
    const Event refused { kErrorServerRefused,
        protocolErrorText(kErrorServerRefused, uCDDBLang::GERMAN, refusal) };
    EXPECT_EQ(events, std::vector<Event> { refused });
}

TEST_F(HttpLookup, LocalDatabaseAnswersWithoutTheServer)
{
    testkit::TempFolder folder;
    const std::string path = folder.path().string();
    testkit::writeLocalDatabaseEntry(path, "rock", "09010802", kTagoMago);
    component.setQueryLocalDatabase(true);
    component.setCDDBFilePath(path);
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(found(component), "09010802|rock|Can / Tago Mago|1|Two|2 266|131 133");

    // In two categories: the chooser is offered (without submit) in search order.
    testkit::DiscEntry jazz = kTagoMago;
    jazz.album = "Jazz Mago";
    testkit::writeLocalDatabaseEntry(path, "jazz", "09010802", jazz);
    component.setUseFirstMatch(false);
    ui.matchChoice = 2;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(ui.shownMatches, (Lines { "Can / Jazz Mago", "Can / Tago Mago" }));
    EXPECT_FALSE(ui.offeredSubmit);
    EXPECT_EQ(component.GetAlbumCategory() + " " + component.GetAlbumName(), "rock Tago Mago");

    // Not in the database: no match and no submission offer.
    EXPECT_EQ(component.LookupMediaByToc("150 20000 30000"), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, 0);
    EXPECT_TRUE(events.empty());

    // Revising with an address the server cannot use opens no editor and keeps the entry.
    component.LookupMediaByToc(kToc);
    component.setEmailAddress("@example.org");
    ui.entry = { "rock", kEntry };
    EXPECT_EQ(component.ReviseMediaEntry(kToc), uCDDBMatchCode::MATCH_MULTIPLE); // as last found
    EXPECT_EQ(ui.submitCalls, 0);
    EXPECT_EQ(events, std::vector<Event> { own(kErrorMissingEmail) });
    EXPECT_EQ(component.GetAlbumName(), "Tago Mago");
    EXPECT_TRUE(server.http().requests().empty());
}

TEST_F(HttpLookup, SubmissionEditorReadsTheCdTextOfTheCurrentDrive)
{
    testkit::TempFolder folder;
    const std::string toc = component.GetMediaTOC(discovant::test::writeSampleDisc(folder.path()));
    ASSERT_EQ(toc, discovant::test::kSampleDiscToc);

    server.reply("query", { 200, "202 No match for disc ID 02000402.\r\n" });
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(toc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(ui.submitCalls, 1);
    ASSERT_TRUE(ui.lastRequest.readCdText);
    EXPECT_EQ(ui.lastRequest.readCdText(), discovant::test::kSampleDiscCdText);
    // Called from another thread (the editor's), it reads the same drive the same way.
    EXPECT_EQ(
        std::async(std::launch::async, ui.lastRequest.readCdText).get(), discovant::test::kSampleDiscCdText);

    // The kernel-ioctl interface has no CD-Text to offer.
    component.setCDDBInterface(uCDDBIfc::MCI);
    EXPECT_EQ(component.LookupMediaByToc(toc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.lastRequest.readCdText(), std::nullopt);
}

// Every lookup path of the component against an in-process CDDB server on 127.0.0.1, and the
// local database on folders the tests write.
#include "discovant/cddb/discovant.h"

#include <arpa/inet.h>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <httplib.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace discovant;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const std::string kToc = "150 10000 20000"; // disc identifier 09010802
const std::string kHello = "&hello=jan+example.org+Melo_theek+2.0_beta&proto=5";
const std::string kQueryTarget = "/~cddb/cddb.cgi/?cmd=cddb+query+09010802+2+150+10000+266" + kHello;

const std::string kEntry = "# xmcd\r\n#\r\n# Track frame offsets:\r\n#   150\r\n#   10000\r\n#\r\n"
                           "# Disc length: 266 seconds\r\n#\r\n# Revision: 3\r\n"
                           "# Submitted via: fake 1.0\r\n#\r\nDISCID=09010802\r\n"
                           "DTITLE=Miles Davis / Kind of Blue\r\nDYEAR=1959\r\nDGENRE=Jazz\r\n"
                           "TTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\n"
                           "EXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\nEXTT1=\r\nPLAYORDER=\r\n";

std::string readAnswer(
    const std::string& category, const std::string& discId, const std::string& entry = kEntry)
{
    return "210 " + category + " " + discId + " CD database entry follows (until terminating `.')\r\n" + entry
        + ".\r\n";
}

// What the fake server sends for one command.
struct Reply {
    int status = 200;
    std::string body;
    std::string contentType = "text/plain";
    bool chunked = false; // no Content-Length: the body arrives in pieces
    bool hang = false; // never answer (until the server goes)
};

// A CDDB server on a free port of 127.0.0.1. Replies are set per command ("query", "read",
// "sites", "submit"); every request target and submission is recorded.
class FakeCddbServer {
public:
    FakeCddbServer()
    {
        server_.Get("/~cddb/cddb.cgi/", [this](const httplib::Request& request, httplib::Response& response) {
            const std::string cmd = request.get_param_value("cmd");
            const std::string command = cmd.rfind("cddb query", 0) == 0 ? "query"
                : cmd.rfind("cddb read", 0) == 0                        ? "read"
                : cmd.rfind("sites", 0) == 0                            ? "sites"
                                                                        : cmd;
            record(request);
            respond(command, response);
        });
        server_.Post(
            "/~cddb/submit.cgi", [this](const httplib::Request& request, httplib::Response& response) {
                record(request);
                {
                    std::lock_guard lock(mutex_);
                    submissions_.push_back(request);
                }
                respond("submit", response);
            });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() only ends a server that is already running; a test that sends nothing
        // would otherwise leave the accept loop waiting forever.
        while (!server_.is_running())
            std::this_thread::sleep_for(1ms);
    }

    ~FakeCddbServer()
    {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        released_.notify_all();
        server_.stop();
        thread_.join();
    }

    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

    void reply(const std::string& command, Reply reply)
    {
        std::lock_guard lock(mutex_);
        replies_[command] = std::move(reply);
    }

    std::vector<std::string> targets() const
    {
        std::lock_guard lock(mutex_);
        return targets_;
    }
    std::vector<httplib::Request> submissions() const
    {
        std::lock_guard lock(mutex_);
        return submissions_;
    }
    std::string lastUserAgent() const
    {
        std::lock_guard lock(mutex_);
        return userAgent_;
    }

private:
    void record(const httplib::Request& request)
    {
        std::lock_guard lock(mutex_);
        targets_.push_back(request.target);
        userAgent_ = request.get_header_value("User-Agent");
    }

    void respond(const std::string& command, httplib::Response& response)
    {
        std::unique_lock lock(mutex_);
        const auto found = replies_.find(command);
        const Reply reply
            = found == replies_.end() ? Reply { 500, "no reply set", "text/plain" } : found->second;
        if (reply.hang) {
            released_.wait_for(lock, 10s, [this] { return closing_; });
            return;
        }
        lock.unlock();
        response.status = reply.status;
        if (!reply.chunked) {
            response.set_content(reply.body, reply.contentType.c_str());
            return;
        }
        auto body = std::make_shared<std::string>(reply.body);
        response.set_chunked_content_provider(
            reply.contentType, [body](size_t offset, httplib::DataSink& sink) {
                if (offset >= body->size()) {
                    sink.done();
                    return true;
                }
                const size_t piece = std::min<size_t>(4096, body->size() - offset);
                return sink.write(body->data() + offset, piece);
            });
    }

    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable released_;
    bool closing_ = false;
    std::map<std::string, Reply> replies_;
    std::vector<std::string> targets_;
    std::vector<httplib::Request> submissions_;
    std::string userAgent_;
};

// A server that accepts one connection, reads the request and closes without a word.
class ClosingServer {
public:
    ClosingServer()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::listen(fd_, 1) != 0
            || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] {
            const int connection = ::accept(fd_, nullptr, nullptr);
            if (connection < 0)
                return;
            char buffer[4096];
            (void)::recv(connection, buffer, sizeof buffer, 0);
            ::close(connection);
        });
    }
    ~ClosingServer()
    {
        ::shutdown(fd_, SHUT_RDWR); // wakes accept if no client came
        thread_.join();
        ::close(fd_);
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
};

// The windows, answering as a user would.
struct FakeUi : LookupUi {
    int matchChoice = 1;
    int serverChoice = 1;
    bool submits = false;
    SubmittedEntry entry;

    int matchCalls = 0;
    int serverCalls = 0;
    int submitCalls = 0;
    std::vector<std::string> shownMatches;
    std::vector<std::string> shownServers;
    bool offeredSubmit = false;
    SubmissionRequest lastRequest;
    PopUpSettings lastPopUp;

    int chooseMatch(const std::vector<std::string>& lines, bool offerSubmit, const PopUpSettings&) override
    {
        ++matchCalls;
        shownMatches = lines;
        offeredSubmit = offerSubmit;
        return matchChoice;
    }
    int chooseServer(const std::vector<std::string>& lines, const PopUpSettings& popUp) override
    {
        lastPopUp = popUp;
        ++serverCalls;
        shownServers = lines;
        return serverChoice;
    }
    bool submitNewEntry(
        const SubmissionRequest& request, const PopUpSettings&, SubmittedEntry& submitted) override
    {
        ++submitCalls;
        lastRequest = request;
        if (submits)
            submitted = entry;
        return submits;
    }
};

struct Event {
    int32_t number;
    std::string message;
};

class HttpLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Requests take proxies from the environment; the fake server is always reached
        // directly.
        ::setenv("no_proxy", "127.0.0.1", 1);
        ::setenv("NO_PROXY", "127.0.0.1", 1);
        component.setCDDBServer(server.address());
        component.setEmailAddress("jan@example.org");
        component.setAppName(" Melo theek ");
        component.setAppVersion("2.0 beta");
        recordEvents(component);
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

TEST_F(HttpLookup, ExactMatchIsQueriedThenReadIntoTheEntry)
{
    server.reply("query", { 200, "200 rock 09010802 Miles Davis / Kind of Blue\r\n" });
    server.reply("read", { 200, readAnswer("rock", "09010802") });
    EXPECT_EQ(component.LookupMediaByToc("  " + kToc + " "), uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(server.targets(),
        (std::vector<std::string> { kQueryTarget, "/~cddb/cddb.cgi/?cmd=cddb+read+rock+09010802" + kHello }));
    EXPECT_EQ(server.lastUserAgent(), "Discovant");
    EXPECT_TRUE(events.empty());

    EXPECT_EQ(component.GetMediaID(), "09010802");
    EXPECT_EQ(component.GetAlbumCategory(), "rock");
    EXPECT_EQ(component.GetArtistName(), "Miles Davis");
    EXPECT_EQ(component.GetAlbumName(), "Kind of Blue");
    EXPECT_EQ(component.GetAlbumYear(), "1959");
    EXPECT_EQ(component.GetAlbumGenre(), "Jazz");
    EXPECT_EQ(component.GetAlbumRevision(), "3");
    EXPECT_EQ(component.GetAlbumNotes(), "Recorded\r\nin New York");
    EXPECT_EQ(component.GetAlbumLength(), 266);
    EXPECT_EQ(component.GetAlbumTracks(), 2);
    EXPECT_EQ(component.GetTrackName(2), "Freddie Freeloader");
    EXPECT_EQ(component.GetTrackTime(1), 131);
    EXPECT_EQ(component.GetTrackTime(2), 133);
    EXPECT_EQ(component.GetTrackNotes(1), "Modal");
}

TEST_F(HttpLookup, SeveralMatchesTakeTheFirstOrTheOneTheUserChooses)
{
    const std::string several = "210 Found exact matches, list follows (until terminating `.')\r\n"
                                "rock 09010802 Miles Davis / Kind of Blue\r\n"
                                "jazz 0a010803 Miles Davis / Kind of Blue (Legacy)\r\n.\r\n";
    server.reply("query", { 200, several });
    server.reply("read", { 200, readAnswer("any", "any") });

    // UseFirstMatch (the default): no window even when there is one.
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(ui.matchCalls, 0);
    EXPECT_EQ(server.targets().back(), "/~cddb/cddb.cgi/?cmd=cddb+read+rock+09010802" + kHello);

    // The user picks the second line: its category and identifier are read.
    component.setUseFirstMatch(false);
    ui.matchChoice = 2;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(ui.shownMatches,
        (std::vector<std::string> { "Miles Davis / Kind of Blue", "Miles Davis / Kind of Blue (Legacy)" }));
    EXPECT_TRUE(ui.offeredSubmit);
    EXPECT_EQ(server.targets().back(), "/~cddb/cddb.cgi/?cmd=cddb+read+jazz+0a010803" + kHello);
    EXPECT_EQ(component.GetMediaID(), "0a010803");
    EXPECT_EQ(component.GetAlbumCategory(), "jazz");
    EXPECT_EQ(component.GetArtistName(), "Miles Davis");

    // Without submission the chooser offers no submit button; "none" reads nothing.
    component.setAllowSubmission(false);
    ui.matchChoice = 0;
    const size_t requests = server.targets().size();
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_FALSE(ui.offeredSubmit);
    EXPECT_EQ(server.targets().size(), requests + 1); // the query only
    EXPECT_EQ(ui.submitCalls, 0);

    // An inexact match (bare LF line ends) is read like several.
    component.setUseFirstMatch(true);
    server.reply("query",
        { 200, "211 Found inexact matches, list follows (until terminating `.')\nmisc 09010899 S / T\n.\n" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(server.targets().back(), "/~cddb/cddb.cgi/?cmd=cddb+read+misc+09010899" + kHello);
}

TEST_F(HttpLookup, NoMatchOffersSubmissionAndTakesOverAnAcceptedEntry)
{
    server.reply("query", { 200, "202 No match for disc ID 09010802.\r\n" });
    server.reply("submit", { 200, "200 OK, submission has been sent.\r\n" });

    // No windows: no match, no read, no submission.
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(server.targets(), std::vector<std::string> { kQueryTarget });

    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE); // user cancels
    EXPECT_EQ(ui.submitCalls, 1);
    EXPECT_EQ(ui.lastRequest.toc, kToc);
    EXPECT_EQ(ui.lastRequest.discId, "09010802");
    EXPECT_EQ(ui.lastRequest.submittedVia, "Melo_theek 2.0_beta");
    EXPECT_EQ(ui.lastRequest.revision, 0);
    EXPECT_FALSE(ui.lastRequest.existing.has_value());
    EXPECT_TRUE(server.submissions().empty());

    ui.submits = true;
    ui.entry = { "jazz", kEntry };
    component.setCDDBMode(uCDDBMode::SUBMIT);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);
    ASSERT_EQ(server.submissions().size(), 1u);
    const httplib::Request post = server.submissions().front();
    EXPECT_EQ(post.get_header_value("Category"), "jazz");
    EXPECT_EQ(post.get_header_value("Discid"), "09010802");
    EXPECT_EQ(post.get_header_value("User-Email"), "jan@example.org");
    EXPECT_EQ(post.get_header_value("Submit-Mode"), "submit");
    EXPECT_EQ(post.get_header_value("X-Cddbd-Note"), "Discovant " + Discovant::componentVersion());
    EXPECT_EQ(post.get_header_value("Content-Length"), std::to_string(kEntry.size()));
    EXPECT_EQ(post.body, kEntry);
    EXPECT_FALSE(post.has_header("Content-Type"));
    EXPECT_EQ(component.GetAlbumCategory(), "jazz");
    EXPECT_EQ(component.GetArtistName(), "Miles Davis");
    EXPECT_EQ(component.GetTrackTime(2), 133);

    // The submission program refuses the entry: nothing is taken over.
    server.reply("submit", { 200, "501 Entry rejected: invalid DTITLE.\r\n" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(component.GetArtistName(), "");
    EXPECT_TRUE(events.empty());

    // No submission allowed: the editor is not opened.
    component.setAllowSubmission(false);
    const int calls = ui.submitCalls;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, calls);
}

TEST_F(HttpLookup, ReviseMediaEntrySubmitsTheNextRevision)
{
    server.reply("query", { 200, "200 rock 09010802 Miles Davis / Kind of Blue\r\n" });
    server.reply("read", { 200, readAnswer("rock", "09010802") });
    server.reply("submit", { 200, "200 OK, submission has been sent.\r\n" });
    FakeUi ui;
    component.setLookupUi(&ui);
    ASSERT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);

    // Only for the TOC of the last lookup.
    EXPECT_EQ(component.ReviseMediaEntry("150 10000 20001"), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, 0);

    ui.submits = true;
    std::string revised = kEntry;
    revised.replace(revised.find("Miles Davis"), 11, "M. Davis");
    ui.entry = { "jazz", revised };
    EXPECT_EQ(component.ReviseMediaEntry(" " + kToc), uCDDBMatchCode::MATCH_EXACT);
    ASSERT_TRUE(ui.lastRequest.existing.has_value());
    const EntryDraft& draft = *ui.lastRequest.existing;
    EXPECT_EQ(ui.lastRequest.revision, 4);
    EXPECT_EQ(draft.artist, "Miles Davis");
    EXPECT_EQ(draft.category, "rock");
    EXPECT_EQ(draft.notes, "Recorded\r\nin New York");
    EXPECT_EQ(draft.trackNames, (std::vector<std::string> { "So What", "Freddie Freeloader" }));
    EXPECT_EQ(draft.trackNotes, (std::vector<std::string> { "Modal", "" }));

    EXPECT_EQ(component.GetArtistName(), "M. Davis");
    EXPECT_EQ(component.GetAlbumCategory(), "jazz");
    EXPECT_EQ(component.GetMediaID(), "09010802");
    EXPECT_EQ(component.GetAlbumTracks(), 2);
    EXPECT_EQ(component.GetTrackTime(1), 0); // not computed again until the next lookup

    // Not allowed: nothing happens.
    component.setAllowSubmission(false);
    EXPECT_EQ(component.ReviseMediaEntry(kToc), uCDDBMatchCode::MATCH_NONE);
}

TEST_F(HttpLookup, ServerErrorsAndStrangePagesEndQuietlyWithNoMatch)
{
    // An HTTP error page is no answer, whatever its text says.
    server.reply("query", { 500, "200 rock 09010802 not to be believed\r\n" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    server.reply("query", { 200, "<!DOCTYPE html><html><body>Maintenance</body></html>", "text/html" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    server.reply("query", { 200, "500 Command syntax error.\r\n" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(server.targets().size(), 3u); // never a read
    EXPECT_TRUE(events.empty());

    // The read fails: category and identifier stay, but there is no match.
    server.reply("query", { 200, "210 list\r\nfolk 0a0b0c0d T\r\n.\r\n" });
    server.reply("read", { 200, "401 folk 0a0b0c0d No such CD entry in database.\r\n" });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(component.GetAlbumCategory(), "folk");
    EXPECT_EQ(component.GetMediaID(), "0a0b0c0d");
    EXPECT_EQ(component.GetArtistName(), "");
}

TEST_F(HttpLookup, TransportFailuresRaiseProtocolError)
{
    // A closed connection.
    {
        ClosingServer closing;
        component.setCDDBServer(closing.address());
        EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    }
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].number, 52);
    EXPECT_EQ(events[0].message, component.ErrDesc(52));

    // A body above the cap, announced or not, is refused.
    component.setCDDBServer(server.address());
    HttpLimits limits;
    limits.maxBodyBytes = 1000;
    component.setHttpLimits(limits);
    const std::string huge = "210 list\r\n" + std::string(5000, 'x') + "\r\n.\r\n";
    server.reply("query", { 200, huge });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    server.reply("query", { 200, huge, "text/plain", true });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].number, 63);
    EXPECT_EQ(events[2].number, 63);
    EXPECT_EQ(events[2].message, "Maximum file size exceeded");

    // A body just under the cap is taken.
    server.reply("query", { 200, "200 rock 09010802 " + std::string(900, 'y') });
    server.reply("read", { 200, readAnswer("rock", "09010802") });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);

    // A server that never answers runs into the total time-out.
    limits.totalTimeout = 300ms;
    component.setHttpLimits(limits);
    server.reply("query", { 200, "", "text/plain", false, true });
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[3].number, 28);
    EXPECT_EQ(events[3].message, "Timeout was reached");
}

TEST_F(HttpLookup, MissingEmailSendsNothing)
{
    Discovant fresh;
    fresh.setCDDBServer(server.address());
    fresh.setCDDBLanguage(uCDDBLang::GERMAN);
    recordEvents(fresh);
    fresh.setEmailAddress("not an address");
    EXPECT_EQ(fresh.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(fresh.GetServerSites(), 0);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].number, 8880);
    EXPECT_EQ(events[0].message, "E-Mail-Adresse fehlt oder ist falsch");
    EXPECT_TRUE(server.targets().empty());
}

TEST_F(HttpLookup, SitesListsHttpMirrorsAndLetsTheUserChoose)
{
    server.reply("sites",
        { 200,
            "210 OK, site information follows (until terminating `.')\r\n"
            "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Main site\r\n"
            "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Main site\r\n"
            "mirror.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 "
            "Mirror in the Netherlands\r\n.\r\n" });
    EXPECT_EQ(component.GetServerSites(), 2);
    EXPECT_EQ(server.targets().back(), "/~cddb/cddb.cgi/?cmd=sites+" + kHello);
    EXPECT_EQ(component.GetServer(2),
        "mirror.example.org http 8080 /~cddb/cddb.cgi N052.22 E004.53 Mirror in the Netherlands");

    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.GetServer(1).substr(0, 15), "gnudb.gnudb.org");
    EXPECT_EQ(ui.serverCalls, 0);
    ui.serverChoice = 2;
    component.setPopUpLocTop(120);
    component.setPopUpLocLeft(340);
    component.setCDDBLanguage(uCDDBLang::GERMAN);
    EXPECT_EQ(component.GetServer(0), "mirror.example.org");
    EXPECT_EQ(ui.lastPopUp.language, uCDDBLang::GERMAN);
    EXPECT_EQ(ui.lastPopUp.top, 120);
    EXPECT_EQ(ui.lastPopUp.left, 340);
    EXPECT_EQ(ui.shownServers.at(1), "mirror.example.org\tN052.22\tE004.53\t Mirror in the Netherlands");
    ui.serverChoice = 0;
    EXPECT_EQ(component.GetServer(3), "");

    // Any other answer empties the list.
    server.reply("sites", { 200, "401 No site information available.\r\n" });
    EXPECT_EQ(component.GetServerSites(), 0);
    EXPECT_EQ(component.GetServer(1), "");
    EXPECT_TRUE(events.empty());
}

namespace {

// A local database folder under the system's temporary folder, removed at the end.
class LocalFolder {
public:
    LocalFolder()
        : root_(fs::temp_directory_path()
            / ("discovant-local-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++)))
    {
        fs::create_directories(root_);
    }
    ~LocalFolder() { fs::remove_all(root_); }

    // Writes `category`/`name` with `entries`, lines ending in CR LF as freedb's windows
    // files have them.
    void write(const std::string& category, const std::string& name, const std::string& text)
    {
        fs::create_directories(root_ / category);
        std::ofstream(root_ / category / name, std::ios::binary) << text;
    }
    std::string path() const { return root_.string(); }

private:
    static int& counter()
    {
        static int next = 0;
        return next;
    }
    fs::path root_;
};

std::string windowsEntry(const std::string& discId, const std::string& title)
{
    return "#FILENAME=" + discId + "\r\n# xmcd\r\n#\r\n# Revision: 1\r\nDISCID=" + discId
        + "\r\nDTITLE=" + title
        + "\r\nDYEAR=2001\r\nTTITLE0=One\r\nTTITLE1=Two\r\nEXTD=\r\n"
          "PLAYORDER=\r\n";
}

} // namespace

TEST_F(HttpLookup, LocalDatabaseAnswersWithoutTheServer)
{
    LocalFolder folder;
    folder.write("rock", "00to3f",
        windowsEntry("01020304", "Other / Disc") + windowsEntry("09010802", "Can / Tago Mago"));
    folder.write("rock", "40to7f", windowsEntry("7a0b2c09", "Wrong / File"));
    component.setQueryLocalDatabase(true);
    FakeUi ui;
    component.setLookupUi(&ui);

    for (const std::string& path : { folder.path(), folder.path() + "/" }) {
        component.setCDDBFilePath(path);
        EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT) << path;
        EXPECT_EQ(component.GetAlbumCategory(), "rock");
        EXPECT_EQ(component.GetArtistName(), "Can");
        EXPECT_EQ(component.GetAlbumName(), "Tago Mago");
        EXPECT_EQ(component.GetTrackName(2), "Two");
    }

    // In two categories: the chooser is offered (without submit) in search order.
    folder.write("jazz", "00toff", windowsEntry("09010802", "Can / Jazz Mago"));
    component.setUseFirstMatch(false);
    ui.matchChoice = 2;
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(ui.shownMatches, (std::vector<std::string> { "Can / Jazz Mago", "Can / Tago Mago" }));
    EXPECT_FALSE(ui.offeredSubmit);
    EXPECT_EQ(component.GetAlbumCategory(), "rock");
    EXPECT_EQ(component.GetAlbumName(), "Tago Mago");
    component.setUseFirstMatch(true);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(component.GetAlbumName(), "Jazz Mago");

    // Not in the database: no match and no submission offer.
    EXPECT_EQ(component.LookupMediaByToc("150 20000 30000"), uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(ui.submitCalls, 0);
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(server.targets().empty());

    // A missing folder is reported in the component's language.
    component.setCDDBFilePath(folder.path() + "/missing");
    component.setCDDBLanguage(uCDDBLang::FRENCH);
    EXPECT_EQ(component.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].number, 8885);
    EXPECT_EQ(events[0].message, "Le répertoire de la base de donnée locale n'existe pas!");
}

TEST_F(HttpLookup, SubmissionEditorReadsTheCdTextOfTheCurrentDrive)
{
    LocalFolder folder;
    folder.write("image", "disc.bin", std::string(450 * 2352, '\0'));
    folder.write("image", "disc.cue",
        "PERFORMER \"Band\"\nTITLE \"Album\"\nFILE \"disc.bin\" BINARY\n"
        "  TRACK 01 AUDIO\n    TITLE \"Song1\"\n    INDEX 01 00:00:00\n"
        "  TRACK 02 AUDIO\n    TITLE \"Song2\"\n    INDEX 01 00:02:00\n");
    const std::string cue = folder.path() + "/image/disc.cue";
    const std::string toc = component.GetMediaTOC(cue);
    ASSERT_EQ(toc, "150 300 600");

    server.reply("query", { 200, "202 No match for disc ID 02000402.\r\n" });
    FakeUi ui;
    component.setLookupUi(&ui);
    EXPECT_EQ(component.LookupMediaByToc(toc), uCDDBMatchCode::MATCH_NONE);
    ASSERT_EQ(ui.submitCalls, 1);
    ASSERT_TRUE(ui.lastRequest.readCdText);
    EXPECT_EQ(ui.lastRequest.readCdText(), "Band|Album||||Song1|Song2|");

    // The MCI interface has no CD-Text to offer.
    component.setCDDBInterface(uCDDBIfc::MCI);
    EXPECT_EQ(ui.lastRequest.readCdText(), std::nullopt);
}

TEST_F(HttpLookup, RevisingWithoutAnAddressOpensNoEditor)
{
    LocalFolder folder;
    folder.write("rock", "00to3f", windowsEntry("09010802", "Can / Tago Mago"));
    Discovant local;
    local.setQueryLocalDatabase(true);
    local.setCDDBFilePath(folder.path());
    local.setCDDBServer(server.address());
    recordEvents(local);
    FakeUi ui;
    ui.submits = true;
    ui.entry = { "rock", kEntry };
    local.setLookupUi(&ui);
    ASSERT_EQ(local.LookupMediaByToc(kToc), uCDDBMatchCode::MATCH_EXACT);

    EXPECT_EQ(local.ReviseMediaEntry(kToc), uCDDBMatchCode::MATCH_EXACT); // unchanged
    EXPECT_EQ(ui.submitCalls, 0);
    EXPECT_TRUE(server.submissions().empty());
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].number, 8880);
    EXPECT_EQ(local.GetAlbumName(), "Tago Mago");
}

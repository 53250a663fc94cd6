#pragma once

// Servers on 127.0.0.1 for every network test: a scripted HTTP or HTTPS server (cpp-httplib),
// a CDDB server on top of it, and a raw socket server for answers no HTTP library would send.
// Each binds a free port it reports, and throws when it cannot bind or start, so a test never
// goes on against a server that is not there.

#include "testkit/certificates.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
}

namespace testkit {

// What the server sends back for one request.
struct Reply {
    int status = 200;
    std::string body {};
    std::string contentType = "text/plain";
    std::vector<std::pair<std::string, std::string>> headers {};
    bool chunked = false; // no Content-Length: the body arrives in pieces
    bool hang = false; // no answer at all until the server goes
    std::chrono::milliseconds delay { 0 }; // wait this long before answering
};

// A request as the server received it.
struct SeenRequest {
    std::string method;
    std::string path; // without the query
    std::string target; // as sent, query included
    std::string body;
    std::multimap<std::string, std::string> headers;
    std::multimap<std::string, std::string> params; // query and form parameters, decoded

    std::string header(const std::string& name) const;
    std::string param(const std::string& name) const;
};

// An HTTP server on a free port of 127.0.0.1. Requests are answered by the route whose path
// prefix is the longest that matches (any method when the route names none); a request no
// route takes gets 404. Every request is recorded.
class FakeServer {
public:
    using Handler = std::function<Reply(const SeenRequest&)>;

    FakeServer();
    // An HTTPS server showing `tls` (see certificates.h).
    explicit FakeServer(const TlsFiles& tls);
    ~FakeServer();
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    int port() const { return port_; }
    std::string address() const; // "127.0.0.1:<port>"
    std::string url() const; // "http://127.0.0.1:<port>", "https://..." for an HTTPS server

    // Routes may be set and replaced at any time, also while requests are served.
    void route(const std::string& method, const std::string& pathPrefix, Handler handler);
    void route(const std::string& method, const std::string& pathPrefix, Reply reply);

    std::vector<SeenRequest> requests() const;
    void clearRequests();

private:
    struct Route {
        std::string method;
        std::string prefix;
        Handler handler;
    };
    Reply answer(const SeenRequest& request);
    void start();

    std::unique_ptr<httplib::Server> server_;
    bool tls_ = false;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable closing_;
    bool stopping_ = false;
    std::vector<Route> routes_;
    std::vector<SeenRequest> requests_;
};

// An album entry as a CDDB server or a local database holds it (UTF-8 text).
struct DiscEntry {
    std::string artist;
    std::string album;
    std::string year;
    std::vector<std::string> tracks; // one per track; "" for a track without a name
    std::string genre = "Pop";
};

// The xmcd text of `entry` for disc `discId` (lines ending in CR LF, up to PLAYORDER=).
std::string xmcdText(const std::string& discId, const DiscEntry& entry);

// The read command's answer carrying `entryText` in `category`.
std::string readAnswer(const std::string& category, const std::string& discId, const std::string& entryText);

// Writes `entry` into a local CDDB database below `folder` the way the Windows tools keep it:
// category folder `category`, range file "00toff" holding "#FILENAME=<discid>" and the entry.
void writeLocalDatabaseEntry(const std::string& folder, const std::string& category, const std::string& discId,
                             const DiscEntry& entry);
// The same the way the freedb and gnudb archives unpack: the entry alone in the file
// `category`/`discId`.
void writeUnixDatabaseEntry(const std::string& folder, const std::string& category, const std::string& discId,
                            const DiscEntry& entry);

// A CDDB server: the cddb.cgi commands ("query", "read", "sites", or any other command word)
// and submit.cgi ("submit") answer what was set for them, else "500 Command syntax error.".
class FakeCddbServer {
public:
    FakeCddbServer();
    explicit FakeCddbServer(const TlsFiles& tls); // over HTTPS

    std::string address() const { return http_.address(); }
    FakeServer& http() { return http_; }

    void reply(const std::string& command, Reply reply);
    // Answers queries for `discId` with one exact match in `category` (or, after alsoList,
    // with the list of several) and reads with the entry; other discs get "202 No match".
    void serve(const std::string& discId, const DiscEntry& entry, const std::string& category = "rock");
    // Another line of the query answer: several matches instead of one.
    void alsoList(const std::string& line);

    // The targets of the cddb.cgi requests, in order.
    std::vector<std::string> targets() const;
    std::vector<SeenRequest> submissions() const;

private:
    Reply respond(const SeenRequest& request);
    void addRoutes();

    FakeServer http_;
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    struct Served {
        std::string category;
        std::string dtitle;
        std::string entryText;
    };
    std::map<std::string, Served> served_;
    std::vector<std::string> moreLines_;
};

// A TCP server on 127.0.0.1 that answers every connection with fixed bytes: it reads the
// request head, writes `script` (which may be cut short, endless, or no HTTP at all) and
// closes. With `keepOpen` it holds the connection until the server goes.
class RawServer {
public:
    using Writer = std::function<void(int socket)>;

    explicit RawServer(std::string script, bool keepOpen = false);
    // The writer gets the connected socket and may write as it likes; the server closes it.
    explicit RawServer(Writer writer);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    std::string address() const; // "127.0.0.1:<port>"
    int connections() const;

private:
    void serve();

    int fd_ = -1;
    int port_ = 0;
    Writer writer_;
    bool keepOpen_ = false;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable closing_;
    bool stopping_ = false;
    int connections_ = 0;
};

// Sends every request of this process to 127.0.0.1 directly, whatever proxy the machine sets.
void bypassProxies();

} // namespace testkit

#include "testkit/fakeserver.h"

#include "testkit/files.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <httplib.h>
#include <iterator>
#include <netinet/in.h>
#include <sstream>
#include <stdexcept>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testkit {

using namespace std::chrono_literals;

constexpr auto kStartDeadline = 5s; // for the server thread to take connections

std::string SeenRequest::header(const std::string& name) const
{
    for (const auto& [key, value] : headers)
        if (::strcasecmp(key.c_str(), name.c_str()) == 0)
            return value;
    return {};
}

std::string SeenRequest::param(const std::string& name) const
{
    const auto found = params.lower_bound(name); // the first of several
    return found != params.end() && found->first == name ? found->second : std::string();
}

void bypassProxies()
{
    ::setenv("no_proxy", "127.0.0.1,localhost", 1);
    ::setenv("NO_PROXY", "127.0.0.1,localhost", 1);
}

// --- FakeServer ------------------------------------------------------------------------------

FakeServer::FakeServer()
    : server_(std::make_unique<httplib::Server>())
{
    start();
}

FakeServer::FakeServer(const TlsFiles& tls)
    : server_(std::make_unique<httplib::SSLServer>(tls.certificate.c_str(), tls.key.c_str()))
    , tls_(true)
{
    if (!server_->is_valid())
        throw std::runtime_error("the HTTPS fake server cannot load " + tls.certificate.string());
    start();
}

void FakeServer::start()
{
    bypassProxies();
    const auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        SeenRequest seen { request.method, request.path, request.target, request.body,
            { request.headers.begin(), request.headers.end() },
            { request.params.begin(), request.params.end() } };
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(seen);
        }
        const Reply reply = answer(seen);
        {
            std::unique_lock lock(mutex_);
            if (reply.hang)
                closing_.wait(lock, [this] { return stopping_; });
            else if (reply.delay > 0ms)
                closing_.wait_for(lock, reply.delay, [this] { return stopping_; });
            if (reply.hang || stopping_) {
                response.status = 503;
                return;
            }
        }
        response.status = reply.status;
        for (const auto& [name, value] : reply.headers)
            response.set_header(name, value);
        if (!reply.chunked) {
            response.set_content(reply.body, reply.contentType);
            return;
        }
        auto body = std::make_shared<std::string>(reply.body);
        response.set_chunked_content_provider(
            reply.contentType, [body](size_t offset, httplib::DataSink& sink) {
                if (offset >= body->size()) {
                    sink.done();
                    return true;
                }
                return sink.write(body->data() + offset, std::min<size_t>(4096, body->size() - offset));
            });
    };
    // The programs under test only GET and POST.
    server_->Get(".*", handle);
    server_->Post(".*", handle);

    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0)
        throw std::runtime_error("the fake server cannot bind a port on 127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() only ends a server that is already running, so wait for it to run.
    const auto deadline = std::chrono::steady_clock::now() + kStartDeadline;
    while (!server_->is_running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            server_->stop();
            thread_.join();
            throw std::runtime_error("the fake server on port " + std::to_string(port_) + " did not start");
        }
        std::this_thread::yield();
    }
}

FakeServer::~FakeServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    closing_.notify_all();
    server_->stop();
    thread_.join();
}

std::string FakeServer::address() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

std::string FakeServer::url() const
{
    return (tls_ ? "https://" : "http://") + address();
}

void FakeServer::route(const std::string& method, const std::string& pathPrefix, Handler handler)
{
    std::lock_guard lock(mutex_);
    for (Route& existing : routes_) {
        if (existing.method == method && existing.prefix == pathPrefix) {
            existing.handler = std::move(handler);
            return;
        }
    }
    routes_.push_back({ method, pathPrefix, std::move(handler) });
}

void FakeServer::route(const std::string& method, const std::string& pathPrefix, Reply reply)
{
    route(method, pathPrefix, [reply = std::move(reply)](const SeenRequest&) { return reply; });
}

std::vector<SeenRequest> FakeServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

void FakeServer::clearRequests()
{
    std::lock_guard lock(mutex_);
    requests_.clear();
}

Reply FakeServer::answer(const SeenRequest& request)
{
    Handler handler;
    {
        std::lock_guard lock(mutex_);
        std::size_t best = 0;
        for (const Route& route : routes_) {
            const bool methodFits = route.method.empty() || route.method == request.method;
            if (methodFits && request.path.starts_with(route.prefix)
                && (!handler || route.prefix.size() > best)) {
                handler = route.handler;
                best = route.prefix.size();
            }
        }
    }
    if (!handler)
        return { 404, "no route for " + request.path };
    return handler(request);
}

// --- CDDB ------------------------------------------------------------------------------------

std::string xmcdText(const std::string& discId, const DiscEntry& entry)
{
    std::string text
        = "# xmcd\r\n#\r\n# Revision: 1\r\n# Submitted via: test 1.0\r\n#\r\nDISCID=" + discId + "\r\n";
    text += "DTITLE=" + entry.artist + " / " + entry.album + "\r\nDYEAR=" + entry.year
        + "\r\nDGENRE=" + entry.genre + "\r\n";
    for (std::size_t i = 0; i < entry.tracks.size(); ++i)
        text += "TTITLE" + std::to_string(i) + "=" + entry.tracks[i] + "\r\n";
    text += "EXTD=\r\n";
    for (std::size_t i = 0; i < entry.tracks.size(); ++i)
        text += "EXTT" + std::to_string(i) + "=\r\n";
    return text + "PLAYORDER=\r\n";
}

std::string readAnswer(const std::string& category, const std::string& discId, const std::string& entryText)
{
    return "210 " + category + " " + discId + " CD database entry follows (until terminating `.')\r\n"
        + entryText + ".\r\n";
}

void writeLocalDatabaseEntry(
    const std::string& folder, const std::string& category, const std::string& discId, const DiscEntry& entry)
{
    writeFile(std::filesystem::path(folder) / category / "00toff",
        "#FILENAME=" + discId + "\r\n" + xmcdText(discId, entry));
}

void writeUnixDatabaseEntry(
    const std::string& folder, const std::string& category, const std::string& discId, const DiscEntry& entry)
{
    writeFile(std::filesystem::path(folder) / category / discId, xmcdText(discId, entry));
}

FakeCddbServer::FakeCddbServer()
{
    addRoutes();
}

FakeCddbServer::FakeCddbServer(const TlsFiles& tls)
    : http_(tls)
{
    addRoutes();
}

void FakeCddbServer::addRoutes()
{
    http_.route("GET", "/~cddb/cddb.cgi", [this](const SeenRequest& request) { return respond(request); });
    http_.route("POST", "/~cddb/submit.cgi", [this](const SeenRequest& request) { return respond(request); });
}

void FakeCddbServer::reply(const std::string& command, Reply reply)
{
    std::lock_guard lock(mutex_);
    replies_[command] = std::move(reply);
}

void FakeCddbServer::serve(const std::string& discId, const DiscEntry& entry, const std::string& category)
{
    std::lock_guard lock(mutex_);
    served_[discId] = { category, entry.artist + " / " + entry.album, xmcdText(discId, entry) };
}

void FakeCddbServer::alsoList(const std::string& line)
{
    std::lock_guard lock(mutex_);
    moreLines_.push_back(line);
}

std::vector<std::string> FakeCddbServer::targets() const
{
    std::vector<std::string> targets;
    for (const SeenRequest& request : http_.requests())
        if (request.method == "GET")
            targets.push_back(request.target);
    return targets;
}

std::vector<SeenRequest> FakeCddbServer::submissions() const
{
    std::vector<SeenRequest> posted = http_.requests();
    std::erase_if(posted, [](const SeenRequest& request) { return request.method != "POST"; });
    return posted;
}

Reply FakeCddbServer::respond(const SeenRequest& request)
{
    const std::string cmd = request.method == "POST" ? std::string("submit") : request.param("cmd");
    // "cddb query <discid> ...", "cddb read <category> <discid>", or another command word.
    std::istringstream in(cmd);
    const std::vector<std::string> words { std::istream_iterator<std::string>(in), {} };
    const bool lookup = words.size() > 1 && words[0] == "cddb" && (words[1] == "query" || words[1] == "read");
    const std::string command = lookup ? words[1] : words.empty() ? std::string() : words[0];
    std::lock_guard lock(mutex_);
    if (const auto set = replies_.find(command); set != replies_.end())
        return set->second;
    if (command == "query" || command == "read") {
        const std::size_t idAt = command == "query" ? 2 : 3;
        const std::string discId = idAt < words.size() ? words[idAt] : std::string();
        const auto found = served_.find(discId);
        if (found == served_.end())
            return { 200,
                command == "query" ? "202 No match found.\r\n" : "401 No such CD entry in database.\r\n" };
        const Served& disc = found->second;
        if (command == "read")
            return { 200, readAnswer(disc.category, discId, disc.entryText) };
        if (moreLines_.empty())
            return { 200, "200 " + disc.category + " " + discId + " " + disc.dtitle + "\r\n" };
        std::string list = "210 Found exact matches, list follows (until terminating `.')\r\n" + disc.category
            + " " + discId + " " + disc.dtitle + "\r\n";
        for (const std::string& line : moreLines_)
            list += line + "\r\n";
        return { 200, list + ".\r\n" };
    }
    return { 200, "500 Command syntax error.\r\n" };
}

// --- RawServer -------------------------------------------------------------------------------

RawServer::RawServer(std::string script, bool keepOpen)
    : RawServer(Writer([script = std::move(script)](int socket) {
        for (std::size_t sent = 0; sent < script.size();) {
            const ssize_t n = ::send(socket, script.data() + sent, script.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += static_cast<std::size_t>(n);
        }
    }))
{
    keepOpen_ = keepOpen;
}

RawServer::RawServer(Writer writer)
    : writer_(std::move(writer))
{
    bypassProxies();
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(fd_, 8) != 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd_ >= 0)
            ::close(fd_);
        throw std::runtime_error("the raw server cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    closing_.notify_all();
    ::shutdown(fd_, SHUT_RDWR); // wakes accept()
    thread_.join();
    ::close(fd_);
}

std::string RawServer::address() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

int RawServer::connections() const
{
    std::lock_guard lock(mutex_);
    return connections_;
}

void RawServer::serve()
{
    for (;;) {
        const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            return;
        {
            std::lock_guard lock(mutex_);
            ++connections_;
        }
        // Read the request head (bounded in time) so the client is not reset mid-send.
        // Both directions are bounded in time, so an endless writer ends once the client goes.
        timeval timeout { 2, 0 };
        ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        ::setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
        std::string head;
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
            const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            head.append(buffer, static_cast<std::size_t>(n));
        }
        writer_(connection);
        if (keepOpen_) {
            std::unique_lock lock(mutex_);
            closing_.wait(lock, [this] { return stopping_; });
        }
        ::close(connection);
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
    }
}

} // namespace testkit

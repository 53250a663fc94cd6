#include "support/fakecddbserver.h"

#include <chrono>
#include <cstdlib>

using namespace std::chrono_literals;

FakeCddbServer::FakeCddbServer()
{
    // Requests take proxies from the environment; the fake server is always reached directly.
    ::setenv("no_proxy", "127.0.0.1", 1);
    ::setenv("NO_PROXY", "127.0.0.1", 1);
    server_.Get("/~cddb/cddb.cgi/", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string cmd = request.get_param_value("cmd");
        respond(cmd.rfind("cddb query", 0) == 0 ? "query" : cmd, response);
    });
    server_.Post("/~cddb/submit.cgi", [this](const httplib::Request& request, httplib::Response& response) {
        {
            std::lock_guard lock(mutex_);
            submissions_.push_back(request);
        }
        respond("submit", response);
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running())
        std::this_thread::sleep_for(1ms);
}

FakeCddbServer::~FakeCddbServer()
{
    server_.stop();
    thread_.join();
}

std::string FakeCddbServer::address() const
{
    return "127.0.0.1:" + std::to_string(port_);
}

void FakeCddbServer::reply(const std::string& command, int status, const std::string& body)
{
    std::lock_guard lock(mutex_);
    replies_[command] = { status, body };
}

std::vector<httplib::Request> FakeCddbServer::submissions() const
{
    std::lock_guard lock(mutex_);
    return submissions_;
}

void FakeCddbServer::respond(const std::string& command, httplib::Response& response)
{
    std::lock_guard lock(mutex_);
    const auto found = replies_.find(command);
    response.status = found == replies_.end() ? 500 : found->second.first;
    response.set_content(found == replies_.end() ? "no reply set" : found->second.second, "text/plain");
}

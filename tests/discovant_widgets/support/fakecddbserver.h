#pragma once

#include <httplib.h>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A CDDB server on a free port of 127.0.0.1: answers the query command and the submission
// program with the replies set per command ("query", "submit") and records every submission.
class FakeCddbServer {
public:
    FakeCddbServer();
    ~FakeCddbServer();
    FakeCddbServer(const FakeCddbServer&) = delete;
    FakeCddbServer& operator=(const FakeCddbServer&) = delete;

    std::string address() const;
    void reply(const std::string& command, int status, const std::string& body);
    std::vector<httplib::Request> submissions() const;

private:
    void respond(const std::string& command, httplib::Response& response);

    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, std::pair<int, std::string>> replies_;
    std::vector<httplib::Request> submissions_;
};

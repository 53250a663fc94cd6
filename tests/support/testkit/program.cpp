#include "testkit/program.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testkit {

namespace {

// A file descriptor, closed when it goes.
struct Fd {
    int fd = -1;
    ~Fd() { close(); }
    void close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("running a program: ") + what + ": " + std::strerror(errno));
}

void makePipe(Fd (&ends)[2])
{
    int fds[2];
    check(::pipe2(fds, O_CLOEXEC) == 0, "pipe");
    ends[0].fd = fds[0];
    ends[1].fd = fds[1];
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

} // namespace

ProgramResult runProgram(const std::vector<std::string>& argv,
    const std::map<std::string, std::string>& environment, const std::string& input,
    std::chrono::milliseconds timeout)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (environment.count(text.substr(0, text.find('='))) == 0)
            env.push_back(text);
    }
    for (const auto& [name, value] : environment) {
        if (!value.empty())
            env.push_back(name + "=" + value);
    }
    // Standard input is a file in memory holding all of `input`, so it never blocks either side.
    Fd in, out[2], err[2];
    in.fd = ::memfd_create("stdin", MFD_CLOEXEC);
    check(in.fd >= 0 && ::write(in.fd, input.data(), input.size()) == static_cast<ssize_t>(input.size())
            && ::lseek(in.fd, 0, SEEK_SET) == 0,
        "standard input");
    makePipe(out);
    makePipe(err);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1].fd, 1);
    posix_spawn_file_actions_adddup2(&actions, err[1].fd, 2);
    std::vector<std::string> args = argv;
    pid_t pid = -1;
    const int spawned = ::posix_spawn(
        &pid, argv.at(0).c_str(), &actions, nullptr, pointers(args).data(), pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + argv.at(0) + ": " + std::strerror(spawned));
    out[1].close();
    err[1].close();

    ProgramResult result;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (out[0].fd >= 0 || err[0].fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        std::array<pollfd, 2> ready { { { out[0].fd, POLLIN, 0 }, { err[0].fd, POLLIN, 0 } } };
        if (::poll(ready.data(), ready.size(), static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (ready[i].fd < 0 || ready[i].revents == 0)
                continue;
            char buffer[65536];
            const ssize_t n = ::read(ready[i].fd, buffer, sizeof buffer);
            if (n > 0)
                (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                (i == 0 ? out : err)[0].close();
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    if (!result.timedOut && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}

} // namespace testkit

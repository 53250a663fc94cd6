#pragma once

#include <string>

namespace discovant {

// Owns one open file descriptor of a drive device and closes it when it goes.
class FileDescriptor {
public:
    // Opens `path` for reading without waiting for a disc (O_NONBLOCK), so an empty or
    // spinning-up drive answers at once instead of blocking the caller. Check valid().
    explicit FileDescriptor(const std::string& path);
    ~FileDescriptor();

    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }

private:
    int fd_ = -1;
};

} // namespace discovant

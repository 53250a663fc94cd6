#include "discovant/drive/filedescriptor.h"

#include <fcntl.h>
#include <unistd.h>

namespace discovant {

FileDescriptor::FileDescriptor(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))
{
}

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace discovant

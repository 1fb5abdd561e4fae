#include "RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

std::string ReasonFor(mode_t mode) {
    return S_ISDIR(mode) ? std::strerror(EISDIR) : kNotRegularFile;
}

} // namespace

OpenedFile OpenRegularFile(const std::string& path, int flags) {
    struct stat status {};
    const bool found = ::stat(path.c_str(), &status) == 0;
    OpenedFile opened;
    opened.existed = found || errno != ENOENT;
    if (found && !S_ISREG(status.st_mode)) {
        opened.reason = ReasonFor(status.st_mode);
        return opened;
    }
    // Not blocking either when a named pipe took the file's place since the check. On a
    // regular file O_NONBLOCK changes nothing, so it may stay.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        opened.reason = errno == ENXIO ? kNotRegularFile : std::strerror(errno);
        return opened;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        opened.reason = ReasonFor(status.st_mode);
        ::close(fd);
        return opened;
    }
    opened.descriptor = fd;
    return opened;
}

bool IsRegularOrMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

} // namespace tarvo

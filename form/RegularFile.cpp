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

int OpenRegularFile(const std::string& path, int flags, std::string& reason, bool* existed) {
    struct stat status {};
    const bool found = ::stat(path.c_str(), &status) == 0;
    if (existed != nullptr)
        *existed = found || errno != ENOENT;
    if (found && !S_ISREG(status.st_mode)) {
        reason = ReasonFor(status.st_mode);
        return -1;
    }
    // Not blocking either when a named pipe took the file's place since the check. On a
    // regular file O_NONBLOCK changes nothing, so it may stay.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = errno == ENXIO ? kNotRegularFile : std::strerror(errno);
        return -1;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        reason = ReasonFor(status.st_mode);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool IsRegularOrMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

} // namespace tarvo

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

int OpenRegularFile(const std::string& path, int flags, std::string& reason) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        reason = ReasonFor(status.st_mode);
        return -1;
    }
    // Not blocking either when a named pipe took the file's place since the check.
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
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool IsRegularOrMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

} // namespace tarvo

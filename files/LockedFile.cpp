#include "LockedFile.h"

#include "RegularFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace tarvo {

LockedFile::LockedFile(const std::string& path, int flags) {
    for (;;) {
        OpenedFile opened = OpenRegularFile(path, flags);
        m_fd = opened.descriptor;
        m_reason = std::move(opened.reason);
        if (m_fd < 0)
            return;
        m_created = !opened.existed;
        int locked = 0;
        do
            locked = ::flock(m_fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            m_reason = std::strerror(errno);
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        if (NamesFile(path, m_fd))
            return;
        ::close(m_fd);
    }
}

LockedFile::~LockedFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::size_t WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    return written;
}

FileVersion VersionOf(const struct stat& status) {
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

bool NamesFile(const std::string& path, int fd) {
    struct stat named {};
    struct stat opened {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

std::string RealPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return {};
    std::string real(resolved);
    std::free(resolved);
    return real;
}

} // namespace tarvo

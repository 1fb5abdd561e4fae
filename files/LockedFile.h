// What the calculation file's operations share: the file opened and locked against the other
// calculators, whole writes and reads, and the version of a file told without reading it.
#pragma once

#include "FileResult.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

namespace tarvo {

// A descriptor of the regular file now at `path`, holding its exclusive lock. A file replaced
// by a rename while we waited for the lock is let go and the new one taken instead.
class LockedFile {
public:
    // `flags` of open(2); with O_CREAT a missing file is created.
    LockedFile(const std::string& path, int flags);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    int Descriptor() const { return m_fd; }
    bool Created() const { return m_created; }
    // Why the file could not be opened, in the system's words.
    const std::string& Reason() const { return m_reason; }

private:
    int m_fd = -1;
    bool m_created = false;
    std::string m_reason;
};

// The number of bytes written; all of them unless the system refused (errno tells why).
std::size_t WriteAll(int fd, std::string_view bytes);

FileVersion VersionOf(const struct stat& status);

// Whether `path` (through any symbolic link) names the file open at `fd`.
bool NamesFile(const std::string& path, int fd);

// The path with every symbolic link resolved; empty when it cannot be.
std::string RealPath(const std::string& path);

} // namespace tarvo

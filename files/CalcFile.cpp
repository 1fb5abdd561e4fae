#include "CalcFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFEu; // offsets and the length fit 32 bits

std::string SystemReason() {
    return std::strerror(errno);
}

// A descriptor holding the exclusive lock of the file now at `path`. A file replaced by a
// rename while we waited for the lock is let go and the new one taken instead.
class LockedFile {
public:
    LockedFile(const std::string& path, int flags) {
        for (;;) {
            m_fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
            if (m_fd < 0)
                return;
            struct stat opened {};
            struct stat current {};
            if (::flock(m_fd, LOCK_EX) == 0 && ::fstat(m_fd, &opened) == 0 &&
                ::stat(path.c_str(), &current) == 0 && opened.st_ino == current.st_ino &&
                opened.st_dev == current.st_dev)
                return;
            ::close(m_fd);
        }
    }
    ~LockedFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    int Descriptor() const { return m_fd; }

private:
    int m_fd = -1;
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return false;
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return true;
}

} // namespace

FileResult AppendRecord(const std::string& path, const std::string& record) {
    const LockedFile file(path, O_WRONLY | O_APPEND | O_CREAT);
    if (file.Descriptor() < 0 || !WriteAll(file.Descriptor(), record))
        return {false, SystemReason()};
    return {};
}

FileContent ReadCalcFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return {ReadStatus::CannotOpen, {}, SystemReason()};
    FileContent content;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && static_cast<std::uint64_t>(status.st_size) > kLargestFile)
        content.status = ReadStatus::TooLarge;
    else if (!ReadAll(fd, content.bytes))
        content = {ReadStatus::CannotOpen, {}, SystemReason()};
    ::close(fd);
    return content;
}

ReplaceStatus ReplaceIfUnchanged(const std::string& path, const std::string& expected,
                                 const std::string& replacement, std::string& reason) {
    const LockedFile file(path, O_RDWR);
    std::string current;
    if (file.Descriptor() < 0 || !ReadAll(file.Descriptor(), current)) {
        reason = SystemReason();
        return ReplaceStatus::Failed;
    }
    if (current != expected)
        return ReplaceStatus::Changed;
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        reason = SystemReason();
        return ReplaceStatus::Failed;
    }
    struct stat status {};
    const bool written = ::fstat(file.Descriptor(), &status) == 0 &&
                         ::fchmod(fd, status.st_mode & 07777) == 0 && WriteAll(fd, replacement) &&
                         ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        reason = SystemReason();
        ::unlink(temporary.c_str());
        return ReplaceStatus::Failed;
    }
    return ReplaceStatus::Replaced;
}

} // namespace tarvo

#include "CalcFile.h"

#include "CalcFileRewrite.h"
#include "LockedFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <unistd.h>
#include <utility>

namespace tarvo {

namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFEu; // offsets and the length fit 32 bits

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// What ends a last line that lacks its line feed, before a record is appended after it.
std::string LineEndBefore(int fd, off_t length) {
    char last = '\n';
    if (length == 0 || ::pread(fd, &last, 1, length - 1) != 1 || last == '\n')
        return {};
    return last == '\r' ? "\n" : "\r\n";
}

// Takes back a write that stopped partway: the file is cut back to `length`, or removed when
// it was created for the write. Not when someone else wrote meanwhile, whose bytes would go.
bool Revert(const LockedFile& file, const std::string& path, off_t length, std::size_t written) {
    struct stat status {};
    if (::fstat(file.Descriptor(), &status) != 0 ||
        static_cast<std::uint64_t>(status.st_size) != std::uint64_t(length) + written)
        return false;
    if (!file.Created())
        return ::ftruncate(file.Descriptor(), length) == 0;
    const std::string real = RealPath(path);
    return !real.empty() && NamesFile(real, file.Descriptor()) && ::unlink(real.c_str()) == 0;
}

FileResult Failure(std::string reason, bool unchanged = true) {
    return {FileStatus::Failed, std::move(reason), unchanged, {}, {}};
}

bool ReadAll(int fd, std::string& bytes) {
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

bool operator==(const FileVersion& a, const FileVersion& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           SameTime(a.modified, b.modified) && SameTime(a.changed, b.changed);
}

FileVersion CurrentVersion(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? VersionOf(status) : FileVersion{};
}

FileResult AppendRecord(const std::string& path, const std::string& record) {
    const LockedFile file(path, O_RDWR | O_APPEND | O_CREAT);
    struct stat status {};
    if (file.Descriptor() < 0)
        return Failure(file.Reason());
    if (::fstat(file.Descriptor(), &status) != 0)
        return Failure(std::strerror(errno));
    const std::string bytes = LineEndBefore(file.Descriptor(), status.st_size) + record;
    const std::size_t written = WriteAll(file.Descriptor(), bytes);
    if (written == bytes.size())
        return {};
    std::string reason = std::strerror(errno);
    return Failure(std::move(reason), Revert(file, path, status.st_size, written));
}

FileResult ReadCalcFile(const std::string& path, std::string held) {
    const LockedFile file(path, O_RDWR);
    struct stat status {};
    if (file.Descriptor() < 0)
        return Failure(file.Reason());
    if (::fstat(file.Descriptor(), &status) != 0)
        return Failure(std::strerror(errno));
    RemoveLeftoverCopies(RealPath(path));
    FileResult read;
    read.status = FileStatus::TooLarge;
    if (static_cast<std::uint64_t>(status.st_size) > kLargestFile) {
        read.bytes = std::move(held);
        return read;
    }
    std::string().swap(held);
    try {
        read.bytes.resize(static_cast<std::size_t>(status.st_size));
    } catch (const std::bad_alloc&) {
        return read;
    }
    if (!ReadAll(file.Descriptor(), read.bytes))
        return Failure(std::strerror(errno));
    read.status = FileStatus::Done;
    read.version = VersionOf(status);
    return read;
}

} // namespace tarvo

#include "CalcFileRewrite.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace tarvo {

namespace {

// A copy is named after its file: "quenda.txt.tarvo-delete-" and mkstemp's six letters.
const std::string kCopyMark = ".tarvo-delete-";
constexpr std::size_t kCopyLetters = 6;

bool IsCopyName(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + kCopyMark;
    return name.size() == prefix.size() + kCopyLetters && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

// Whether the file at `fd` holds exactly `expected`, read a piece at a time.
bool Holds(int fd, std::string_view expected) {
    std::vector<char> piece(std::size_t{1} << 20);
    std::size_t done = 0;
    while (done < expected.size()) {
        const std::size_t wanted = std::min(piece.size(), expected.size() - done);
        const ssize_t n = ::pread(fd, piece.data(), wanted, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 ||
            std::memcmp(piece.data(), expected.data() + done, static_cast<std::size_t>(n)) != 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    char beyond = 0;
    return ::pread(fd, &beyond, 1, static_cast<off_t>(done)) == 0;
}

// The extended attributes (access control lists among them) of `from`, given to `to`;
// the security labels are the system's to set. The failing call's reason, or empty.
std::string CopyAttributes(int from, int to) {
    const ssize_t length = ::flistxattr(from, nullptr, 0);
    if (length <= 0)
        return {};
    std::vector<char> names(static_cast<std::size_t>(length));
    if (::flistxattr(from, names.data(), names.size()) < 0)
        return std::strerror(errno);
    for (const char* name = names.data(); name < names.data() + names.size();
         name += std::strlen(name) + 1) {
        if (std::string_view(name).starts_with("security."))
            continue;
        const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
        std::vector<char> value(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
        if (size < 0 || ::fgetxattr(from, name, value.data(), value.size()) < 0 ||
            ::fsetxattr(to, name, value.data(), value.size(), 0) != 0)
            return std::strerror(errno);
    }
    return {};
}

void SyncFolder(const std::string& path) {
    const int folder = ::open(std::filesystem::path(path).parent_path().c_str(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace

void RemoveLeftoverCopies(const std::string& realPath) {
    const std::filesystem::path file(realPath);
    DIR* folder = ::opendir(file.parent_path().c_str());
    if (folder == nullptr)
        return;
    const std::string fileName = file.filename();
    while (const dirent* entry = ::readdir(folder)) {
        struct stat status {};
        if (IsCopyName(entry->d_name, fileName) &&
            ::fstatat(::dirfd(folder), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
}

CalcFileRewrite::CalcFileRewrite(const std::string& path, std::string_view expected)
    : m_file(path, O_RDWR), m_expected(expected) {
    if (m_file.Descriptor() < 0) {
        Fail(m_file.Reason());
        return;
    }
    struct stat original {};
    m_realPath = RealPath(path);
    if (m_realPath.empty() || ::fstat(m_file.Descriptor(), &original) != 0) {
        Fail(std::strerror(errno));
        return;
    }
    if (original.st_nlink > 1) {
        Fail("it has other names (hard links), which a new copy would not share");
        return;
    }
    RemoveLeftoverCopies(m_realPath);
    m_locked = VersionOf(original);
    if (m_locked.size != static_cast<off_t>(expected.size()))
        m_result.status = FileStatus::Changed;
    else
        CreateCopy(original);
}

CalcFileRewrite::~CalcFileRewrite() {
    if (m_copy >= 0)
        ::close(m_copy);
    if (!m_copyPath.empty())
        ::unlink(m_copyPath.c_str());
}

void CalcFileRewrite::CreateCopy(const struct stat& original) {
    std::string name = m_realPath + kCopyMark + std::string(kCopyLetters, 'X');
    m_copy = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_copy < 0) {
        Fail(std::strerror(errno));
        return;
    }
    m_copyPath = name;
    struct stat copy {};
    if (::fstat(m_copy, &copy) != 0 ||
        ((copy.st_uid != original.st_uid || copy.st_gid != original.st_gid) &&
         ::fchown(m_copy, original.st_uid, original.st_gid) != 0)) {
        Fail(std::string("its owner and group cannot be kept (") + std::strerror(errno) + ")");
        return;
    }
    if (const std::string failed = CopyAttributes(m_file.Descriptor(), m_copy); !failed.empty()) {
        Fail("its extended attributes cannot be kept (" + failed + ")");
        return;
    }
    if (::fchmod(m_copy, original.st_mode & 07777) != 0)
        Fail(std::string("its permissions cannot be kept (") + std::strerror(errno) + ")");
}

void CalcFileRewrite::Fail(std::string reason) {
    m_result.status = FileStatus::Failed;
    m_result.reason = std::move(reason);
}

// Until Commit renames the copy, and while nothing failed.
bool CalcFileRewrite::Writing() const {
    return m_result.status == FileStatus::Done && !m_copyPath.empty();
}

// Written a piece at a time, each piece handed to the disk at once, so that the flush in
// Commit finds little left to wait for.
void CalcFileRewrite::Write(std::string_view bytes) {
    constexpr std::size_t kPiece = std::size_t{8} << 20;
    for (std::size_t at = 0; Writing() && at < bytes.size(); at += kPiece) {
        const std::string_view piece = bytes.substr(at, kPiece);
        if (WriteAll(m_copy, piece) != piece.size()) {
            Fail(std::strerror(errno));
            return;
        }
        ::sync_file_range(m_copy, m_written, static_cast<off_t>(piece.size()),
                          SYNC_FILE_RANGE_WRITE);
        m_written += static_cast<off_t>(piece.size());
    }
}

bool CalcFileRewrite::Unchanged() const {
    struct stat now {};
    return ::fstat(m_file.Descriptor(), &now) == 0 && VersionOf(now) == m_locked &&
           NamesFile(m_realPath, m_file.Descriptor());
}

FileResult CalcFileRewrite::Commit() {
    if (!Writing())
        return m_result;
    if (!Holds(m_file.Descriptor(), m_expected))
        m_result.status = FileStatus::Changed;
    else if (::fsync(m_copy) != 0)
        Fail(std::strerror(errno));
    else if (!Unchanged())
        m_result.status = FileStatus::Changed;
    else if (::rename(m_copyPath.c_str(), m_realPath.c_str()) != 0)
        Fail(std::strerror(errno));
    else
        Replaced();
    return m_result;
}

// The copy is the file now: its name is no longer ours to remove.
void CalcFileRewrite::Replaced() {
    m_copyPath.clear();
    SyncFolder(m_realPath);
    struct stat replaced {};
    ::fstat(m_copy, &replaced);
    m_result.version = VersionOf(replaced);
}

} // namespace tarvo

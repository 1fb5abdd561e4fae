// The Load Calc browser and the files it must not lose or cannot read: what makes a file that
// file survives Delete, and files that cannot be opened or are too large are refused.
#include "BrowserTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tarvo::test {
namespace {

// Delete rewrites the file that the path names, with what makes it that file: its links,
// owner, group, permissions and extended attributes. What it cannot keep, it refuses to lose.
class DeleteKeepsTheFileTest : public BrowserTest, public ::testing::Test {
protected:
    // Deletes record 2 of three and returns the messages from the question on.
    Messages DeleteSecond() {
        m_browser.Open();
        m_browser.OnNext();
        m_host.messages.clear();
        m_browser.OnDelete();
        return m_host.messages;
    }
    static std::string Refusal(const std::string& path, const std::string& why) {
        return "Load Error | Error - The calculation file \"" + path +
               "\" cannot be rewritten: " + why + ". Nothing was deleted.";
    }
    // Nothing but `names` in `folder`.
    static void ExpectOnly(const std::string& folder, std::vector<std::string> names) {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(found, names);
    }
};

TEST_F(DeleteKeepsTheFileTest, PermissionsAndExtendedAttributes) {
    WriteFile(kA + kB + kC);
    ASSERT_EQ(::chmod(m_path.c_str(), 0640), 0);
    const bool attributes = ::setxattr(m_path.c_str(), "user.tarvo.note", "kept", 4, 0) == 0;
    EXPECT_EQ(DeleteSecond(), Messages{kQuestion});
    ASSERT_EQ(FileNow(), kA + kC);
    struct stat status {};
    ASSERT_EQ(::stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (attributes) {
        char value[8] = {};
        EXPECT_EQ(::getxattr(m_path.c_str(), "user.tarvo.note", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
}

TEST_F(DeleteKeepsTheFileTest, SymbolicLinkStaysALinkToTheRewrittenFile) {
    const std::string real = PathOf("real/quenda.txt");
    std::filesystem::create_directory(PathOf("real"));
    WriteBytes(real, kA + kB + kC);
    std::filesystem::create_symlink("real/quenda.txt", m_path);
    EXPECT_EQ(DeleteSecond(), Messages{kQuestion});
    EXPECT_TRUE(std::filesystem::is_symlink(m_path));
    EXPECT_EQ(ReadBytes(real), kA + kC);
    ExpectOnly(PathOf("real"), {"quenda.txt"});
    EXPECT_EQ(Shown().count, "2");
}

TEST_F(DeleteKeepsTheFileTest, HardLinkedFileIsRefused) {
    WriteFile(kA + kB + kC);
    ASSERT_EQ(::link(m_path.c_str(), PathOf("other.txt").c_str()), 0);
    EXPECT_EQ(
        DeleteSecond(),
        (Messages{kQuestion, Refusal(m_path, "it has other names (hard links), which a new copy "
                                             "would not share")}));
    EXPECT_EQ(FileNow(), kA + kB + kC);
    struct stat status {};
    ASSERT_EQ(::stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_nlink, 2u);
    EXPECT_EQ(Shown().count, "3");
}

TEST_F(DeleteKeepsTheFileTest, OwnerAndGroupKept) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving the file another owner needs root";
    WriteFile(kA + kB + kC);
    ASSERT_EQ(::chown(m_path.c_str(), 4242, 4343), 0);
    EXPECT_EQ(DeleteSecond(), Messages{kQuestion});
    struct stat status {};
    ASSERT_EQ(::stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 4242u);
    EXPECT_EQ(status.st_gid, 4343u);
    EXPECT_EQ(FileNow(), kA + kC);
}

// Another user may write the file, in a folder open to all, but a new copy would be his.
TEST_F(DeleteKeepsTheFileTest, AnotherUsersFileIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "running as another user needs root";
    char shared[] = "/tmp/tarvo-shared-XXXXXX";
    ASSERT_NE(::mkdtemp(shared), nullptr);
    ASSERT_EQ(::chmod(shared, 0777), 0);
    const std::string path = std::string(shared) + "/calcs.txt";
    WriteBytes(path, kA + kB + kC);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const std::string messages = InChildProcess(
        [] {
            [[maybe_unused]] const int group = ::setgid(65534);
            [[maybe_unused]] const int user = ::setuid(65534);
        },
        [&] {
            IniSettingsStore settings{QString(shared)};
            settings.WriteSettingString("Settings", "Path", path);
            RecordingBrowserHost host;
            LoadCalcBrowser browser(settings, host);
            browser.Open();
            browser.OnNext();
            browser.OnDelete();
            return Lines(host.messages);
        });
    EXPECT_EQ(messages, Lines({kQuestion, Refusal(path, "its owner and group cannot be kept "
                                                        "(Operation not permitted)")}));
    EXPECT_EQ(ReadBytes(path), kA + kB + kC);
    ExpectOnly(shared, {"calcs.txt", "Drelkin Software"});
    std::filesystem::remove_all(shared);
}

// The disk fills up while the new copy is written: the copy goes, the file stays whole.
TEST_F(DeleteKeepsTheFileTest, FullDiskLeavesTheFileAsItWas) {
    WriteFile(kA + kB + kC);
    const std::string messages = InChildProcess(FileSizeLimit(20), [&] {
        m_browser.Open();
        m_browser.OnNext();
        m_browser.OnDelete();
        return Lines(m_host.messages);
    });
    EXPECT_EQ(messages, Lines({kQuestion, Refusal(m_path, std::strerror(EFBIG))}));
    EXPECT_EQ(FileNow(), kA + kB + kC);
    ExpectOnly(m_folder.path().toStdString(), {"Drelkin Software", "calcs.txt"});
}

// A copy that a Delete killed halfway left beside the file is recognised by its name and
// removed when the file is next read or rewritten; nothing else is touched.
TEST_F(DeleteKeepsTheFileTest, CopiesLeftByAnInterruptedDeleteAreRemoved) {
    WriteFile(kA + kB + kC);
    const std::vector<std::string> others = {"calcs.txt.tarvo-delete-short", "calcs.txt.backup",
                                             "quenda.txt.tarvo-delete-Ab12Cd",
                                             "calcs.txt.tarvo-delete-Ab12C!"};
    for (const std::string& name : others)
        WriteBytes(PathOf(name), "kept");
    WriteBytes(PathOf("calcs.txt.tarvo-delete-Ab12Cd"), kA);
    m_browser.Open();
    std::vector<std::string> expected = others;
    expected.insert(expected.end(), {"Drelkin Software", "calcs.txt"});
    ExpectOnly(m_folder.path().toStdString(), expected);
    WriteBytes(PathOf("calcs.txt.tarvo-delete-9zZ0aA"), kA + kB);
    m_browser.OnDelete();
    ExpectOnly(m_folder.path().toStdString(), expected);
    EXPECT_EQ(FileNow(), kB + kC);
}

// The file goes while the browser shows it: the browser says so and shows nothing.
TEST_F(DeleteKeepsTheFileTest, FileRemovedBeforeDeleteEmptiesTheBrowser) {
    WriteFile(kA + kB + kC);
    m_host.onQuestion = [&] { std::filesystem::remove(m_path); };
    const std::string gone = std::strerror(ENOENT);
    EXPECT_EQ(DeleteSecond(), (Messages{kQuestion, Refusal(m_path, gone),
                                        "Load Error | Error - The calculation file \"" + m_path +
                                            "\" cannot be opened: " + gone}));
    EXPECT_EQ(Shown(), (Displays{"", "", "", "", ""}));
    EXPECT_EQ(m_browser.m_nItemCount, 0);
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

// A file that cannot be opened for reading and writing: the user is told which and why, the
// browser stays empty, and the file is never created. A named pipe or a device is refused
// before anything waits on it.
struct UnopenableCase {
    const char* name;
    std::string path; // inside the test folder; empty: the folder itself
    std::string reason;
    bool pipe = false;
};

const UnopenableCase kUnopenableCases[] = {
    {"MissingFile", "missing.txt", std::strerror(ENOENT)},
    {"MissingFolder", "missing/calcs.txt", std::strerror(ENOENT)},
    {"Folder", "", std::strerror(EISDIR)},
    {"NamedPipe", "pipe.txt", "Not a regular file", true},
    {"Device", "/dev/zero", "Not a regular file"},
};

class UnopenableFileTest : public BrowserTest, public ::testing::TestWithParam<UnopenableCase> {};

TEST_P(UnopenableFileTest, LoadErrorNamesTheFileAndBrowserStaysEmpty) {
    const UnopenableCase& row = GetParam();
    const std::string path = row.path.starts_with("/") ? row.path : PathOf(row.path);
    if (row.pipe) {
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    m_settings.WriteSettingString("Settings", "Path", path);
    m_browser.Open();
    const std::string message = "Load Error | Error - The calculation file \"" + path +
                                "\" cannot be opened: " + row.reason;
    EXPECT_EQ(m_host.messages, Messages{message});
    EXPECT_EQ(Shown(), (Displays{"", "", "", "", ""}));
    EXPECT_TRUE(m_browser.m_pBuffer.empty());
    m_browser.OnNext();
    m_browser.OnPrevious();
    m_browser.OnDelete();
    EXPECT_EQ(m_host.messages, (Messages{message, message, kQuestion, message}));
    EXPECT_EQ(Shown(), (Displays{"", "", "", "", ""}));
    if (row.path.find("missing") != std::string::npos) {
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, UnopenableFileTest, ::testing::ValuesIn(kUnopenableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file beyond 32-bit offsets, made sparse so that it takes no room on the disk.
class LargeFileTest : public BrowserTest, public ::testing::Test {
protected:
    void GrowBeyond32Bits() {
        const off_t size = (off_t{1} << 32) + 10;
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0) << std::strerror(errno);
        ::close(fd);
    }
};

TEST_F(LargeFileTest, RefusedWithMessage108AndNothingRead) {
    GrowBeyond32Bits();
    m_browser.Open();
    EXPECT_EQ(m_host.messages, Messages{kTooLarge});
    EXPECT_EQ(m_host.shown, 0);
    EXPECT_TRUE(m_browser.m_pBuffer.empty());
    EXPECT_EQ(m_browser.m_nItemCount, 0);
}

// More line feeds than a 32-bit count holds: 2^31 + 1 empty lines, 2 GiB in a memory file
// system (a disk would take minutes to write them) and 2 GiB in the browser's memory.
TEST_F(LargeFileTest, MoreThan2To31RecordsAreCountedRight) {
    const std::uint64_t lines = (std::uint64_t{1} << 31) + 1;
    struct statvfs memoryDisk {};
    if (::statvfs("/dev/shm", &memoryDisk) != 0 ||
        memoryDisk.f_bavail * memoryDisk.f_frsize < lines + (std::uint64_t{1} << 28) ||
        ::sysconf(_SC_AVPHYS_PAGES) * ::sysconf(_SC_PAGESIZE) < 3 * static_cast<long>(lines))
        GTEST_SKIP() << "needs 2 GiB free in /dev/shm and 6 GiB of free memory";
    QTemporaryDir folder("/dev/shm/tarvo-test-XXXXXX");
    const std::string path = folder.path().toStdString() + "/calcs.txt";
    {
        const std::string piece(std::size_t{1} << 24, '\n');
        std::ofstream out(path, std::ios::binary);
        for (std::uint64_t written = 0; written + piece.size() <= lines; written += piece.size())
            out << piece;
        out << '\n';
    }
    m_settings.WriteSettingString("Settings", "Path", path);
    m_browser.Open();
    EXPECT_EQ(Shown().count, "2147483649");
    EXPECT_EQ(m_browser.m_nItemCount, 2147483649);
}

TEST_F(LargeFileTest, GrownWhileBrowsingLeavesTheDisplaysAsTheyWere) {
    OpenWith(kA + kB);
    const Displays before = Shown();
    GrowBeyond32Bits();
    m_host.messages.clear();
    m_browser.OnPrevious(); // at the first record: reads the file afresh
    EXPECT_EQ(m_host.messages, Messages{kTooLarge});
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(m_browser.m_pBuffer, kA + kB);
}

} // namespace
} // namespace tarvo::test

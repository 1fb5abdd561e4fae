// The Load Calc browser on real files: the reader's messages, browsing, loading, Delete, and
// files it cannot or must not read.
#include "CalcFile.h"
#include "CalcFileRewrite.h"
#include "FileTestSupport.h"

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

const std::string kLoadError = "Load Error | Error #109 - Parsing Error. ";
const std::string kNoLineEnd = kLoadError + "No line termination character found";
const std::string kNoFirstQuote =
    kLoadError + "No preceding quotation marks found for Calculation ID";
const std::string kNoSecondQuote =
    kLoadError + "No following quotation marks found for Calculation ID";
const std::string kNoTimeEnd = kLoadError + "No delimiter found for Calculation Time";
const std::string kNoCalcEnd = kLoadError + "No delimiter found for Calculation";
const std::string kTooLarge =
    "Load Error | Error #108 - Not enough memory available!  File may be too large.";
const std::string kQuestion = "Warning | Are you sure you want to delete this calculation?";

using Messages = std::vector<std::string>;

// The five displays, in the order of BrowserField.
struct Displays {
    std::string calcId, time, calc, count, item;
};

void PrintTo(const Displays& d, std::ostream* out) {
    *out << "{" << d.calcId << "|" << d.time << "|" << d.calc << "|" << d.count << "|" << d.item
         << "}";
}

bool operator==(const Displays& a, const Displays& b) {
    return a.calcId == b.calcId && a.time == b.time && a.calc == b.calc && a.count == b.count &&
           a.item == b.item;
}

class BrowserTest : public FileTest {
protected:
    BrowserTest() { m_settings.WriteSettingString("Settings", "Path", m_path); }

    void WriteFile(const std::string& bytes) { WriteBytes(m_path, bytes); }
    std::string FileNow() const { return ReadBytes(m_path); }
    Displays Shown() const {
        return {m_host.Field(BrowserField::CalcId), m_host.Field(BrowserField::Time),
                m_host.Field(BrowserField::Calc), m_host.Field(BrowserField::ItemCount),
                m_host.Field(BrowserField::CurrentItem)};
    }
    void OpenWith(const std::string& bytes) {
        WriteFile(bytes);
        m_browser.Open();
    }
    // N Next, P Previous.
    void Press(const std::string& keys) {
        for (const char key : keys)
            key == 'N' ? m_browser.OnNext() : m_browser.OnPrevious();
    }

    const std::string m_path = PathOf("calcs.txt");
    RecordingBrowserHost m_host;
    LoadCalcBrowser m_browser{m_settings, m_host};
};

const std::string kGood = Record("good", "1 + 1 = 2; ");
const Displays kGoodShown{"good", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"};

// A line after a good record: the messages of moving onto it, and what the displays show then.
struct ReaderCase {
    const char* name;
    std::string line;
    Messages messages;
    Displays shown;
};

const ReaderCase kReaderCases[] = {
    {"EmptyIdTimeAndCalculation",
     "\"\" 1/2/03 4:05:06 {}\n",
     {},
     {"", " 1/2/03 4:05:06 ", "", "2", "2"}},
    {"NoQuotationMarksTimeFromLineStart",
     "1/2/03 4:05:06 {5}\r\n",
     {kNoFirstQuote, kNoSecondQuote},
     {"good", "1/2/03 4:05:06 ", "5", "2", "2"}},
    {"OneQuotationMarkTimeFromLineStart",
     "\"abc 1/2/03 {5}\r\n",
     {kNoSecondQuote},
     {"good", "\"abc 1/2/03 ", "5", "2", "2"}},
    {"NoOpeningBrace",
     "\"id\" 1/2/03 4:05:06 5}\r\n",
     {kNoTimeEnd, kNoCalcEnd},
     {"id", kGoodShown.time, kGoodShown.calc, "2", "1"}},
    {"NoClosingBrace",
     "\"id\" 1/2/03 4:05:06 {5\r\n",
     {kNoCalcEnd},
     {"id", " 1/2/03 4:05:06 ", kGoodShown.calc, "2", "1"}},
    {"ClosingBraceBeforeOpening",
     "\"id\" t }{5\r\n",
     {kNoCalcEnd},
     {"id", " t }", kGoodShown.calc, "2", "1"}},
    {"OnlyALineFeed",
     "\n",
     {kNoFirstQuote, kNoSecondQuote, kNoTimeEnd, kNoCalcEnd},
     {"good", kGoodShown.time, kGoodShown.calc, "2", "1"}},
    {"QuotationMarksOnlyInsideTheBraces",
     "x {1\"2\"} \r\n",
     {kNoTimeEnd, kNoCalcEnd},
     {"2", kGoodShown.time, kGoodShown.calc, "2", "1"}},
    {"LastLineWithoutLineFeed",
     "\"id\" 1/2/03 4:05:06 {5}",
     {kNoLineEnd},
     {"good", kGoodShown.time, kGoodShown.calc, "1", "1"}},
    {"QuotationMarkInIdCutsIt",
     Record("ab\"cd", "5"),
     {},
     {"ab", "cd\" " + kTime + " ", "5", "2", "2"}},
    {"ClosingBraceInCalculationCutsIt",
     Record("id", "a}b"),
     {},
     {"id", " " + kTime + " ", "a", "2", "2"}},
    {"TextBeforeIdAndAfterCalculationIgnored",
     "junk\"id\" t {5} tail\r\n",
     {},
     {"id", " t ", "5", "2", "2"}},
};

class ReaderTest : public BrowserTest, public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTest, MovingOntoTheLineGivesItsMessagesInOrder) {
    const ReaderCase& row = GetParam();
    OpenWith(kGood + row.line);
    Displays good = kGoodShown;
    good.count = row.shown.count; // a last line without a line feed is not counted
    ASSERT_EQ(Shown(), good);
    ASSERT_EQ(m_host.messages, Messages{});
    m_browser.OnNext();
    EXPECT_EQ(m_host.messages, row.messages);
    EXPECT_EQ(Shown(), row.shown);
    // The number advances before parsing, whether or not the display follows.
    EXPECT_EQ(m_browser.m_nCurrentItem, 2);
}

TEST_P(ReaderTest, FirstLineGivesTheSameMessagesWhenOpened) {
    OpenWith(GetParam().line);
    EXPECT_EQ(m_host.messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(Lines, ReaderTest, ::testing::ValuesIn(kReaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

class EmptyFileTest : public BrowserTest, public ::testing::Test {};

TEST_F(EmptyFileTest, CountsNoRecordAndReportsTheMissingLineEnd) {
    OpenWith("");
    EXPECT_EQ(Shown(), (Displays{"", "", "", "0", "1"}));
    EXPECT_EQ(m_host.messages, Messages{kNoLineEnd});
    m_browser.OnNext();
    EXPECT_EQ(m_host.messages, Messages{kNoLineEnd});
    m_browser.OnPrevious();
    EXPECT_EQ(m_host.messages, (Messages{kNoLineEnd, kNoLineEnd}));
}

// Three records A, B, C; D is appended to the file on disk while the browser is open, and
// only the steps that read the file afresh see it.
class BrowsingTest : public BrowserTest, public ::testing::Test {};

TEST_F(BrowsingTest, NextAndPreviousStepAndReadAfreshOnlyAtTheFirstRecord) {
    OpenWith(Record("A", "1 =") + Record("B", "2 =") + Record("C", "3 ="));
    struct Step {
        char key;
        bool appendD;
        const char* id;
        const char* count;
        const char* item;
    };
    const Step steps[] = {
        {'N', false, "B", "3", "2"}, {'N', false, "C", "3", "3"}, {'N', false, "C", "3", "3"},
        {'P', true, "B", "3", "2"},  {'P', false, "A", "4", "1"}, {'N', false, "B", "4", "2"},
        {'N', false, "C", "4", "3"}, {'N', false, "D", "4", "4"}, {'P', false, "C", "4", "3"},
        {'P', false, "B", "4", "2"}, {'P', false, "A", "4", "1"}, {'P', false, "A", "4", "1"},
    };
    EXPECT_EQ(Shown().calcId, "A");
    int number = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++number << " " << step.key);
        if (step.appendD) {
            ASSERT_TRUE(AppendRecord(m_path, Record("D", "4 =")).ok);
        }
        Press(std::string(1, step.key));
        EXPECT_EQ(Shown().calcId, step.id);
        EXPECT_EQ(m_browser.m_strCalc, std::string(1, step.id[0] - 'A' + '1') + " =");
        EXPECT_EQ(Shown().count, step.count);
        EXPECT_EQ(Shown().item, step.item);
        EXPECT_EQ(std::to_string(m_browser.m_nCurrentItem), step.item);
    }
    EXPECT_EQ(m_host.messages, Messages{});
}

// Overwrite and Insert load the record as the file holds it; closing loads nothing.
struct LoadCase {
    const char* name;
    BrowserResult (LoadCalcBrowser::*press)();
    BrowserResult result;
    std::string loadCalc;
    int insert;
};

const LoadCase kLoadCases[] = {
    {"Overwrite", &LoadCalcBrowser::OnOverwrite, BrowserResult::Overwrite, "2 * 3 = 6; ", 0},
    {"Insert", &LoadCalcBrowser::OnInsert, BrowserResult::Insert, "2 * 3 = 6; ", 1},
    {"OkCancelOrCloseBox", &LoadCalcBrowser::OnClose, BrowserResult::Closed, "stale", 0},
};

class LoadTest : public BrowserTest, public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, FileTextNotTheEditedTextIsLoaded) {
    const LoadCase& row = GetParam();
    m_settings.WriteSettingString("Settings", "LoadCalc", "stale");
    const std::string content = Record("A", "1 =") + Record("B", "2 * 3 = 6; ") + Record("C", "");
    OpenWith(content);
    m_browser.OnNext();
    m_host.ShowField(BrowserField::Calc, "9 * 9 = 81; "); // the user edits the calculation
    EXPECT_EQ((m_browser.*row.press)(), row.result);
    EXPECT_EQ(Setting("LoadCalc"), row.loadCalc);
    EXPECT_EQ(m_browser.m_bInsert, row.insert);
    EXPECT_TRUE(m_browser.m_pBuffer.empty());
    EXPECT_EQ(FileNow(), content);
    EXPECT_EQ(m_host.messages, Messages{});
}

INSTANTIATE_TEST_SUITE_P(Ends, LoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Delete: the file afterwards, byte for byte, and the browser back on its first record.
const std::string kA = Record("A", "1 + 1 = 2; ");
const std::string kB = Record("B", "2 [sin]  = 0.0348995; ");
const std::string kC = Record("C", "");

struct DeleteCase {
    const char* name;
    std::string content;
    std::string keys; // pressed before Delete
    MessageAnswer answer;
    std::string after;
    Messages messages; // from Delete on
    Displays shown;
};

const DeleteCase kDeleteCases[] = {
    {"SecondOfThree",
     kA + kB + kC,
     "N",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"FirstOfThree",
     kA + kB + kC,
     "",
     MessageAnswer::Yes,
     kB + kC,
     {kQuestion},
     {"B", " " + kTime + " ", "2 [sin]  = 0.0348995; ", "2", "1"}},
    {"LastOfThree",
     kA + kB + kC,
     "NN",
     MessageAnswer::Yes,
     kA + kB,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"SecondReachedByPrevious",
     kA + kB + kC,
     "NNP",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"OnlyRecordLeavesAnEmptyFile",
     kB,
     "",
     MessageAnswer::Yes,
     "",
     {kQuestion, kNoLineEnd},
     {"B", " " + kTime + " ", "2 [sin]  = 0.0348995; ", "0", "1"}},
    {"AnswerNoKeepsFileAndRecord",
     kA + kB + kC,
     "N",
     MessageAnswer::No,
     kA + kB + kC,
     {kQuestion},
     {"B", " " + kTime + " ", "2 [sin]  = 0.0348995; ", "3", "2"}},
    // A damaged line goes as a record does: the line that the current item names, even where
    // the parsing stopped and left another record's calculation and number on show.
    {"LineWithoutClosingBrace",
     kA + "\"bad\" t {7\r\n" + kC,
     "N",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"LineWithoutOpeningBrace",
     kA + kB + "\"bad\" t 7}\r\n",
     "NN",
     MessageAnswer::Yes,
     kA + kB,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"RecordWithoutQuotationMarksIsShownAndRemovedWhole",
     kA + "t {7}\r\n" + kC,
     "N",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"EmptyLine",
     kA + "\r\n" + kC,
     "N",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"DamagedFirstLine",
     "\"bad\" {\n" + kB,
     "",
     MessageAnswer::Yes,
     kB,
     {kQuestion},
     {"B", " " + kTime + " ", "2 [sin]  = 0.0348995; ", "1", "1"}},
    // A last line without a line feed goes to the end of the file; Next onto it twice keeps
    // it the line to go.
    {"UnterminatedLastLine",
     kA + kB + "\"C\" t {3}",
     "NNN",
     MessageAnswer::Yes,
     kA + kB,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"UnterminatedOnlyLine",
     "\"C\" t {3}",
     "",
     MessageAnswer::Yes,
     "",
     {kQuestion, kNoLineEnd},
     {"", "", "", "0", "1"}},
    {"EmptyFileStaysEmpty",
     "",
     "",
     MessageAnswer::Yes,
     "",
     {kQuestion, kNoLineEnd},
     {"", "", "", "0", "1"}},
    {"RecordsEndingInALineFeedOnly",
     "\"a\" t {1}\n\"b\" t {2}\n\"c\" t {3}\n",
     "N",
     MessageAnswer::Yes,
     "\"a\" t {1}\n\"c\" t {3}\n",
     {kQuestion},
     {"a", " t ", "1", "2", "1"}},
};

class DeleteTest : public BrowserTest, public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteTest, RemovesTheRecordShownByteForByte) {
    const DeleteCase& row = GetParam();
    m_host.answer = row.answer;
    OpenWith(row.content);
    Press(row.keys);
    m_host.messages.clear();
    m_browser.OnDelete();
    EXPECT_EQ(FileNow(), row.after);
    EXPECT_EQ(m_host.messages, row.messages);
    EXPECT_EQ(Shown(), row.shown);
    // Nothing is left beside the file: the settings file and the calculation file only.
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path().toStdString()))
        EXPECT_TRUE(entry.path().filename() == "calcs.txt" || entry.is_directory()) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Records, DeleteTest, ::testing::ValuesIn(kDeleteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Another program changes the file after the browser read it: nothing is deleted, the user is
// told, and the browser shows the file as it is now.
struct ChangedCase {
    const char* name;
    bool whileAsking; // during the question, or before Delete was pressed
    std::string changed;
};

const ChangedCase kChangedCases[] = {
    {"RecordAppendedWhileAsking", true, kA + kB + kC + Record("D", "4 =")},
    {"RecordAppendedBeforeDelete", false, kA + kB + kC + Record("D", "4 =")},
    {"SameLengthDifferentByte", true, kA + Record("b", "2 [sin]  = 0.0348995; ") + kC},
    {"RecordRemovedByAnotherBrowser", false, kA + kC},
};

class ChangedFileTest : public BrowserTest, public ::testing::TestWithParam<ChangedCase> {};

TEST_P(ChangedFileTest, NothingIsDeletedAndTheFileIsReadAgain) {
    const ChangedCase& row = GetParam();
    OpenWith(kA + kB + kC);
    m_browser.OnNext();
    if (row.whileAsking)
        m_host.onQuestion = [&] { WriteFile(row.changed); };
    else
        WriteFile(row.changed);
    m_host.messages.clear();
    m_browser.OnDelete();
    EXPECT_EQ(FileNow(), row.changed);
    ASSERT_EQ(m_host.messages.size(), 2u);
    EXPECT_EQ(m_host.messages[0], kQuestion);
    EXPECT_TRUE(m_host.messages[1].starts_with("Load Error | ")) << m_host.messages[1];
    EXPECT_NE(m_host.messages[1].find("Nothing was deleted"), std::string::npos);
    EXPECT_EQ(Shown().count,
              std::to_string(std::count(row.changed.begin(), row.changed.end(), '\n')));
    EXPECT_EQ(Shown().item, "1");
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangedFileTest, ::testing::ValuesIn(kChangedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Delete rewrites the file that the path names, with what makes it that file: its links,
// owner, group, permissions and extended attributes. What it cannot keep, it refuses to lose.
// Another program writes the file without taking the lock while Delete writes its new copy:
// the last check before the rename sees it, and nothing it wrote is lost.
struct RaceCase {
    const char* name;
    std::function<void(const std::string& path)> write;
    std::string after; // the file afterwards; "(missing)": no file
};

const RaceCase kRaceCases[] = {
    {"LineAppendedByAShell",
     [](const std::string& path) { std::ofstream(path, std::ios::binary | std::ios::app) << kC; },
     kA + kB + kC},
    {"ByteChangedInPlace",
     [](const std::string& path) {
         std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
         file.seekp(2);
         file << 'Z';
     },
     kA.substr(0, 2) + "Z" + kA.substr(3) + kB},
    {"ReplacedByAnEditor",
     [](const std::string& path) {
         WriteBytes(path + ".new", kB);
         std::filesystem::rename(path + ".new", path);
     },
     kB},
    {"Removed", [](const std::string& path) { std::filesystem::remove(path); }, "(missing)"},
};

class RaceTest : public BrowserTest, public ::testing::TestWithParam<RaceCase> {};

TEST_P(RaceTest, WriteDuringTheRewriteWinsOverIt) {
    WriteFile(kA + kB);
    const std::string content = FileNow();
    {
        CalcFileRewrite rewrite(m_path, content);
        rewrite.Write(kB);
        GetParam().write(m_path);
        rewrite.Commit();
        EXPECT_EQ(rewrite.GetStatus(), CalcFileRewrite::Status::Changed);
    }
    EXPECT_EQ(std::filesystem::exists(m_path) ? FileNow() : "(missing)", GetParam().after);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path().toStdString()))
        EXPECT_TRUE(entry.path().filename() == "calcs.txt" || entry.is_directory()) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Writes, RaceTest, ::testing::ValuesIn(kRaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

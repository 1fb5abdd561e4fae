// The Load Calc browser on real files: the reader's messages, browsing, loading, Delete, and
// files it cannot or must not read.
#include "CalcFile.h"
#include "FileTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
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
    // Parsing that stops leaves another record's calculation and number on show: the record
    // the user sees is not the one that would go.
    {"RecordWithoutClosingBraceDeletesNothing",
     kA + "\"bad\" t {7\r\n" + kC,
     "N",
     MessageAnswer::Yes,
     kA + "\"bad\" t {7\r\n" + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "3", "1"}},
    {"RecordWithoutOpeningBraceDeletesNothing",
     kA + kB + "\"bad\" t 7}\r\n",
     "NN",
     MessageAnswer::Yes,
     kA + kB + "\"bad\" t 7}\r\n",
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "3", "1"}},
    {"RecordWithoutQuotationMarksIsShownAndRemovedWhole",
     kA + "t {7}\r\n" + kC,
     "N",
     MessageAnswer::Yes,
     kA + kC,
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"UnterminatedLastLineDeletesNothing",
     kA + kB + "\"C\" t {3}",
     "NN",
     MessageAnswer::Yes,
     kA + kB + "\"C\" t {3}",
     {kQuestion},
     {"A", " " + kTime + " ", "1 + 1 = 2; ", "2", "1"}},
    {"UnterminatedOnlyLineDeletesNothing",
     "\"C\" t {3}",
     "",
     MessageAnswer::Yes,
     "\"C\" t {3}",
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

class DeletePermissionsTest : public BrowserTest, public ::testing::Test {};

TEST_F(DeletePermissionsTest, RewrittenFileKeepsItsPermissions) {
    OpenWith(kA + kB);
    ASSERT_EQ(::chmod(m_path.c_str(), 0640), 0);
    m_browser.OnDelete();
    ASSERT_EQ(FileNow(), kB);
    struct stat status {};
    ASSERT_EQ(::stat(m_path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// A file that cannot be opened for reading and writing: the user is told which and why, the
// browser stays empty, and the file is never created.
struct UnopenableCase {
    const char* name;
    std::string path; // inside the test folder; empty: the folder itself
    int error;
};

const UnopenableCase kUnopenableCases[] = {
    {"MissingFile", "missing.txt", ENOENT},
    {"MissingFolder", "missing/calcs.txt", ENOENT},
    {"Folder", "", EISDIR},
};

class UnopenableFileTest : public BrowserTest, public ::testing::TestWithParam<UnopenableCase> {};

TEST_P(UnopenableFileTest, LoadErrorNamesTheFileAndBrowserStaysEmpty) {
    const std::string path = PathOf(GetParam().path);
    m_settings.WriteSettingString("Settings", "Path", path);
    m_browser.Open();
    const std::string message = "Load Error | Error - The calculation file \"" + path +
                                "\" cannot be opened: " + std::strerror(GetParam().error);
    EXPECT_EQ(m_host.messages, Messages{message});
    EXPECT_EQ(m_host.shown, 0);
    EXPECT_TRUE(m_browser.m_pBuffer.empty());
    m_browser.OnNext();
    m_browser.OnPrevious();
    m_browser.OnDelete();
    EXPECT_EQ(m_host.messages, (Messages{message, message, kQuestion, message}));
    EXPECT_EQ(m_host.shown, 0);
    if (!GetParam().path.empty()) {
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

// Delete in the Load Calc browser: the record removed byte for byte, and a file that another
// program changes meanwhile.
#include "BrowserTestSupport.h"
#include "CalcFileRewrite.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tarvo::test {
namespace {

// Delete: the file afterwards, byte for byte, and the browser back on its first record.
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
        EXPECT_EQ(rewrite.Commit().status, FileStatus::Changed);
    }
    EXPECT_EQ(std::filesystem::exists(m_path) ? FileNow() : "(missing)", GetParam().after);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path().toStdString()))
        EXPECT_TRUE(entry.path().filename() == "calcs.txt" || entry.is_directory()) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Writes, RaceTest, ::testing::ValuesIn(kRaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::test

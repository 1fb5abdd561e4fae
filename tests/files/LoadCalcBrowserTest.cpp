// The Load Calc browser on real files: the reader's messages, browsing and loading.
#include "BrowserTestSupport.h"
#include "CalcFile.h"

namespace tarvo::test {
namespace {

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
            ASSERT_EQ(AppendRecord(m_path, Record("D", "4 =")).status, FileStatus::Done);
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
    bool insert;
};

const LoadCase kLoadCases[] = {
    {"Overwrite", &LoadCalcBrowser::OnOverwrite, BrowserResult::Overwrite, "2 * 3 = 6; ", false},
    {"Insert", &LoadCalcBrowser::OnInsert, BrowserResult::Insert, "2 * 3 = 6; ", true},
    {"OkCancelOrCloseBox", &LoadCalcBrowser::OnClose, BrowserResult::Closed, "stale", false},
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

} // namespace
} // namespace tarvo::test

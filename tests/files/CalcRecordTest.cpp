// The record writer and the time stamp, and records read back by the browser from a real file.
#include "CalcFile.h"
#include "FileTestSupport.h"

#include <regex>

namespace tarvo::test {
namespace {

TEST(CalcRecordTest, RecordIsOneLineOfQuotedIdTimeAndBracedCalculation) {
    EXPECT_EQ(FormatCalcRecord("sum", "12/6/26 17:05:04", "2 + 3 = 5; "),
              "\"sum\" 12/6/26 17:05:04 {2 + 3 = 5; }\r\n");
    EXPECT_EQ(FormatCalcRecord("", "1/5/27 9:07:03", ""), "\"\" 1/5/27 9:07:03 {}\r\n");
}

struct TimeCase {
    const char* name;
    int year, month, day, hour, minute, second;
    const char* expected;
};

const TimeCase kTimeCases[] = {
    {"TwoDigitMonthAndHour", 2026, 12, 6, 17, 5, 4, "12/6/26 17:05:04"},
    {"NoLeadingZerosOnMonthDayHour", 2027, 1, 5, 9, 7, 3, "1/5/27 9:07:03"},
    {"Midnight", 2026, 3, 1, 0, 0, 0, "3/1/26 0:00:00"},
    {"NoonStaysTwelve", 2026, 7, 14, 12, 0, 0, "7/14/26 12:00:00"},
    {"AfternoonOnTheTwentyFourHourClock", 2026, 7, 14, 13, 30, 9, "7/14/26 13:30:09"},
    {"LastSecondOfTheCentury", 1999, 12, 31, 23, 59, 59, "12/31/99 23:59:59"},
    {"YearTwoThousandIsDoubleZero", 2000, 1, 1, 0, 0, 1, "1/1/00 0:00:01"},
    {"SingleDigitYearKeepsItsZero", 2009, 10, 10, 10, 10, 10, "10/10/09 10:10:10"},
    {"NextCenturyWrapsToTwoDigits", 2105, 2, 28, 1, 2, 3, "2/28/05 1:02:03"},
};

class TimeStampTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeStampTest, MonthDayTwoDigitYearAnd24HourTime) {
    const TimeCase& row = GetParam();
    std::tm time{};
    time.tm_year = row.year - 1900;
    time.tm_mon = row.month - 1;
    time.tm_mday = row.day;
    time.tm_hour = row.hour;
    time.tm_min = row.minute;
    time.tm_sec = row.second;
    EXPECT_EQ(FormatTimeStamp(time), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, TimeStampTest, ::testing::ValuesIn(kTimeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcRecordTest, CurrentTimeStampHasTheRecordLayout) {
    const std::string stamp = CurrentTimeStamp();
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"([1-9]\d?/[1-9]\d?/\d\d \d?\d:\d\d:\d\d)")))
        << stamp;
    EXPECT_FALSE(stamp.starts_with('0')) << stamp;
}

struct LineBreakCase {
    const char* name;
    std::string calc;
    std::string expected;
};

const LineBreakCase kLineBreakCases[] = {
    {"EquationsOnSeparateLinesFollowEachOther", "1 + 1 = 2; \r\n2 + 2 = 4; \r\n",
     "1 + 1 = 2; 2 + 2 = 4; "},
    {"LoneLineFeed", "1 =\n2 =", "1 =2 ="},
    {"LoneCarriageReturn", "1 =\r2 =", "1 =2 ="},
    {"OnlyLineBreaks", "\r\n\n\r", ""},
    {"TabsAndOtherBytesStay", "a\tb\x01\xff", "a\tb\x01\xff"},
    {"Empty", "", ""},
};

class LineBreakTest : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(LineBreakTest, CarriageReturnsAndLineFeedsAreRemoved) {
    EXPECT_EQ(RemoveLineBreaks(GetParam().calc), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Calc, LineBreakTest, ::testing::ValuesIn(kLineBreakCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Records written to a file and read back by the browser give the same ID, the time with a
// blank on each side, and the same calculation.
struct RoundTripCase {
    const char* name;
    std::string id;
    std::string calc;
};

const RoundTripCase kRoundTripCases[] = {
    {"Typical", "sum", "2 + 3 * 4 = 14; "},
    {"EmptyIdAndCalculation", "", ""},
    {"IdOverSixtyFourCharacters", std::string(100, 'n') + " end", "1 + 1 = 2; "},
    {"FunctionTags", "trig", "30 [sin]  + 2 [x^2]  - 9 [sqrt]  = 1.5; "},
    {"SeveralEquationsJoined", "two", RemoveLineBreaks("1 + 1 = 2; \r\n2 + 2 = 4; \r\n")},
    {"BracesInIdQuotesAndOpeningBracesInCalculation", "a{b}c", "say \"{x\" { 1 ="},
    {"BlanksAroundTheFields", "  padded ", " 7 = 7;  "},
    {"EightBitBytes", "caf\xe9", "\xff\x80 1 ="},
    {"TabInId", "a\tb", "1 ="},
};

class RecordRoundTripTest : public FileTest, public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RecordRoundTripTest, BrowserReadsBackWhatWasWritten) {
    const RoundTripCase& row = GetParam();
    const std::string path = PathOf("calcs.txt");
    // The record under test follows another, so that it is parsed at an offset too.
    ASSERT_EQ(AppendRecord(path, Record("before", "0 =")).status, FileStatus::Done);
    ASSERT_EQ(AppendRecord(path, Record(row.id, row.calc)).status, FileStatus::Done);
    ASSERT_EQ(AppendRecord(path, Record(row.id, row.calc)).status, FileStatus::Done);
    m_settings.WriteSettingString("Settings", "Path", path);
    RecordingBrowserHost host;
    LoadCalcBrowser browser(m_settings, host);
    browser.Open();
    for (const char* item : {"2", "3"}) {
        browser.OnNext();
        EXPECT_EQ(browser.m_strCalcId, row.id);
        EXPECT_EQ(browser.m_strTime, " " + kTime + " ");
        EXPECT_EQ(browser.m_strCalc, row.calc);
        EXPECT_EQ(host.Field(BrowserField::CalcId), row.id);
        EXPECT_EQ(host.Field(BrowserField::Time), " " + kTime + " ");
        EXPECT_EQ(host.Field(BrowserField::Calc), row.calc);
        EXPECT_EQ(host.Field(BrowserField::ItemCount), "3");
        EXPECT_EQ(host.Field(BrowserField::CurrentItem), item);
    }
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();
}

INSTANTIATE_TEST_SUITE_P(Records, RecordRoundTripTest, ::testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

class CurrentTimeRoundTripTest : public FileTest, public ::testing::Test {};

TEST_F(CurrentTimeRoundTripTest, TimeOfSavingIsReadBack) {
    const std::string path = PathOf("calcs.txt");
    const std::string stamp = CurrentTimeStamp();
    ASSERT_EQ(AppendRecord(path, FormatCalcRecord("now", stamp, "1 =")).status, FileStatus::Done);
    m_settings.WriteSettingString("Settings", "Path", path);
    RecordingBrowserHost host;
    LoadCalcBrowser browser(m_settings, host);
    browser.Open();
    EXPECT_EQ(host.Field(BrowserField::Time), " " + stamp + " ");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace tarvo::test

// The recomputation and the tool's life: how the sample text is read, the results, the limit
// of 100 values, what is stored and restored, and Transfer.
#include "StatisticsFixture.h"
#include "StatisticsKeys.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

std::string Numbers(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i)
        text += std::to_string(i) + ", ";
    return text;
}

struct ResultCase {
    const char* name;
    std::string sample;
    const char* shown; // n, sum, mean, variance (n), std dev (n), std dev (n-1)
};

void PrintTo(const ResultCase& row, std::ostream* out) {
    *out << row.name;
}

class ResultsTest : public StatisticsFixture, public ::testing::TestWithParam<ResultCase> {};

TEST_P(ResultsTest, AreShownWhenTheSampleOpens) {
    Open(GetParam().sample);
    EXPECT_EQ(Shown(), GetParam().shown);
}

const ResultCase kResults[] = {
    {"WorkedSample", "2, 4, 4, 4, 5, 5, 7, 9, ", "8 40.000000 5.000000 4.000000 2.000000 2.138090"},
    {"SingleValueHasNoSpread", "5, ", "1 5.000000 5.000000 0.000000 0.000000 0.000000"},
    {"EmptySample", "", "0 0.000000 0.000000 0.000000 0.000000 0.000000"},
    {"NonNumbersCountAsTheirDecimalPrefix", "1-2, abc, 0x10, inf, 3, ",
     "5 4.000000 0.800000 1.360000 1.166190 1.303840"},
    {"TextAfterTheLastCommaIsNoNumber", "1, 2, 3",
     "2 3.000000 1.500000 0.250000 0.500000 0.707107"},
    {"BlanksInsideANumberAreSkipped", "1 2, 3, ",
     "2 15.000000 7.500000 20.250000 4.500000 6.363961"},
    {"SumsRunInEntryOrder", "1e16, 1, -1e16, ",
     "3 0.000000 0.000000 66666666666666667241708384681984.000000 8164965809277260.000000 "
     "10000000000000000.000000"},
    {"OverflowShowsAsInfinity", "1e999, 1, ", "2 1.#INF 1.#INF -1.#IND -1.#IND -1.#IND"},
    {"HundredValues", Numbers(1, 100), "100 5050.000000 50.500000 833.250000 28.866070 29.011492"},
};

INSTANTIATE_TEST_SUITE_P(Samples, ResultsTest, ::testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

class StatisticsToolTest : public StatisticsFixture, public ::testing::Test {};

// The text keeps a refused number so that the user can shorten the sample; the number stays
// the one being typed, so each Enter adds its comma again and reading stops before it.
TEST_F(StatisticsToolTest, AHundredAndFirstNumberIsRefused) {
    const std::string hundred = Numbers(1, 100);
    Open(hundred);
    const std::string before = Shown();
    Act("5 Enter Enter");
    EXPECT_EQ(m_messages.messages,
              std::vector<std::string>(2, "Warning Message | Maximum number of inputs exceeded"));
    EXPECT_EQ(Sample(), hundred + "5, , ");
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(Stored(), hundred);

    Act("[" + Numbers(2, 100) + "5, ] Enter");
    EXPECT_EQ(m_messages.messages.size(), 2u);
    EXPECT_EQ(Sample(), Numbers(2, 100) + "5, "); // the comma of the kept number dropped
    EXPECT_EQ(m_tool.m_dSum, 5054.0);
    EXPECT_EQ(Stored(), Sample());
}

// A stray comma read before the number too many goes; the text after that number stays.
TEST_F(StatisticsToolTest, ReadingStopsAtTheNumberTooMany) {
    Open("1, , " + Numbers(2, 101) + ", , 7, ");
    EXPECT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(Sample(), Numbers(1, 101) + ", , 7, ");
}

TEST_F(StatisticsToolTest, TheLastEnteredOrClearedSampleAndTheAppearanceAreRead) {
    Open();
    EXPECT_EQ(m_tool.m_background.m_crBackground, 6579300u);
    EXPECT_EQ(m_tool.m_background.m_nBackgroundHatch, BackgroundHatch::None);
    Act("2 Enter 4 Enter 9");
    m_settings.WriteSettingInt("Settings", "Background Color", 0x00FF80);
    m_settings.WriteSettingInt("Settings", "Background Hatch", 3);

    IniSettingsStore settings(m_folder.path()); // a later run
    HeadlessStatisticsHost host;
    StatisticsTool later(host, m_messages, settings);
    host.Attach(later);
    later.OnInitDialog();
    EXPECT_EQ(host.SampleText(), "2, 4, ");
    EXPECT_EQ(later.m_strCount, "2");
    EXPECT_EQ(later.m_background.m_crBackground, 0x00FF80u);
    EXPECT_EQ(later.m_background.m_nBackgroundHatch, BackgroundHatch::IncreasingDiagonal);
    Act("CLR 5");
    EXPECT_EQ(IniSettingsStore(m_folder.path()).ReadSettingString("Settings", "Sumra1", "?"), "");
}

struct TransferCase {
    const char* name;
    const char* stored;
    const char* choice; // a result token, or nullptr for none
    const char* steps;
    double value;
};

void PrintTo(const TransferCase& row, std::ostream* out) {
    *out << row.name;
}

class TransferTest : public StatisticsFixture, public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferTest, HandsOverTheChosenResult) {
    const TransferCase& row = GetParam();
    Open(row.stored);
    if (row.choice)
        m_tool.OnResultChoice(FindStatisticsResult(row.choice)->choice);
    EXPECT_EQ(m_tool.m_dTransferValue, 0.0); // only Transfer sets it
    Act(row.steps);
    EXPECT_DOUBLE_EQ(m_tool.m_dTransferValue, row.value);
}

constexpr const char* kWorked = "2, 4, 4, 4, 5, 5, 7, 9, ";

const TransferCase kTransfers[] = {
    {"Sum", kWorked, "sum", "Transfer", 40.0},
    {"Mean", kWorked, "mean", "Transfer", 5.0},
    {"VarianceN", kWorked, "var-n", "Transfer", 4.0},
    {"StdDevN", kWorked, "sd-n", "Transfer", 2.0},
    {"StdDevN1", kWorked, "sd-n1", "Transfer", std::sqrt(32.0 / 7)},
    {"NoChoiceNoTransfer", kWorked, nullptr, "Transfer", 0.0},
    {"AfterClearTheLastResults", "7, 9, ", "mean", "CLR Transfer", 8.0},
    {"StdDevOfOneValueIsZero", "5, ", "sd-n1", "Transfer", 0.0},
    {"TheResultWhenPressed", "1, 3, ", "sum", "Transfer 5 Enter", 4.0},
};

INSTANTIATE_TEST_SUITE_P(Choices, TransferTest, ::testing::ValuesIn(kTransfers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo

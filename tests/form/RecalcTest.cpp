// The replay grammar: equation texts recalculated through the keys, on the calculator as
// tarvo-batch runs it, with a real settings store in a temporary folder.
#include "BatchSession.h"
#include "IniSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo {
namespace {

struct ReplayCase {
    const char* name;
    std::string equation;
    std::string large;
    std::string small;
    std::string events; // what the host printed: messages and beeps
};

void PrintTo(const ReplayCase& replay, std::ostream* out) {
    *out << replay.name;
}

class RecalcTest : public ::testing::TestWithParam<ReplayCase> {
protected:
    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    std::ostringstream m_events;
    BatchSession m_session{m_settings, m_events};
};

const std::string kEditError = "message: Edit Error | Error #101 - Unrecognizable Keyboard Input\n";

const ReplayCase kReplayCases[] = {
    {"ResultsAfterEqualsAreSkipped", "2 + 3 = 99; \r\n", "2 + 3 = 5; \r\n", "5", ""},
    {"EveryEquationIsRecalculated", "2 + 3 * 4 = 0; \r\n5 + 1 = 0; \r\n",
     "2 + 3 * 4 = 14; \r\n5 + 1 = 6; \r\n", "6", ""},
    {"MinusBeforeANumberIsItsSign", "-5 + 2 =", "5 [neg]  + 2 = -3; \r\n", "-3", ""},
    {"MinusBeforeABlankIsSubtraction", "10 - -3 =", "10 - 3 [neg]  = 13; \r\n", "13", ""},
    {"SignWaitsForTheFirstNonZeroDigit", "-0.5 + 1 =", "0.5 [neg]  + 1 = 0.5; \r\n", "0.5", ""},
    {"TrailingSignIsNotApplied", "-5", "5", "5", ""},
    {"NegativeExponent", "1.5e-7 * 2 =", "1.5e7 [neg]  * 2 = 3e-007; \r\n", "3e-007", ""},
    {"NegativeExponentWithLeadingZeros", "1e-012 * 1 =", "1e01 [neg] 2 * 1 = 1e-012; \r\n",
     "1e-012", ""},
    {"PositiveExponent", "1.5e+007 * 2 =", "1.5e007 * 2 = 3e+007; \r\n", "3e+007", ""},
    {"BlanksInsideTagsAreIgnored", "12 [ s i n ] =", "12 [sin]  = 0.207912; \r\n", "0.207912", ""},
    {"UnknownTagIsIgnoredAndLaterTagsWork", "12 [sinx] [sin] =", "12 [sin]  = 0.207912; \r\n",
     "0.207912", ""},
    {"ErrorTagRunsNothing", "4 [error] + 1 =", "4 + 1 = 5; \r\n", "5", ""},
    {"UnrecognisedCharacterIsReportedOnce", "3 b 4 =", "34 = 34; \r\n", "34", kEditError},
    {"CapitalsTabsAndHighBytesAreUnrecognised", "1\tZ\xe9", "1", "1",
     kEditError + kEditError + kEditError},
    {"ZeroOperandOfReciprocalKeepsTheTerm", "8 / 0 [1/x]", "8 / 0", "0",
     "message: Error Message | Error - Illegal divide by zero!\\tIllegal term is replaced with "
     "a zero.\\t\\t\\t\\t\\nEdit zero term and use ReCalc to correct.\n"},
    {"PowersCompleteAtTheOperator", "2 [y^x] 10 + 1 =", "2 [y^x] 10  + 1 = 1025; \r\n", "1025", ""},
    {"ParenthesesNest", "2 * (3 + 4) =", "2 *  ( 3 + 4 )  = 14; \r\n", "14", ""},
    {"EmptyText", "", "", "", ""},
};

TEST_P(RecalcTest, ReplaysThroughTheKeys) {
    const ReplayCase& replay = GetParam();
    CCalculatorView& view = m_session.View();
    view.m_strEquation = replay.equation;
    view.ReCalc();
    EXPECT_EQ(view.m_strLargeDisplay, replay.large);
    EXPECT_EQ(view.m_strSmallDisplay, replay.small);
    EXPECT_EQ(m_events.str(), replay.events);
}

INSTANTIATE_TEST_SUITE_P(Grammar, RecalcTest, ::testing::ValuesIn(kReplayCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RecalcStateTest : public RecalcTest {};

TEST_F(RecalcStateTest, CurrentCalcHoldsTheTextUpToTheLastEquals) {
    m_session.View().m_strEquation = "1 + 1 =\r\n2 + 2";
    m_session.View().ReCalc();
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Current Calc"), "1 + 1 = 2; \r\n");
    EXPECT_EQ(m_session.View().m_strEquation, "1 + 1 = 2; \r\n");
}

TEST_F(RecalcStateTest, CurrentCalcHoldsTheReplayedTextWithoutEquals) {
    m_session.View().m_strEquation = "7 * 6";
    m_session.View().ReCalc();
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Current Calc"), "7 * 6");
}

TEST_F(RecalcStateTest, DoesNothingWhileANumberIsTyped) {
    CCalculatorView& view = m_session.View();
    view.OnDigit(4);
    view.m_strEquation = "1 + 1 =";
    view.ReCalc();
    EXPECT_EQ(view.m_strLargeDisplay, "4");
}

TEST_F(RecalcStateTest, KeySoundClicksOncePerReplay) {
    CCalculatorView& view = m_session.View();
    view.CurrentLevel().m_shared.m_bKeySound = 1;
    view.m_strEquation = "1 + 2 = 3; \r\n4 * 5 =";
    view.ReCalc();
    EXPECT_EQ(m_events.str(), "beep\n");
    EXPECT_EQ(view.CurrentLevel().m_shared.m_bKeySound.Stored(), 1);
}

TEST_F(RecalcStateTest, NestingBeyondTheTableIsRefusedAndTheReplayGoesOn) {
    CCalculatorView& view = m_session.View();
    view.m_strEquation = std::string(100, '(') + "5";
    view.ReCalc();
    EXPECT_EQ(m_events.str(), "message: Tarvo Error | Maximum level of parenthesis is 100\n");
    EXPECT_EQ(m_session.Doc().Levels().OpenCount(), 99);
    EXPECT_EQ(view.m_strSmallDisplay, "5");
}

TEST_F(RecalcStateTest, AnyByteSequenceReplaysWithoutHarm) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 37 + i / 256) % 256);
    CCalculatorView& view = m_session.View();
    view.m_strEquation = bytes;
    view.ReCalc();
    EXPECT_FALSE(view.m_bRecalcRunning);
}

} // namespace
} // namespace tarvo

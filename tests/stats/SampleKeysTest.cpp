// Every key as it writes the sample text: at its end, and at the caret the display was left
// with (insert mode), with the count that the next Enter reads from it.
#include "StatisticsFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvo {
namespace {

struct KeyCase {
    const char* name;
    const char* stored; // the sample of an earlier run
    const char* steps;
    const char* sample;
    const char* count;
};

void PrintTo(const KeyCase& row, std::ostream* out) {
    *out << row.name;
}

class SampleKeysTest : public StatisticsFixture, public ::testing::TestWithParam<KeyCase> {};

TEST_P(SampleKeysTest, WriteTheSampleText) {
    const KeyCase& row = GetParam();
    Open(row.stored);
    Act(row.steps);
    EXPECT_EQ(Sample(), row.sample);
    EXPECT_EQ(m_tool.m_strSample, row.sample);
    EXPECT_EQ(m_tool.m_strCount, row.count);
}

const KeyCase kNormalMode[] = {
    {"DigitsAndPointAppend", "", "1 2 . 5 0 3 4 6 7 8 9", "12.50346789", "0"},
    {"EnterClosesEachNumber", "", "1 Enter 2 . 5 Enter 3 +/- Enter", "1, 2.5, -3, ", "3"},
    {"EnterWithNothingTypedAddsNothing", "", "1 Enter Enter", "1, ", "1"},
    {"SignBeforeTheDigits", "", "+/- 3 Enter", "-3, ", "1"},
    {"SignGoesBeforeTheNumberAfterAnEntry", "", "1 Enter 2 3 +/-", "1, -23", "1"},
    {"SecondSignRemovesTheLastMinus", "", "1 +/- Enter 2 +/- +/-", "-1, 2", "1"},
    {"SignIsTypedWhereNoEntryStarts", "", "1 2 Enter <-- <-- +/-", "12-", "1"},
    {"SignTypedThatWayLeavesTheNumberToo", "", "1 2 Enter <-- <-- +/- +/- 3 +/-", "123-", "1"},
    {"ClearEntryKeepsTheEnteredNumbers", "", "1 Enter 2 Enter 3 4 CE", "1, 2, ", "2"},
    {"ClearEntryOfTheFirstNumberLeavesABlank", "", "3 4 CE", " ", "0"},
    {"ClearEntryMakesTheNextNumberPositive", "", "1 Enter 2 +/- CE 3 Enter", "1, 3, ", "2"},
    {"BackspaceRemovesTheLastDigit", "", "1 2 <-- Enter <--", "1,", "1"},
    {"BackspaceIntoEnteredNumbersUncountsTheLast", "", "1 Enter 2 Enter <-- <-- Enter", "1, 2",
     "1"},
    {"ClearEmptiesSampleAndCount", "7, 8, ", "9 CLR", "", ""},
};

const KeyCase kInsertMode[] = {
    {"DigitsInsertAtTheCaret", "", "[1, 2, 3, @3] 7 8 Enter", "1, 782, 3, ", "3"},
    {"DigitsAtTheEndAreANewNumber", "", "[1, 2, ] 3 Enter 4 Enter", "1, 2, 3, 4, ", "4"},
    {"SignInsertsAMinusAtTheCaret", "", "[1, 2, 3, @3] +/-", "1, -2, 3, ", "0"},
    {"SecondSignRemovesIt", "", "[1, 2, 3, @3] +/- +/-", "1, 2, 3, ", "0"},
    {"SignRemovesAMinusAtTheCaret", "", "[1, -2, @3] +/-", "1, 2, ", "0"},
    {"SignAtTheCaretNeverRemovesADigit", "", "5 +/- [-5, 2, @4] +/-", "-5, -2, ", "0"},
    {"SignAndDigitsStayTogether", "", "[1, 2, @3] 7 8 +/- 9 +/-", "1, 7892, ", "0"},
    {"SignBeyondTheEndGoesToTheEnd", "", "[1, 2, ] <-- +/-", "1, 2,-", "0"},
    {"BackspaceShortensTheTextAtItsEnd", "", "[1, 2, 3, @3] 7 <-- 8", "1, 782, 3,", "0"},
    {"BackspaceCutsAnInsertionAtTheEnd", "", "[1, ] 7 8 <-- 9 Enter", "1, 79, ", "2"},
    {"ClearEntryClearsAnInsertionAtTheEnd", "", "[1, ] 7 8 CE 9 Enter", "1, 9, ", "2"},
    {"EnterRestoresTheBlankAfterEachComma", "", "[1,2,3,] Enter", "1, 2, 3, ", "3"},
    {"StrayCommasAreDroppedAndLaterNumbersStay", "", "[1, ,, 3, ] Enter", "1, 3, ", "2"},
    {"LeadingStrayComma", "", "[, 2, 3, ] Enter", "2, 3, ", "2"},
    {"LeavingAgainStartsANewInsertion", "", "[1, 2, @0] 5 [51, 2, @4] 6 Enter", "51, 62, ", "2"},
    {"EnterEndsInsertMode", "", "[1, 2, @0] Enter 5 Enter", "1, 2, 5, ", "3"},
    {"ClearEndsInsertMode", "", "[1, 2, @0] CLR 5 Enter", "5, ", "1"},
};

INSTANTIATE_TEST_SUITE_P(NormalMode, SampleKeysTest, ::testing::ValuesIn(kNormalMode),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(InsertMode, SampleKeysTest, ::testing::ValuesIn(kInsertMode),
                         [](const auto& info) { return std::string(info.param.name); });

// The user sees what the next key extends.
TEST(InsertionTest, StaysSelectedWhileItGrows) {
    struct Fixture : StatisticsFixture {
        TextSelection After(const char* steps) {
            Act(steps);
            return m_host.SampleSelection();
        }
    } tool;
    tool.After("[1, 2, 3, @3]");
    const std::tuple<const char*, int, int> keys[] = {
        {"7", 3, 4}, {"8", 3, 5}, {"+/-", 4, 6}, {"9", 4, 7}, {"+/-", 3, 6}};
    for (const auto& [key, start, end] : keys) {
        const TextSelection selection = tool.After(key);
        EXPECT_EQ(selection.start, start) << key;
        EXPECT_EQ(selection.end, end) << key;
    }
}

} // namespace
} // namespace tarvo

#include "CalcLevel.h"
#include "RecordedMessages.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvo {
namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Row> std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

void SetPrecision(CCalcLevel& level, Precision precision) {
    level.m_shared.m_bNormalPrecision = precision == Precision::Normal;
    level.m_shared.m_bLowPrecision = precision == Precision::Low;
    level.m_shared.m_bHighPrecision = precision == Precision::High;
}

// The calculation state of a level, compared whole where a step must change nothing.
struct Operands {
    double left = 0, right = 0, saved = 0, lastResult = 0;
    OperandState leftState = OperandState::Empty, rightState = OperandState::Empty,
                 savedState = OperandState::Empty;
    CalcOperator currentOp = CalcOperator::None, pendingOp = CalcOperator::None,
                 savedOp = CalcOperator::None;
    bool divideError = false;
    std::string entry = "";
    bool operator==(const Operands&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Operands& s) {
        const auto n = [](auto value) { return static_cast<int>(value); };
        return out << "left " << s.left << "/" << n(s.leftState) << ", right " << s.right << "/"
                   << n(s.rightState) << ", saved " << s.saved << "/" << n(s.savedState) << ", ops "
                   << n(s.currentOp) << " " << n(s.pendingOp) << " " << n(s.savedOp) << ", last "
                   << s.lastResult << ", error " << s.divideError << ", entry '" << s.entry << "'";
    }
};

Operands OperandsOf(const CCalcLevel& l) {
    return {l.m_dLeft,      l.m_dRight,      l.m_dSaved,       l.m_dLastResult,
            l.m_nLeftState, l.m_nRightState, l.m_nSavedState,  l.m_nCurrentOp,
            l.m_nPendingOp, l.m_nSavedOp,    l.m_bDivideError, l.m_strEntry};
}

class LevelTest : public testing::Test {
protected:
    test::RecordedMessages<> boxes;
    CCalcLevel level{boxes};
};

// Feeds space-separated keys to a level the way the calculator form does. A number is typed
// into the entry, which (like typing) drops the last result; "+ - * / =" apply the operator;
// "(N)" is a closed parenthesis handing the whole number N over; "C" is Clear and "R" the
// reset of the operands that starts a ReCalc. Returns the text of every operator key.
std::vector<std::string> Press(CCalcLevel& level, const std::string& keys) {
    std::vector<std::string> results;
    std::istringstream in(keys);
    for (std::string key; in >> key;) {
        const std::string operators = "+-*/=";
        if (key.size() == 1 && operators.find(key[0]) != std::string::npos) {
            const CalcOperator codes[] = {CalcOperator::Add, CalcOperator::Subtract,
                                          CalcOperator::Multiply, CalcOperator::Divide,
                                          CalcOperator::Equals};
            results.push_back(level.ApplyOperator(codes[operators.find(key[0])]));
        } else if (key == "C") {
            level.Reset();
        } else if (key == "R") {
            level.ResetOperands();
        } else if (key.front() == '(') {
            level.TakeParenthesisValue(std::stoi(key.substr(1)), OperandState::Computed);
        } else {
            level.m_strEntry = key;
            level.m_dLastResult = 0;
        }
    }
    return results;
}

struct SequenceRow {
    const char* name;
    Precision precision;
    const char* keys;
    std::vector<std::string> results;
    size_t messages;
};

class PrecedenceTest : public LevelTest, public testing::WithParamInterface<SequenceRow> {};

TEST_P(PrecedenceTest, ReturnsTextOfEachOperator) {
    SetPrecision(level, GetParam().precision);
    EXPECT_EQ(Press(level, GetParam().keys), GetParam().results);
    EXPECT_EQ(boxes.messages.size(), GetParam().messages);
}

const Precision N = Precision::Normal;
const SequenceRow kSequenceRows[] = {
    {"MultiplicationBeforeAddition", N, "2 + 3 * 4 =", {"", "", "14"}, 0},
    {"MultiplicationFirstEvaluatesAtOnce", N, "2 * 3 + 4 =", {"", "6", "10"}, 0},
    {"DeferredAdditionResolvedByMinus", N, "2 + 3 * 4 - 5 =", {"", "", "14", "9"}, 0},
    {"SubtractionDeferred", N, "2 - 3 * 4 =", {"", "", "-10"}, 0},
    {"DivisionLeftToRight", N, "8 / 2 / 2 =", {"", "4", "2"}, 0},
    {"SubtractionLeftToRight", N, "1 - 2 - 3 =", {"", "-1", "-4"}, 0},
    {"SecondMultiplyKeepsAdditionDeferred", N, "2 + 3 * 4 * 5 =", {"", "", "12", "62"}, 0},
    {"DivideKeepsAdditionDeferred", N, "2 + 3 * 4 / 2 =", {"", "", "12", "8"}, 0},
    {"LongChainKeepsPrecedence", N, "97 - 1 * 95 / 93 =", {"", "", "95", "95.9785"}, 0},
    {"OperatorAfterMultiplyReplacesIt", N, "2 + 3 * - 4 =", {"", "", "5", "1"}, 0},
    {"TwoDeferralsInTurn", N, "1 + 2 * 3 + 4 * 5 =", {"", "", "7", "", "27"}, 0},
    {"SecondOperatorReplacesFirst", N, "2 + * 3 =", {"", "", "6"}, 0},
    {"EqualsWithoutOperator", N, "9 =", {""}, 0},
    {"OperatorContinuesFromResult", N, "2 + 3 = + 4 =", {"", "5", "", "9"}, 0},
    {"NumberAfterResultReplacesIt", N, "2 + 3 = 4 + 1 =", {"", "5", "4", "5"}, 0},
    {"SecondEqualsReturnsNothing", N, "2 + 3 = =", {"", "5", ""}, 0},
    {"NonNumberCountsAsZero", N, "abc + 2 =", {"", "2"}, 0},
    {"EntryWithExponent", N, "3e-4 * 2 =", {"", "0.0006"}, 0},
    {"NegativeEntry", N, "-7 + 2 =", {"", "-5"}, 0},
    {"DivideByZeroWaitsForDivisor", N, "5 / 0 = =", {"", "", ""}, 2},
    {"DeferredDivideByZeroStaysFailed", N, "2 + 6 / 0 = =", {"", "", "", ""}, 2},
    {"DivisorTypedAfterErrorIsTaken",
     N,
     "5 / 0 + 4 = 2 + 3 * 4 =",
     {"", "", "1.25", "2", "", "14"},
     1},
    {"ParenthesisAsRightOperand", N, "2 * (7) =", {"", "14"}, 0},
    {"ParenthesisRightOperandConsumed", N, "2 * (7) + 1 =", {"", "14", "15"}, 0},
    {"ParenthesisAsLeftOperand", N, "(5) * 4 =", {"", "20"}, 0},
    {"ParenthesisLeftIgnoresTypedNumber", N, "(7) 5 + 1 =", {"", "8"}, 0},
    {"ParenthesisDefersAddition", N, "2 + (3) * 4 =", {"", "", "14"}, 0},
    {"ClearForgetsParenthesisOperand", N, "(2) C 5 + 3 =", {"", "8"}, 0},
    {"NormalResult", N, "1000000 * 3 =", {"", "3e+006"}, 0},
    {"LowResultKeepsZeros", Precision::Low, "2 / 4 =", {"", "0.50"}, 0},
    {"HighResult", Precision::High, "2 / 3 =", {"", "0.6666666667"}, 0},
};
INSTANTIATE_TEST_SUITE_P(Rows, PrecedenceTest, testing::ValuesIn(kSequenceRows),
                         RowName<SequenceRow>);

TEST_F(LevelTest, DefersAdditionBehindMultiplication) {
    Press(level, "2 + 3 * 4");
    EXPECT_EQ(OperandsOf(level), (Operands{.left = 3,
                                           .saved = 2,
                                           .leftState = OperandState::Typed,
                                           .savedState = OperandState::Typed,
                                           .currentOp = CalcOperator::Multiply,
                                           .pendingOp = CalcOperator::Multiply,
                                           .savedOp = CalcOperator::Add,
                                           .entry = "4"}));
}

TEST_F(LevelTest, EqualsAloneKeepsValueAsLeftOperand) {
    Press(level, "9 =");
    EXPECT_EQ(level.m_dLeft, 9);
    EXPECT_EQ(level.m_nCurrentOp, CalcOperator::Equals);
}

TEST_F(LevelTest, SecondEqualsKeepsResult) {
    Press(level, "2 + 3 = =");
    EXPECT_EQ(level.m_dLeft, 5);
}

TEST_F(LevelTest, OperatorConsumingParenthesisOperandEndsIt) {
    Press(level, "2 * (7) +");
    EXPECT_FALSE(level.m_bRightFromParen);
}

TEST_F(LevelTest, DivisionByZeroShowsMessageAndChangesNothing) {
    Press(level, "5 / 0");
    const Operands before = OperandsOf(level);

    EXPECT_EQ(Press(level, "="), std::vector<std::string>{""});
    EXPECT_EQ(boxes.messages, std::vector<std::string>{"Tarvo 2.0 | Error - Illegal divide by "
                                                       "zero!\t\t\t\t\nRemove zero and use "
                                                       "Recalc to correct."});
    EXPECT_TRUE(boxes.buttons == std::vector<MessageButtons>{MessageButtons::Ok});
    EXPECT_TRUE(level.m_bDivideError);
    level.m_bDivideError = false;
    EXPECT_EQ(OperandsOf(level), before);
}

TEST_F(LevelTest, FailedDeferredDivisionKeepsEverything) {
    Press(level, "2 + 6 / 0 =");
    const Operands before = OperandsOf(level);
    EXPECT_EQ(before.saved, 2);
    EXPECT_EQ(before.savedOp, CalcOperator::Add);
    EXPECT_EQ(Press(level, "="), std::vector<std::string>{""});
    EXPECT_EQ(OperandsOf(level), before);
}

TEST_F(LevelTest, EvaluateWithoutPendingOperatorChangesNothing) {
    Press(level, "3");
    const Operands before = OperandsOf(level);
    EXPECT_EQ(level.Evaluate(), "");
    EXPECT_EQ(OperandsOf(level), before);
}

struct FirstOperandRow {
    const char* name;
    const char* keys; // the last key takes the entry 7 as the left operand
    bool entryKept;
};

class FirstOperandTest : public LevelTest, public testing::WithParamInterface<FirstOperandRow> {};

// Equals keeps the entry for the operator waiting for it; every other case consumes it.
TEST_P(FirstOperandTest, TakesEntryAsLeftOperand) {
    EXPECT_EQ(Press(level, GetParam().keys).back(), "");
    EXPECT_EQ(level.m_dLeft, 7);
    EXPECT_EQ(level.m_nLeftState, OperandState::Typed);
    EXPECT_EQ(level.m_strEntry, GetParam().entryKept ? "7" : "");
}

const FirstOperandRow kFirstOperandRows[] = {
    {"EqualsWithNothingPending", "7 =", false},
    {"EqualsWithPendingOperator", "2 + R 7 =", true},
    {"EqualsWithDeferredOperator", "2 - 3 * R 7 =", true},
    {"OperatorWithPendingOperator", "2 + R 7 *", false},
};
INSTANTIATE_TEST_SUITE_P(Rows, FirstOperandTest, testing::ValuesIn(kFirstOperandRows),
                         RowName<FirstOperandRow>);

struct EvaluateRow {
    const char* name;
    const char* keys;
    CalcOperator pendingOp;
    double result;
    const char* text;
};

class EvaluateTest : public LevelTest, public testing::WithParamInterface<EvaluateRow> {};

TEST_P(EvaluateTest, StoresResultAsLeftOperand) {
    const EvaluateRow& row = GetParam();
    EXPECT_EQ(Press(level, row.keys).back(), row.text);
    EXPECT_EQ(OperandsOf(level), (Operands{.left = row.result,
                                           .lastResult = row.result,
                                           .leftState = OperandState::Computed,
                                           .currentOp = CalcOperator::Equals,
                                           .pendingOp = row.pendingOp}));
}

const EvaluateRow kEvaluateRows[] = {
    {"EqualsTakesRightOperand", "5 = 7 =", CalcOperator::Equals, 7, "7"},
    {"Add", "2 + 3 =", CalcOperator::Add, 5, "5"},
    {"Subtract", "2 - 3 =", CalcOperator::Subtract, -1, "-1"},
    {"Multiply", "2.5 * 4 =", CalcOperator::Multiply, 10, "10"},
    {"Divide", "1 / 4 =", CalcOperator::Divide, 0.25, "0.25"},
    {"CorrectedDivisorEndsError", "8 / 0 = 4 =", CalcOperator::Divide, 2, "2"},
    {"Overflow", "1e200 * 1e200 =", CalcOperator::Multiply, kInf, "1.#INF"},
    {"NegativeOverflow", "-1e200 * 1e200 =", CalcOperator::Multiply, -kInf, "-1.#INF"},
};
INSTANTIATE_TEST_SUITE_P(Rows, EvaluateTest, testing::ValuesIn(kEvaluateRows),
                         RowName<EvaluateRow>);

TEST_F(LevelTest, EntryValuePrefersLastResult) {
    const struct {
        double lastResult;
        const char* text;
        double expected;
    } rows[] = {{0, "12.5", 12.5}, {7, "12.5", 7}, {-2, "3", -2},
                {0, "abc", 0},     {0, "", 0},     {0, "3e-4", 0.0003}};
    for (const auto& row : rows) {
        level.m_dLastResult = row.lastResult;
        level.m_strEntry = row.text;
        EXPECT_EQ(level.GetEntryValue(), row.expected) << row.lastResult << " " << row.text;
        level.m_strEntry = "999";
        EXPECT_EQ(level.GetValue(row.text), row.expected) << row.lastResult << " " << row.text;
    }
}

// A calculation under way, with a deferred addition and a parenthesis operand, on a level
// whose registers and settings all differ from their start values.
void StartCalculation(CCalcLevel& level) {
    level.m_shared = {.m_dMemory = 5,
                      .m_dTransfer = 5,
                      .m_dNixetResult = 5,
                      .m_dStatResult = 5,
                      .m_bNormalPrecision = false,
                      .m_bHighPrecision = true,
                      .m_bLowPrecision = true,
                      .m_bKeySound = 1,
                      .m_bSaveLast = 1};
    level.RequestLoad(LoadMode::Insert);
    Press(level, "2 + 3 * (4) 42");
}

void ExpectRegistersKept(const CCalcLevel& level) {
    const SharedLevelState& shared = level.m_shared;
    for (double value :
         {shared.m_dMemory, shared.m_dTransfer, shared.m_dStatResult, shared.m_dNixetResult})
        EXPECT_EQ(value, 5);
    EXPECT_TRUE(shared.m_bHighPrecision && shared.m_bLowPrecision && !shared.m_bNormalPrecision);
    EXPECT_TRUE(shared.m_bKeySound.IsOn() && shared.m_bSaveLast.IsOn());
    EXPECT_TRUE(level.m_bLoadPending);
    EXPECT_EQ(level.m_nLoadMode, LoadMode::Insert);
}

TEST_F(LevelTest, ResetClearsCalculationAndParenthesisOperands) {
    StartCalculation(level);
    level.Reset();
    EXPECT_EQ(OperandsOf(level), Operands{});
    EXPECT_FALSE(level.m_bLeftFromParen);
    EXPECT_FALSE(level.m_bRightFromParen);
    ExpectRegistersKept(level);
}

TEST_F(LevelTest, ResetOperandsKeepsEntryAndOperators) {
    StartCalculation(level);
    level.ResetOperands();
    EXPECT_EQ(OperandsOf(level), (Operands{.currentOp = CalcOperator::Multiply,
                                           .pendingOp = CalcOperator::Multiply,
                                           .savedOp = CalcOperator::Add,
                                           .entry = "42"}));
    EXPECT_FALSE(level.m_bRightFromParen);
    ExpectRegistersKept(level);
}

struct ResultRow {
    const char* name;
    double value;
    const char* normal;
    const char* low;
    const char* high;
};

class FormatResultTest : public LevelTest, public testing::WithParamInterface<ResultRow> {};

TEST_P(FormatResultTest, FollowsPrecision) {
    SetPrecision(level, Precision::Normal);
    EXPECT_EQ(level.FormatResult(GetParam().value), GetParam().normal);
    SetPrecision(level, Precision::Low);
    EXPECT_EQ(level.FormatResult(GetParam().value), GetParam().low);
    SetPrecision(level, Precision::High);
    EXPECT_EQ(level.FormatResult(GetParam().value), GetParam().high);
}

const ResultRow kResultRows[] = {
    {"TwoThirds", 2.0 / 3, "0.666667", "0.67", "0.6666666667"},
    {"WholeNumber", 2.0, "2", "2.00", "2"},
    {"Zero", 0.0, "0", "0.00", "0"},
    {"Negative", -12.5, "-12.5", "-12.50", "-12.5"},
    {"ThreeMillion", 3e6, "3e+006", "3000000.00", "3000000"},
    {"NineDigits", 123456789.0, "1.23457e+008", "123456789.00", "123456789"},
    {"BeyondSixteenDigits", 1e17, "1e+017", "100000000000000000.00", "1e+017"},
    {"Infinity", kInf, "1.#INF", "1.#INF", "1.#INF"},
    {"NegativeInfinity", -kInf, "-1.#INF", "-1.#INF", "-1.#INF"},
    {"NaN", kNaN, "-1.#IND", "-1.#IND", "-1.#IND"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatResultTest, testing::ValuesIn(kResultRows),
                         RowName<ResultRow>);

// The effective mode comes from the High and Low flags; the Normal flag only mirrors the menu.
TEST_F(LevelTest, HighPrecisionWinsOverLowAndNormalFlagIsIgnored) {
    SharedLevelState& shared = level.m_shared;
    shared.m_bNormalPrecision = shared.m_bLowPrecision = shared.m_bHighPrecision = true;
    EXPECT_EQ(level.FormatResult(2.0 / 3), "0.6666666667");
    shared.m_bHighPrecision = false;
    EXPECT_EQ(level.FormatResult(2.0 / 3), "0.67");
    shared.m_bLowPrecision = shared.m_bNormalPrecision = false;
    EXPECT_EQ(level.FormatResult(2.0 / 3), "0.666667");
}

} // namespace
} // namespace tarvo

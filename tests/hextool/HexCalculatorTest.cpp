// The hex calculator's keys: entry, operators from left to right, "=", CLR and the byte-order
// switch, as the four displays show them.
#include "HexToolTestSupport.h"

namespace tarvo::test {
namespace {

struct Shown {
    std::string display;
    std::string hex;
    std::string decimal;
    std::string binary;
    std::string order = "Mot";
};

struct KeyCase {
    const char* name;
    const char* keys;
    Shown shown;
    std::size_t messages = 0;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name << ": " << c.keys;
}

const std::string kZeros32 = "0000 0000 0000 0000 0000 0000 ";
const std::string kMustBeIntegral = "ERROR | Must select Integral Data Type for this function.";

const KeyCase kCases[] = {
    {"UnsignedCharSubtraction", "uchar 5 - 3 =", {"2", "02", "2", "0000 0010"}},
    {"UnsignedCharWrapsBelowZero", "uchar 3 - 5 =", {"FE", "FE", "254", "1111 1110"}},
    {"CharResultIsSignExtended", "char 3 - 5 =", {"FFFFFFFE", "FFFFFFFE", "-2", "1111 1110"}},
    {"ChainsRunLeftToRight", "5 + 3 * 2 =", {"10", "00000010", "16", kZeros32 + "0001 0000"}},
    {"ChainOfAdditions", "1 + 2 + 3 + 4 =", {"A", "0000000A", "10", kZeros32 + "0000 1010"}},
    {"SameOperatorTwiceEvaluates", "5 + +", {"5", "00000005", "5", kZeros32 + "0000 0101"}},
    {"ThirdDigitOfACharIsRefused", "uchar 1 2 3", {"12", "12", "18", "0001 0010"}},
    {"NextOperandHasTheFullDigitLimit", "uchar 1 2 3 + 4 5 6 =", {"57", "57", "87", "0101 0111"}},
    {"CharOperandsTakeTwoDigitsEach", "char 1 2 + 3 4 5 =", {"46", "46", "70", "0100 0110"}},
    {"DigitAfterEqualsStartsANewCalculation", "5 + 3 = 7", {"7", "7", "7", kZeros32 + "0000 0111"}},
    {"OperandTwoIsReadAgainAfterAChange",
     "5 + 3 * =",
     {"0", "00000000", "0", kZeros32 + "0000 0000"}},
    {"DivisionKeepsOperandTwo", "5 + 3 / =", {"2", "00000002", "2", kZeros32 + "0000 0010"}},
    {"OperatorAfterEqualsContinuesFromTheResult",
     "5 + 3 = + 2 =",
     {"A", "0000000A", "10", kZeros32 + "0000 1010"}},
    {"ModulusByZero", "7 % 0 =", {"0", "00000000", "0", kZeros32 + "0000 0000"}},
    {"DivisionByZero", "7 / 0 =", {"0", "00000000", "0", kZeros32 + "0000 0000"}},
    {"ModulusReplacesAPendingOperator",
     "5 + 3 % 2 =",
     {"5", "00000005", "5", kZeros32 + "0000 0101"}},
    {"LongMinimumByMinusOne",
     "long 8 0 0 0 0 0 0 0 / F F F F F F F F =",
     {"80000000", "80000000", "-2147483648", "1000 0000 0000 0000 0000 0000 0000 0000"}},
    {"ShiftBySixteenEmptiesAnUnsignedInt",
     "uint 1 << 1 0 =",
     {"0", "0000", "0", "0000 0000 0000 0000"}},
    {"ShiftCountsModuloThirtyTwo", "uint 1 << 2 1 =", {"2", "0002", "2", "0000 0000 0000 0010"}},
    {"ComplementTwiceRestoresTheNumber", "5 ~ ~", {"5", "00000005", "5", kZeros32 + "0000 0101"}},
    {"ComplementOfACharIsNotSignExtended", "char 5 ~", {"FA", "FA", "-6", "1111 1010"}},
    {"ComplementDoesNotCompleteAPendingOperation",
     "5 + 3 ~",
     {"FFFFFFFF", "FFFFFFFF", "4294967295", "1111 1111 1111 1111 1111 1111 1111 1111"}},
    {"ComplementAfterEqualsTakesTheResult",
     "5 + 3 = ~",
     {"FFFFFFF7", "FFFFFFF7", "4294967287", "1111 1111 1111 1111 1111 1111 1111 0111"}},
    {"EqualsRightAfterOpeningDoesNothing", "=", {"", "", "", ""}},
    {"EqualsWithoutOperationShowsTheFullWidth",
     "8 =",
     {"8", "00000008", "8", kZeros32 + "0000 1000"}},
    {"EqualsWithoutOperationAgainKeepsTheNumber", "uchar 0 8 = =", {"8", "08", "8", "0000 1000"}},
    {"ByteOrderOfANumberWithoutOperation",
     "8 = Mot",
     {"8", "08000000", "8", "0000 1000 0000 0000 0000 0000 0000 0000 ", "Int"}},
    {"EqualsAfterClearDoesNothing", "5 + 3 = CLR =", {"", "", "", ""}},
    {"TypeChosenMidEntryKeepsItsOwnValues", "1 2 + uchar 3 =", {"3", "03", "3", "0000 0011"}},
    {"ChoosingATypeChangesNoDisplay", "1 2 + char", {"12", "12", "18", kZeros32 + "0001 0010"}},
    {"DigitUnderDoubleIsRefusedWithAMessage",
     "5 double 6",
     {"5", "5", "5", kZeros32 + "0000 0101"},
     1},
    {"OperatorUnderFloatIsRefusedWithAMessage",
     "5 + 3 float * ulong =",
     {"8", "00000008", "8", kZeros32 + "0000 1000"},
     1},
    {"EqualsUnderARealTypeComputesNothing",
     "5 + 3 double =",
     {"0", "", "", kZeros32 + "0000 0011"}},
    {"ByteOrderSwitchFlipsHexAndBinary",
     "5 + 3 = Mot",
     {"8", "08000000", "8", "0000 1000 0000 0000 0000 0000 0000 0000 ", "Int"}},
    {"ByteOrderSwitchTwiceRestores",
     "5 + 3 = Mot Mot",
     {"8", "00000008", "8", kZeros32 + "0000 1000", "Mot"}},
    {"EqualsResetsTheByteOrder",
     "5 + 3 = Mot + 1 =",
     {"9", "00000009", "9", kZeros32 + "0000 1001", "Mot"}},
    {"ClearKeepsTheByteOrder", "5 + 3 = Mot CLR", {"", "", "", "", "Int"}},
    {"OddHexTextGetsALeadingZero",
     "1 2 3 Mot Mot",
     {"123", "0123", "291", "0000 0000 0000 0000 0000 0001 0010 0011"}},
};

class HexCalculatorTest : public HexToolFixture, public ::testing::TestWithParam<KeyCase> {};

TEST_P(HexCalculatorTest, ShowsInEveryDisplay) {
    const KeyCase& c = GetParam();
    Press(c.keys);
    EXPECT_EQ(m_host.display, c.shown.display);
    EXPECT_EQ(m_host.hex, c.shown.hex);
    EXPECT_EQ(m_host.decimal, c.shown.decimal);
    EXPECT_EQ(m_host.binary, c.shown.binary);
    EXPECT_EQ(m_host.order, c.shown.order);
    EXPECT_EQ(m_host.messages.size(), c.messages);
    for (const std::string& message : m_host.messages)
        EXPECT_EQ(message, kMustBeIntegral);
}

INSTANTIATE_TEST_SUITE_P(HexKeys, HexCalculatorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class HexDisplayTypingTest : public HexToolFixture, public ::testing::Test {
protected:
    void TypeIntoDisplay(const std::string& text) {
        m_tool.OnDisplaySetFocus();
        m_host.display = text;
        m_tool.OnDisplayChange();
    }
};

TEST_F(HexDisplayTypingTest, ReplacesTheOperandWithoutRewritingTheDisplay) {
    TypeIntoDisplay("1f");
    EXPECT_EQ(m_host.display, "1f");
    EXPECT_EQ(m_host.hex, "1f");
    EXPECT_EQ(m_host.decimal, "31");
    EXPECT_EQ(m_host.binary, kZeros32 + "0001 1111");
    m_tool.OnDisplayKillFocus();
    Press("+ 1 =");
    EXPECT_EQ(m_host.display, "20");
}

TEST_F(HexDisplayTypingTest, TypesOperandTwoAfterAnOperatorWithoutDigitLimit) {
    Press("uchar 5 +");
    TypeIntoDisplay("103");
    EXPECT_EQ(m_host.hex, "103");
    EXPECT_EQ(m_host.decimal, "3"); // the byte holds 03
    m_tool.OnDisplayKillFocus();
    Press("=");
    EXPECT_EQ(m_host.display, "8");
}

TEST_F(HexDisplayTypingTest, TextsTheToolWritesAreNoTyping) {
    Press("5 + 3 =");
    m_host.display = "77"; // a change while the display has no focus
    m_tool.OnDisplayChange();
    EXPECT_EQ(m_host.hex, "00000008");
    EXPECT_EQ(m_tool.m_pCalc->m_strOperand2, "");
}

TEST_F(HexDisplayTypingTest, LeavingTheDisplayRefreshesEveryDisplay) {
    Press("1 2 +");
    TypeIntoDisplay("zz"); // no hex digits: the operand reads 0
    EXPECT_EQ(m_host.decimal, "0");
    m_tool.OnDisplayKillFocus();
    EXPECT_FALSE(m_tool.m_bDisplayFocus);
    EXPECT_EQ(m_host.display, "zz");
    EXPECT_EQ(m_host.hex, "zz");
    EXPECT_EQ(m_host.binary, kZeros32 + "0000 0000");
}

TEST_F(HexDisplayTypingTest, UnderARealTypeShowsTheBitsOfTheIntegerAsThatType) {
    Press("float");
    TypeIntoDisplay("1");
    EXPECT_EQ(m_host.decimal, "");
    EXPECT_EQ(m_host.binary, "0000 0000 0000 0000 1000 0000 0011 1111 ");
    EXPECT_TRUE(m_host.messages.empty());
}

} // namespace
} // namespace tarvo::test

#include "NumberText.h"
#include "CalcLevel.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace tarvo {
namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Row> std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

struct FormatRow {
    const char* name;
    double value;
    int digits; // significant digits or decimals; unused by FormatScientific
    const char* expected;
};

class FormatGeneralTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatGeneralTest, WritesPrintfGeneralText) {
    EXPECT_EQ(FormatGeneral(GetParam().value, GetParam().digits), GetParam().expected);
}

const FormatRow kGeneralRows[] = {
    {"Zero", 0.0, 6, "0"},
    {"Half", 0.5, 6, "0.5"},
    {"TwoThirdsRoundsUp", 2.0 / 3, 6, "0.666667"},
    {"SixDigitsStayPlain", 999999.0, 6, "999999"},
    {"MillionTakesExponent", 1e6, 6, "1e+006"},
    {"SevenDigitsRoundUp", 1234567.0, 6, "1.23457e+006"},
    {"SevenDigitsRoundDown", 1234564.0, 6, "1.23456e+006"},
    {"RoundingCarriesIntoExponent", 999999.7, 6, "1e+006"},
    {"TenThousandthStaysPlain", 0.0001, 6, "0.0001"},
    {"HundredThousandthTakesExponent", 0.00001, 6, "1e-005"},
    {"SmallKeepsSixDigits", 0.000123456, 6, "0.000123456"},
    {"ExponentPaddedToThreeDigits", 1e16, 6, "1e+016"},
    {"NegativeExponentPadded", 5e-11, 6, "5e-011"},
    {"ThreeDigitExponent", 1.5e300, 6, "1.5e+300"},
    {"Negative", -2.5, 6, "-2.5"},
    {"NegativeExponentForm", -1234567.0, 6, "-1.23457e+006"},
    {"BinaryNoiseHidden", 0.1 + 0.2, 6, "0.3"},
    {"PiToTwelveDigits", 3.14159265358979, 12, "3.14159265359"},
    {"SeventeenDigitsShowBinaryNoise", 0.1 + 0.2, 17, "0.30000000000000004"},
    {"MoreDigitsMoveExponentSwitch", 1e16, 17, "10000000000000000"},
    {"ExponentEqualToDigits", 1e10, 10, "1e+010"},
    {"OneDigit", 26.0, 1, "3e+001"},
    {"Infinity", kInf, 6, "1.#INF"},
    {"NegativeInfinity", -kInf, 6, "-1.#INF"},
    {"NaN", kNaN, 6, "-1.#IND"},
    {"NaNWithPayload", std::nan("7"), 6, "-1.#IND"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatGeneralTest, testing::ValuesIn(kGeneralRows),
                         RowName<FormatRow>);

class FormatFixedTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatFixedTest, WritesPrintfFixedText) {
    EXPECT_EQ(FormatFixed(GetParam().value, GetParam().digits), GetParam().expected);
}

const FormatRow kFixedRows[] = {
    {"TwoThirdsRounded", 2.0 / 3, 2, "0.67"},
    {"KeepsTrailingZeros", 0.5, 2, "0.50"},
    {"WholeNumber", 2.0, 2, "2.00"},
    {"Zero", 0.0, 2, "0.00"},
    {"SixDecimals", 1.0 / 3, 6, "0.333333"},
    {"NoDecimalsNoPoint", 123456.789, 0, "123457"},
    {"Negative", -12.3456, 2, "-12.35"},
    {"NegativeRoundedToZeroKeepsSign", -0.004, 2, "-0.00"},
    {"CarryIntoIntegerPart", 9.999, 2, "10.00"},
    {"LargeNumberWithoutExponent", 1e20, 2, "100000000000000000000.00"},
    {"ExactBinaryExpansion", 0.1, 20, "0.10000000000000000555"},
    {"Infinity", kInf, 2, "1.#INF"},
    {"NegativeInfinity", -kInf, 6, "-1.#INF"},
    {"NaN", kNaN, 2, "-1.#IND"},
    {"NegativeNaN", -kNaN, 14, "-1.#IND"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatFixedTest, testing::ValuesIn(kFixedRows), RowName<FormatRow>);

class FormatScientificTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatScientificTest, WritesPrintfExponentText) {
    EXPECT_EQ(FormatScientific(GetParam().value), GetParam().expected);
}

const FormatRow kScientificRows[] = {
    {"FixedEntryExample", 1234.5, 0, "1.234500e+003"},
    {"Zero", 0.0, 0, "0.000000e+000"},
    {"NegativeSmall", -0.00012345, 0, "-1.234500e-004"},
    {"RoundingCarriesIntoExponent", 9.9999999, 0, "1.000000e+001"},
    {"ThreeDigitExponent", 1e100, 0, "1.000000e+100"},
    {"TinyExponent", 1e-300, 0, "1.000000e-300"},
    {"Infinity", kInf, 0, "1.#INF"},
    {"NegativeInfinity", -kInf, 0, "-1.#INF"},
    {"NaN", kNaN, 0, "-1.#IND"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatScientificTest, testing::ValuesIn(kScientificRows),
                         RowName<FormatRow>);

struct ValueRow {
    const char* name;
    std::string text;
    double expected;
};

class NumericValueTest : public testing::TestWithParam<ValueRow> {};

TEST_P(NumericValueTest, ReadsLongestDecimalPrefix) {
    EXPECT_EQ(NumericValue(GetParam().text), GetParam().expected);
}

const std::string kZeros400(400, '0');

const ValueRow kValueRows[] = {
    {"Empty", "", 0},
    {"OnlySpaces", "   ", 0},
    {"Decimal", "12.5", 12.5},
    {"LeadingWhiteSpace", " \t\n\v\f\r7", 7},
    {"PlusSign", "+7", 7},
    {"MinusSign", "-7", -7},
    {"SpaceAfterSign", "- 7", 0},
    {"TwoSigns", "+-3", 0},
    {"TrailingPoint", "5.", 5},
    {"LeadingPoint", ".5", 0.5},
    {"SignedLeadingPoint", "-.5", -0.5},
    {"PointAlone", ".", 0},
    {"SignAlone", "-", 0},
    {"ExponentWithoutDigits", "1e", 1},
    {"ExponentSignWithoutDigits", "1e-", 1},
    {"NegativeExponent", "2e-3", 0.002},
    {"UpperCaseExponent", "2E3", 2000},
    {"PlusExponent", "1.5e+2", 150},
    {"PointBeforeExponent", "5.e2", 500},
    {"ExponentWithoutMantissa", "e5", 0},
    {"PointThenExponent", ".e2", 0},
    {"TrailingGarbage", "12abc", 12},
    {"GarbageAfterExponent", "1e+5x", 100000},
    {"SecondPoint", "1.2.3", 1.2},
    {"DecimalCommaEndsNumber", "2,5", 2},
    {"InnerSpaceEndsNumber", "1 2", 1},
    {"NoHex", "0x1A", 0},
    {"NoInf", "inf", 0},
    {"NoNaN", "nan", 0},
    {"OverflowToInfinity", "1e400", kInf},
    {"NegativeOverflow", "-1e400", -kInf},
    {"UnderflowToZero", "1e-400", 0},
    {"Subnormal", "1e-320", 1e-320},
    {"HugeExponent", "1e99999999999999999999", kInf},
    {"HugeNegativeExponent", "1e-99999999999999999999", 0},
    {"ZeroWithHugeExponent", "0e99999", 0},
    {"LongDigitsOverflow", "1" + kZeros400, kInf},
    {"ManyLeadingZeros", kZeros400 + "1", 1},
    {"ManyZeroDecimals", "0." + kZeros400 + "1", 0},
    {"LongMantissaWithExponent", "1" + kZeros400 + "e-400", 1},
    {"LongMantissaRoundsToNearest", "3.14159265358979323846264338327950288419716939937510",
     3.141592653589793},
    {"ThirtyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0},
};
INSTANTIATE_TEST_SUITE_P(Rows, NumericValueTest, testing::ValuesIn(kValueRows), RowName<ValueRow>);

struct TruncateRow {
    const char* name;
    double value;
    int expected;
};

class TruncateToInt32Test : public testing::TestWithParam<TruncateRow> {};

TEST_P(TruncateToInt32Test, TruncatesTowardZero) {
    EXPECT_EQ(TruncateToInt32(GetParam().value), GetParam().expected);
}

const TruncateRow kTruncateRows[] = {
    {"Zero", 0.0, 0},
    {"PositiveFraction", 2.9, 2},
    {"NegativeFraction", -2.9, -2},
    {"NegativeHalf", -0.5, 0},
    {"Maximum", 2147483647.0, INT_MAX},
    {"JustBelowTwoToThe31", 2147483647.9, INT_MAX},
    {"TwoToThe31", 2147483648.0, INT_MIN},
    {"Minimum", -2147483648.0, INT_MIN},
    {"FractionAboveMinimum", -2147483646.5, -2147483646},
    {"BelowMinimum", -2147483649.0, INT_MIN},
    {"Huge", 1e300, INT_MIN},
    {"Infinity", kInf, INT_MIN},
    {"NegativeInfinity", -kInf, INT_MIN},
    {"NaN", kNaN, INT_MIN},
};
INSTANTIATE_TEST_SUITE_P(Rows, TruncateToInt32Test, testing::ValuesIn(kTruncateRows),
                         RowName<TruncateRow>);

// Qt sets the process locale from the environment; the texts go to files and must not follow it.
class GermanLocale {
public:
    GermanLocale() : m_ok(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        if (m_ok)
            std::locale::global(std::locale("de_DE.UTF-8"));
    }
    ~GermanLocale() {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

TEST(NumberTextLocale, IgnoresDecimalCommaLocale) {
    GermanLocale german;
    if (!german.ok())
        GTEST_SKIP() << "de_DE.UTF-8 is not generated";
    EXPECT_EQ(FormatGeneral(2.5), "2.5");
    EXPECT_EQ(FormatGeneral(1234567.0), "1.23457e+006");
    EXPECT_EQ(FormatFixed(1234.5, 2), "1234.50");
    EXPECT_EQ(FormatScientific(1234.5), "1.234500e+003");
    EXPECT_EQ(NumericValue("2.5"), 2.5);
    EXPECT_EQ(NumericValue("2,5"), 2);
}

struct TextRow {
    const char* name;
    std::string input;
    const char* expected;
};

class StripTrailingZerosTest : public testing::TestWithParam<TextRow> {};

TEST_P(StripTrailingZerosTest, DropsZeroDecimals) {
    EXPECT_EQ(CCalcLevel::StripTrailingZeros(GetParam().input), GetParam().expected);
}

const TextRow kStripRows[] = {
    {"SomeDecimalsLeft", "12.500", "12.5"},
    {"AllDecimalsZero", "3.000", "3"},
    {"NoPointKeepsZeros", "100", "100"},
    {"NegativeSmall", "-0.000020", "-0.00002"},
    {"ZerosBeforePointStay", "100.00", "100"},
    {"ZeroPointZero", "0.0", "0"},
    {"NegativeWhole", "-5.00", "-5"},
    {"NothingToStrip", "0.25", "0.25"},
    {"Empty", "", ""},
    {"ExponentWithoutPoint", "1e+020", "1e+020"},
    {"Infinity", "1.#INF", "1.#INF"},
};
INSTANTIATE_TEST_SUITE_P(Rows, StripTrailingZerosTest, testing::ValuesIn(kStripRows),
                         RowName<TextRow>);

struct HighRow {
    const char* name;
    double value;
    const char* expected;
};

class FormatHighPrecisionTest : public testing::TestWithParam<HighRow> {};

TEST_P(FormatHighPrecisionTest, WritesAtMostTenDecimals) {
    EXPECT_EQ(CCalcLevel::FormatHighPrecision(GetParam().value), GetParam().expected);
}

const HighRow kHighRows[] = {
    {"TwoThirds", 2.0 / 3, "0.6666666667"},
    {"DecimalsLimitedByIntegerWidth", 123456.789, "123456.789"},
    {"Zero", 0.0, "0"},
    {"NegativeFraction", -12.5, "-12.5"},
    {"NegativeBelowOne", -0.25, "-0.25"},
    {"TinyTakesExponent", 1e-12, "1e-012"},
    {"SmallestPlain", 1e-10, "0.0000000001"},
    {"NegativeSmallestPlain", -1e-10, "-0.0000000001"},
    {"JustBelowPlainRange", 9.99e-11, "9.99e-011"},
    {"BinaryNoiseHidden", 0.1 + 0.2, "0.3"},
    {"WholeNumberKeepsZeros", 100.0, "100"},
    {"FifteenCharacters", 1234567890.123456, "1234567890.1235"},
    {"FifteenDigitInteger", 123456789012345.0, "123456789012345"},
    {"SixteenDigitInteger", 1234567890123456.0, "1234567890123456"},
    {"RoundingCarriesIntoInteger", 0.99999999999, "1"},
    {"SmallFractionRounded", 1.23456789012345e-7, "0.0000001235"},
    {"SixteenDigitsTakeExponent", 1e16, "1e+016"},
    {"NegativeLargeTakesExponent", -1e16, "-1e+016"},
    {"LargeKeepsSixDigits", 2.5e20, "2.5e+020"},
    {"Infinity", kInf, "1.#INF"},
    {"NegativeInfinity", -kInf, "-1.#INF"},
    {"NaN", kNaN, "-1.#IND"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatHighPrecisionTest, testing::ValuesIn(kHighRows),
                         RowName<HighRow>);

} // namespace
} // namespace tarvo

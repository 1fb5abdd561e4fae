// Hex, decimal and real texts of the hexadecimal tool, and the byte-order reversal.
#include "HexText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvo {
namespace {

using T = HexDataType;

TEST(HexTextTest, ParseHexTextTakesEveryCharacterAsADigit) {
    const std::pair<const char*, std::uint32_t> rows[] = {
        {"", 0},
        {"ff", 255},
        {"aBcDeF", 0xABCDEF},
        {"1G", 16},                // a letter after F counts 0 but keeps its place,
        {" -1.8", 0x108},          // and so do blanks, signs and points
        {"123456789", 0x23456789}, // digits beyond the eighth from the right drop out
        {"FFFFFFFF", 0xFFFFFFFF},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ParseHexText(text), value) << '"' << text << '"';
}

TEST(HexTextTest, FormatHexWritesUpperCaseWithAtLeastTheDigitsAsked) {
    EXPECT_EQ(FormatHex(0), "0");
    EXPECT_EQ(FormatHex(0xab), "AB");
    EXPECT_EQ(FormatHex(0x5, 2), "05");
    EXPECT_EQ(FormatHex(0xFFFFFF85, 2), "FFFFFF85");
    EXPECT_EQ(FormatHex(0x8, 8), "00000008");
    EXPECT_EQ(PaddedHexText(0x12C, T::UnsignedChar), "12C");
    EXPECT_EQ(PaddedHexText(0xC, T::Int), "000C");
    EXPECT_EQ(PaddedHexText(0xFFFFFFFE, T::Int), "FFFFFFFE");
}

TEST(HexTextTest, DecimalTextReadsTheBitsTheTypeHolds) {
    const struct {
        std::uint32_t value;
        HexDataType type;
        const char* text;
    } rows[] = {
        {0x80, T::Char, "-128"},
        {0x80, T::UnsignedChar, "128"},
        {0xFFFF, T::Int, "-1"},
        {0xFFFF, T::UnsignedInt, "65535"},
        {0x12345, T::Int, "9029"},
        {0xFFFFFF85, T::Char, "-123"},
        {0xFFFFFF85, T::UnsignedChar, "133"},
        {0xFFFFFF85, T::Long, "-123"},
        {0xFFFFFF85, T::UnsignedLong, "4294967173"},
        {0x80000000, T::Long, "-2147483648"},
        {5, T::Float, ""},
        {5, T::Double, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecimalText(row.value, row.type), row.text)
            << row.value << " as " << TypeInfo(row.type).token;
}

TEST(HexTextTest, DecimalIntegersWrapAroundAndStopAtTheFirstOtherCharacter) {
    const std::pair<const char*, std::int32_t> rows[] = {
        {"", 0},
        {"12abc", 12},
        {"  \t-42", -42},
        {"+7", 7},
        {"--1", 0},
        {"4294967295", -1},
        {"2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"99999999999", 1215752191}, // 99999999999 modulo 2^32
        {"0x10", 0},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ParseDecimalInteger(text), value) << '"' << text << '"';
}

TEST(HexTextTest, RealValuesShowTheirBytesMostSignificantFirst) {
    EXPECT_EQ(RealHexText(1.0f), "3F800000");
    EXPECT_EQ(RealHexText(1.0), "3FF0000000000000");
    EXPECT_EQ(RealHexText(-0.0f), "80000000");
    EXPECT_EQ(RealHexText(0.1f), "3DCCCCCD");
    EXPECT_EQ(RealHexText(-2.5), "C004000000000000");
}

TEST(HexTextTest, SinglePrecisionRoundsLikeTheFpuAlsoOutsideTheFloatRange) {
    const float max = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<double, float> rows[] = {
        {0.1, 0.1f},
        {3.4028235e38, max}, // above the largest float, below the halfway point
        {-3.4028235e38, -max},
        {3.4028235677973366e38, inf}, // the halfway point rounds to even: infinity
        {-1e300, -inf},
        {HUGE_VAL, inf},
        {1e-50, 0.0f},
    };
    for (const auto& [value, single] : rows)
        EXPECT_EQ(ToSingle(value), single) << value;
}

TEST(HexTextTest, ReverseHexBytesSwapsThePairs) {
    const std::pair<std::string, std::string> rows[] = {
        {"12345678", "78563412"},
        {"123", "2301"},
        {"", ""},
        {"AB", "AB"},
        {"3FF0000000000000", "000000000000F03F"},
    };
    for (const auto& [text, reversed] : rows) {
        EXPECT_EQ(ReverseHexBytes(text), reversed) << text;
        EXPECT_EQ(ReverseHexBytes(reversed), (text.size() % 2 ? "0" : "") + text);
    }
}

} // namespace
} // namespace tarvo

// FormatBinary: the bit patterns of integral and real values in both byte orders.
#include "HexBinary.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct IntegralCase {
    const char* name;
    std::uint32_t value;
    int bits;
    const char* big;
    const char* little;
};

const IntegralCase kIntegralCases[] = {
    {"FiveAsAByte", 5, 8, "0000 0101", "0000 0101 "},
    {"FiveInSixteenBits", 5, 16, "0000 0000 0000 0101", "0000 0101 0000 0000 "},
    {"OnlyTheTypesBitsShow", 0xFFFFFF85, 8, "1000 0101", "1000 0101 "},
    {"FourBytes", 0x12345678, 32, "0001 0010 0011 0100 0101 0110 0111 1000",
     "0111 1000 0101 0110 0011 0100 0001 0010 "},
    {"Eight", 8, 32, "0000 0000 0000 0000 0000 0000 0000 1000",
     "0000 1000 0000 0000 0000 0000 0000 0000 "},
    {"AllOnes", 0xFFFFFFFF, 32, "1111 1111 1111 1111 1111 1111 1111 1111",
     "1111 1111 1111 1111 1111 1111 1111 1111 "},
    {"TwoBytes", 0xABCD, 16, "1010 1011 1100 1101", "1100 1101 1010 1011 "},
};

class IntegralBinaryTest : public ::testing::TestWithParam<IntegralCase> {};

TEST_P(IntegralBinaryTest, RendersBothByteOrders) {
    const IntegralCase& c = GetParam();
    CHexOperands record;
    EXPECT_EQ(FormatBinary(record, c.value, c.bits), c.big);
    EXPECT_EQ(record.m_strBinBig, c.big);
    EXPECT_EQ(record.m_strBinLittle, c.little);
    ASSERT_EQ(record.m_strBitsLsbFirst.size(), static_cast<std::size_t>(c.bits));
    for (int bit = 0; bit < c.bits; ++bit)
        EXPECT_EQ(record.m_strBitsLsbFirst[bit], (c.value >> bit) & 1 ? '1' : '0') << bit;
}

INSTANTIATE_TEST_SUITE_P(HexBinary, IntegralBinaryTest, ::testing::ValuesIn(kIntegralCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HexBinaryTest, RealValuesShowTheirBytesInBothOrders) {
    CHexOperands record;
    EXPECT_EQ(FormatBinary(record, 1.0f), "0000 0000 0000 0000 1000 0000 0011 1111 ");
    EXPECT_EQ(record.m_strBinRealLittle, "0000 0000 0000 0000 1000 0000 0011 1111 ");
    EXPECT_EQ(record.m_strBinRealBig, "0011 1111 1000 0000 0000 0000 0000 0000 ");
    // Each byte from the most significant, its bits least significant first.
    EXPECT_EQ(record.m_strBitsLsbFirst, "11111100000000010000000000000000");
}

TEST(HexBinaryTest, ADoubleShowsBigEndianOnTwoLinesAndLittleEndianOnOne) {
    CHexOperands record;
    FormatBinary(record, 1.0);
    EXPECT_EQ(record.m_strBinRealBig, "0011 1111 1111 0000 0000 0000 0000 0000 \n"
                                      "0000 0000 0000 0000 0000 0000 0000 0000 ");
    EXPECT_EQ(record.m_strBinRealLittle, "0000 0000 0000 0000 0000 0000 0000 0000 "
                                         "0000 0000 0000 0000 1111 0000 0011 1111 ");
}

TEST(HexBinaryTest, IntegralAndRealRenderingsLiveSideBySide) {
    CHexOperands record;
    FormatBinary(record, 1.0f);
    FormatBinary(record, 5, 8);
    EXPECT_EQ(record.m_strBinBig, "0000 0101");
    EXPECT_EQ(record.m_strBinRealBig, "0011 1111 1000 0000 0000 0000 0000 0000 ");
}

TEST(HexBinaryTest, ReorderBytesTakesWholeBytesFromTheEnd) {
    EXPECT_EQ(ReorderBytes(""), "");
    EXPECT_EQ(ReorderBytes("10000000"), "0000 0001 ");
    EXPECT_EQ(ReorderBytes("1000000001000000"), "0000 0001 0000 0010 ");
}

} // namespace
} // namespace tarvo

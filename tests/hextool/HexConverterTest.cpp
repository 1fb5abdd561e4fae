// The converter: the user's typing into HEX or DECIMAL shows the number in the other
// notations under the current type; the byte-order switch flips what the last one showed.
#include "HexToolTestSupport.h"

namespace tarvo::test {
namespace {

using T = HexDataType;

class HexConverterFixture : public HexToolFixture {
protected:
    // The user types text into the edit, which has the focus meanwhile.
    void TypeHex(const std::string& text) {
        m_tool.OnHexSetFocus();
        m_host.hex = text;
        m_tool.OnHexChange();
        m_tool.OnHexKillFocus();
    }
    void TypeDecimal(const std::string& text) {
        m_tool.OnDecimalSetFocus();
        m_host.decimal = text;
        m_tool.OnDecimalChange();
        m_tool.OnDecimalKillFocus();
    }
};

struct ConversionCase {
    const char* name;
    HexDataType type;
    const char* typed;
    const char* other; // what the other edit shows
    const char* binary;
};

void PrintTo(const ConversionCase& c, std::ostream* out) {
    *out << c.name;
}

const ConversionCase kHexCases[] = {
    {"CharAllOnes", T::Char, "FF", "-1", "1111 1111"},
    {"UnsignedCharAllOnes", T::UnsignedChar, "FF", "255", "1111 1111"},
    {"CharKeepsTheLowByte", T::Char, "180", "-128", "1000 0000"},
    {"UnsignedLong", T::UnsignedLong, "12345678", "305419896",
     "0001 0010 0011 0100 0101 0110 0111 1000"},
    {"LongMinimum", T::Long, "80000000", "-2147483648", "1000 0000 0000 0000 0000 0000 0000 0000"},
    {"LowerCaseAndOtherCharacters", T::UnsignedInt, "a-z", "2560", "0000 1010 0000 0000"},
};

class HexEditTest : public HexConverterFixture, public ::testing::TestWithParam<ConversionCase> {};

TEST_P(HexEditTest, ShowsDecimalAndBinary) {
    const ConversionCase& c = GetParam();
    m_tool.OnDataType(c.type);
    TypeHex(c.typed);
    EXPECT_EQ(m_host.hex, c.typed);
    EXPECT_EQ(m_host.decimal, c.other);
    EXPECT_EQ(m_host.binary, c.binary);
    EXPECT_EQ(m_host.display, ""); // the calculator is not touched
    EXPECT_EQ(m_tool.m_pCalc->Value(c.type, CHexOperands::kOperand1), 0u);
}

INSTANTIATE_TEST_SUITE_P(HexConverter, HexEditTest, ::testing::ValuesIn(kHexCases),
                         [](const auto& info) { return std::string(info.param.name); });

const std::string kFloatOne = "0011 1111 1000 0000 0000 0000 0000 0000 ";

const ConversionCase kDecimalCases[] = {
    {"FloatOne", T::Float, "1", "3F800000", kFloatOne.c_str()},
    {"FloatRoundsToSingle", T::Float, "0.1", "3DCCCCCD",
     "0011 1101 1100 1100 1100 1100 1100 1101 "},
    {"FloatBeyondItsRangeIsInfinite", T::Float, "1e39", "7F800000",
     "0111 1111 1000 0000 0000 0000 0000 0000 "},
    {"DoubleOne", T::Double, "1", "3FF0000000000000",
     "0011 1111 1111 0000 0000 0000 0000 0000 \n0000 0000 0000 0000 0000 0000 0000 0000 "},
    {"DoubleNegative", T::Double, "-2.5e0", "C004000000000000",
     "1100 0000 0000 0100 0000 0000 0000 0000 \n0000 0000 0000 0000 0000 0000 0000 0000 "},
    {"UnsignedCharOutOfRangeShowsMoreDigits", T::UnsignedChar, "300", "12C", "0010 1100"},
    {"CharMinusOneShowsAllBits", T::Char, "-1", "FFFFFFFF", "1111 1111"},
    {"UnsignedLongMaximum", T::UnsignedLong, "4294967295", "FFFFFFFF",
     "1111 1111 1111 1111 1111 1111 1111 1111"},
    {"DigitsUpToTheFirstOther", T::Int, "12abc", "000C", "0000 0000 0000 1100"},
};

class DecimalEditTest : public HexConverterFixture,
                        public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DecimalEditTest, ShowsHexAndBinary) {
    const ConversionCase& c = GetParam();
    m_tool.OnDataType(c.type);
    TypeDecimal(c.typed);
    EXPECT_EQ(m_host.decimal, c.typed);
    EXPECT_EQ(m_host.hex, c.other);
    EXPECT_EQ(m_host.binary, c.binary);
    EXPECT_EQ(m_host.display, "");
}

INSTANTIATE_TEST_SUITE_P(HexConverter, DecimalEditTest, ::testing::ValuesIn(kDecimalCases),
                         [](const auto& info) { return std::string(info.param.name); });

class HexConverterTest : public HexConverterFixture, public ::testing::Test {};

TEST_F(HexConverterTest, HexUnderARealTypeEmptiesDecimalAndKeepsBinary) {
    for (const T type : {T::Float, T::Double}) {
        m_tool.OnDataType(T::UnsignedChar);
        TypeHex("12");
        m_tool.OnDataType(type);
        TypeHex("3F800000");
        EXPECT_EQ(m_host.decimal, "");
        EXPECT_EQ(m_host.binary, "0001 0010");
    }
}

TEST_F(HexConverterTest, EveryHexChangeSetsTheTypesLengthLimit) {
    for (const HexDataTypeInfo& type : HexDataTypes()) {
        m_tool.OnDataType(type.type);
        m_host.hexLimit = 0;
        Press("CLR"); // a change the tool makes itself
        EXPECT_EQ(m_host.hexLimit, type.hexDigits) << type.token;
        m_host.hexLimit = 0;
        TypeHex("1");
        EXPECT_EQ(m_host.hexLimit, type.hexDigits) << type.token;
    }
    const int limits[] = {2, 2, 4, 4, 8, 8, 8, 16};
    for (const HexDataTypeInfo& type : HexDataTypes())
        EXPECT_EQ(type.hexDigits, limits[static_cast<int>(type.type)]) << type.token;
}

TEST_F(HexConverterTest, ChangesWithoutTheFocusAreNotConverted) {
    m_host.hex = "FF";
    m_tool.OnHexChange();
    m_host.decimal = "12";
    m_tool.OnDecimalChange();
    EXPECT_EQ(m_host.hex, "FF");
    EXPECT_EQ(m_host.decimal, "12");
    EXPECT_EQ(m_host.binary, "");
}

TEST_F(HexConverterTest, TheNextCalculatorKeyRewritesTheDisplays) {
    Press("5");
    TypeDecimal("300");
    Press("6");
    EXPECT_EQ(m_host.hex, "56");
    EXPECT_EQ(m_host.decimal, "86");
}

TEST_F(HexConverterTest, ByteOrderSwitchShowsTheLastConversionInTheOtherOrder) {
    m_tool.OnDataType(T::Float);
    TypeDecimal("1");
    Press("Mot");
    EXPECT_EQ(m_host.hex, "0000803F");
    EXPECT_EQ(m_host.binary, "0000 0000 0000 0000 1000 0000 0011 1111 ");
    EXPECT_EQ(m_host.order, "Int");
    EXPECT_EQ(m_host.decimal, "1");
    Press("Mot");
    EXPECT_EQ(m_host.hex, "3F800000");
    EXPECT_EQ(m_host.binary, kFloatOne);
    EXPECT_EQ(m_host.order, "Mot");
}

TEST_F(HexConverterTest, TypingAfterTheSwitchWritesBigEndianWhileTheButtonReadsInt) {
    TypeDecimal("1");
    Press("Mot");
    EXPECT_EQ(m_host.hex, "01000000");
    TypeDecimal("2");
    EXPECT_EQ(m_host.hex, "00000002");
    EXPECT_EQ(m_host.order, "Int");
}

} // namespace
} // namespace tarvo::test

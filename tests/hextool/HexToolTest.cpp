// The tool as a whole: what it reads when it opens, Transfer, and the three ways to close.
#include "HexToolTestSupport.h"

namespace tarvo::test {
namespace {

class HexToolTest : public HexToolFixture, public ::testing::Test {};

TEST_F(HexToolTest, OpensOnUnsignedLongWithTheDefaultBackground) {
    EXPECT_EQ(m_tool.m_nDataType, HexDataType::UnsignedLong);
    EXPECT_EQ(m_tool.m_background.m_crBackground, 6579300u);
    EXPECT_EQ(m_tool.m_background.m_nBackgroundHatch, BackgroundHatch::None);
    EXPECT_EQ(m_tool.m_dTransferValue, 0.0);
}

TEST_F(HexToolTest, ReadsTheStoredBackgroundWhenItOpens) {
    m_settings.WriteSettingInt("Settings", "Background Color", 0x00FF00);
    m_settings.WriteSettingInt("Settings", "Background Hatch", 3);
    const CHexTool tool(m_host, m_settings);
    EXPECT_EQ(tool.m_background.m_crBackground, 0x00FF00u);
    EXPECT_EQ(tool.m_background.m_nBackgroundHatch, BackgroundHatch::IncreasingDiagonal);
}

TEST_F(HexToolTest, TransferTakesTheNumericValueOfTheDecimalText) {
    const struct {
        const char* decimal;
        double value;
    } rows[] = {
        {"255", 255.0},     {"-123", -123.0}, {"4294967295", 4294967295.0},
        {"1.5e3x", 1500.0}, {"", 0.0},        {"abc", 0.0},
        {"0x10", 0.0},
    };
    for (const auto& row : rows) {
        m_host.decimal = row.decimal;
        m_tool.OnTransfer();
        EXPECT_EQ(m_tool.m_dTransferValue, row.value) << row.decimal;
    }
}

TEST_F(HexToolTest, TransferTakesTheResultShown) {
    Press("char 3 - 5 = Transfer");
    EXPECT_EQ(m_tool.m_dTransferValue, -2.0);
    Press("CLR Transfer"); // pressed again it replaces the value
    EXPECT_EQ(m_tool.m_dTransferValue, 0.0);
}

TEST_F(HexToolTest, EveryWayOfClosingEndsAcceptedWithTheEditsTexts) {
    const struct {
        HexClosing how;
        bool focusKept;
    } rows[] = {{HexClosing::Ok, false}, {HexClosing::Escape, true}, {HexClosing::CloseBox, false}};
    for (const auto& row : rows) {
        CHexTool tool(m_host, m_settings);
        m_host.hex = "FF";
        m_host.decimal = "255";
        tool.OnHexSetFocus();
        tool.OnDisplaySetFocus();
        EXPECT_TRUE(tool.OnClose(row.how));
        EXPECT_EQ(tool.m_strHex, "FF");
        EXPECT_EQ(tool.m_strDecimal, "255");
        EXPECT_EQ(tool.m_bHexFocus, row.focusKept);
        EXPECT_EQ(tool.m_bDisplayFocus, row.focusKept);
    }
}

TEST_F(HexToolTest, ClearEmptiesTheExchangedTextsAndTheConverterFocus) {
    m_tool.m_strHex = "1";
    m_tool.m_strDecimal = "1";
    m_tool.OnDecimalSetFocus();
    Press("CLR");
    EXPECT_EQ(m_tool.m_strHex, "");
    EXPECT_EQ(m_tool.m_strDecimal, "");
    EXPECT_FALSE(m_tool.m_bDecimalFocus);
}

} // namespace
} // namespace tarvo::test

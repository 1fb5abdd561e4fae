// The hexadecimal tool as tarvo-batch drives it: tokens, typing into its edits, closing, and
// the state block it prints.
#include "HexToolSurface.h"
#include "HeadlessHost.h"
#include "IniSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo {
namespace {

using Field = HexToolSurface::Field;

class HexToolSurfaceTest : public ::testing::Test {
protected:
    void Press(const std::string& tokens) {
        std::istringstream words(tokens);
        for (std::string token; words >> token;) {
            if (HexToolSurface::IsDataType(token))
                m_surface.ChooseDataType(token);
            else
                m_surface.Press(token);
        }
    }
    std::string Printed() {
        m_surface.PrintState();
        std::string text = m_out.str();
        m_out.str("");
        return text;
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    std::ostringstream m_out;
    HeadlessHost m_messages{m_out};
    HexToolSurface m_surface{m_settings, m_messages, m_out};
};

TEST_F(HexToolSurfaceTest, KnowsItsTokens) {
    for (const char* key : {"0", "9", "A", "F", "CLR", "+", "-", "*", "/", "~", "^", "&", "|", "<<",
                            ">>", "%", "=", "Mot", "Transfer"})
        EXPECT_TRUE(HexToolSurface::IsKey(key)) << key;
    for (const char* type : {"char", "uchar", "int", "uint", "long", "ulong", "float", "double"})
        EXPECT_TRUE(HexToolSurface::IsDataType(type)) << type;
    for (const char* other : {"G", "a", "Int", "&&", "Clear", "unsigned", "ok", ""}) {
        EXPECT_FALSE(HexToolSurface::IsKey(other)) << other;
        EXPECT_FALSE(HexToolSurface::IsDataType(other)) << other;
    }
    EXPECT_THROW(m_surface.Press("G"), std::invalid_argument);
    EXPECT_THROW(m_surface.ChooseDataType("short"), std::invalid_argument);
}

TEST_F(HexToolSurfaceTest, PrintsTheFiveFieldsOfTheOpenTool) {
    EXPECT_EQ(Printed(), "display: \nhex: \ndecimal: \nbinary: \norder: Mot\n");
}

TEST_F(HexToolSurfaceTest, PrintsACalculationAndTheByteOrderSwitch) {
    Press("5 + 3 = Mot");
    EXPECT_EQ(Printed(), "display: 8\n"
                         "hex: 08000000\n"
                         "decimal: 8\n"
                         "binary: 0000 1000 0000 0000 0000 0000 0000 0000 \n"
                         "order: Int\n");
}

TEST_F(HexToolSurfaceTest, PrintsTheLineFeedOfADoubleEscaped) {
    Press("double");
    m_surface.Type(Field::Decimal, "1");
    EXPECT_EQ(Printed(), "display: \n"
                         "hex: 3FF0000000000000\n"
                         "decimal: 1\n"
                         "binary: 0011 1111 1111 0000 0000 0000 0000 0000 \\n"
                         "0000 0000 0000 0000 0000 0000 0000 0000 \n"
                         "order: Mot\n");
}

TEST_F(HexToolSurfaceTest, MessagesGoToTheMessageBoxes) {
    Press("float 1");
    EXPECT_EQ(m_out.str(), "message: ERROR | Must select Integral Data Type for this function.\n");
}

TEST_F(HexToolSurfaceTest, HexRefusesCharactersBeyondTheTypesLimit) {
    const struct {
        const char* type;
        const char* typed;
        const char* kept;
    } rows[] = {
        {"uchar", "123", "12"},
        {"int", "12345", "1234"},
        {"ulong", "123456789", "12345678"},
        {"float", "123456789", "12345678"},
        {"double", "0123456789ABCDEF0", "0123456789ABCDEF"},
    };
    for (const auto& row : rows) {
        m_surface.ChooseDataType(row.type);
        m_surface.Type(Field::Hex, row.typed);
        m_surface.PrintState();
        EXPECT_NE(m_out.str().find(std::string("hex: ") + row.kept + "\n"), std::string::npos)
            << row.type << '\n'
            << m_out.str();
        m_out.str("");
    }
}

TEST_F(HexToolSurfaceTest, TheLimitStopsTypingButNotTheToolsOwnTexts) {
    m_surface.ChooseDataType("char");
    m_surface.Type(Field::Decimal, "-1");
    EXPECT_NE(Printed().find("hex: FFFFFFFF\n"), std::string::npos);
    m_surface.Type(Field::Hex, "FFF");
    EXPECT_NE(Printed().find("hex: FF\ndecimal: -1\n"), std::string::npos);
}

TEST_F(HexToolSurfaceTest, TypingIntoTheDisplayEntersTheOperand) {
    Press("+");
    m_surface.Type(Field::Display, "1F");
    Press("=");
    EXPECT_EQ(Printed(), "display: 1F\nhex: 0000001F\ndecimal: 31\n"
                         "binary: 0000 0000 0000 0000 0000 0000 0001 1111\norder: Mot\n");
}

TEST_F(HexToolSurfaceTest, TransferAndEveryWayOfClosing) {
    Press("F F Transfer");
    EXPECT_EQ(m_surface.TransferValue(), 255.0);
    for (const auto how : {ToolClosing::Ok, ToolClosing::Esc, ToolClosing::Box})
        EXPECT_TRUE(m_surface.Close(how));
    EXPECT_EQ(m_surface.TransferValue(), 255.0);
}

} // namespace
} // namespace tarvo

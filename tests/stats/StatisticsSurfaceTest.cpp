// The statistics tool as tarvo-batch drives it: tokens, the hand edit, closing, and the state
// it prints.
#include "StatisticsSurface.h"
#include "StatisticsFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvo {
namespace {

class StatisticsSurfaceTest : public ::testing::Test {
protected:
    StatisticsSurface& Open() {
        m_surface = std::make_unique<StatisticsSurface>(m_settings, m_messages, m_out);
        return *m_surface;
    }
    void Press(std::initializer_list<const char*> tokens) {
        for (const char* token : tokens)
            m_surface->Press(token);
    }
    std::string Printed() {
        m_out.str("");
        m_surface->PrintState();
        return m_out.str();
    }
    std::string PrintedSample() {
        const std::string printed = Printed();
        return printed.substr(0, printed.find('\n'));
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    test::RecordedMessages<> m_messages;
    std::ostringstream m_out;
    std::unique_ptr<StatisticsSurface> m_surface;
};

TEST_F(StatisticsSurfaceTest, KnowsItsTokens) {
    for (const char* key : {"0", "9", ".", "+/-", "Enter", "CLR", "CE", "<--", "Transfer"})
        EXPECT_TRUE(StatisticsSurface::IsKey(key) && !StatisticsSurface::IsResultChoice(key));
    for (const char* choice : {"sum", "mean", "var-n", "sd-n", "sd-n1"})
        EXPECT_TRUE(StatisticsSurface::IsResultChoice(choice) && !StatisticsSurface::IsKey(choice));
    for (const char* other : {"", "enter", "<-", "A", "Clear", "Sum", "sd-n-1", "OK"})
        EXPECT_FALSE(StatisticsSurface::IsKey(other) || StatisticsSurface::IsResultChoice(other));
    Open();
    EXPECT_THROW(m_surface->Press("sum"), std::invalid_argument);
    EXPECT_THROW(m_surface->ChooseResult("Enter"), std::invalid_argument);
}

TEST_F(StatisticsSurfaceTest, PrintsTheSampleCountAndResults) {
    Open();
    Press({"4", "Enter", "1", ".", "5", "+/-", "Enter", "7"});
    EXPECT_EQ(Printed(), "sample: 4, -1.5, 7\nn: 2\nsum: 2.500000\nmean: 1.250000\n"
                         "var-n: 7.562500\nsd-n: 2.750000\nsd-n1: 3.889087\n");
    Press({"CLR"});
    EXPECT_EQ(Printed(), "sample: \nn: \nsum: \nmean: \nvar-n: \nsd-n: \nsd-n1: \n");
    m_surface->EditSample("1,\t2\\3, ", 0);
    EXPECT_EQ(PrintedSample(), "sample: 1,\\t2\\\\3, ");
}

TEST_F(StatisticsSurfaceTest, EditSampleLeavesTheCaretWhereTheNextKeyGoes) {
    const std::pair<std::optional<int>, const char*> carets[] = {
        {std::nullopt, "1, 23"}, {0, "31, 2"}, {3, "1, 32"}, {99, "1, 23"}};
    for (const auto& [caret, sample] : carets) {
        Open().EditSample("1, 2", caret);
        Press({"3"});
        EXPECT_EQ(PrintedSample(), std::string("sample: ") + sample);
    }
}

TEST_F(StatisticsSurfaceTest, OkAndTheBoxAcceptAndKeepTheTransferValue) {
    using enum ToolClosing;
    const std::pair<ToolClosing, bool> closings[] = {{Ok, true}, {Esc, false}, {Box, true}};
    for (const auto& [how, accepted] : closings) {
        Open();
        Press({"6", "Enter", "8", "Enter"});
        m_surface->ChooseResult("mean");
        EXPECT_EQ(m_surface->TransferValue(), 0.0);
        Press({"Transfer"});
        EXPECT_EQ(m_surface->Close(how), accepted);
        EXPECT_EQ(m_surface->TransferValue(), 7.0);
    }
}

} // namespace
} // namespace tarvo

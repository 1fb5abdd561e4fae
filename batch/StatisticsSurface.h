// The statistics tool as tarvo-batch drives it: its key and result tokens, the hand edit of
// the sample display, the three ways to close it, and the state a person would see.
#pragma once

#include "HeadlessStatisticsHost.h"
#include "SettingsStore.h"
#include "StatisticsTool.h"
#include "ToolClosing.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tarvo {

class StatisticsSurface {
public:
    // Opens the tool: the stored sample is restored and recomputed.
    StatisticsSurface(ISettingsStore& settings, IMessageBox& messages, std::ostream& out);
    StatisticsSurface(const StatisticsSurface&) = delete;
    StatisticsSurface& operator=(const StatisticsSurface&) = delete;

    static bool IsKey(std::string_view token);          // 0-9 . +/- Enter CLR CE <-- Transfer
    static bool IsResultChoice(std::string_view token); // sum mean var-n sd-n sd-n1
    // Both throw std::invalid_argument for a token that is none of these.
    void Press(std::string_view token);
    void ChooseResult(std::string_view token);
    // :edit-sample TEXT [@CARET]
    void EditSample(const std::string& text, std::optional<int> caret);
    bool Close(ToolClosing how);  // true when the dialog ended accepted (result OK)
    double TransferValue() const; // m_dTransferValue
    void PrintState();            // sample:/n:/sum:/mean:/var-n:/sd-n:/sd-n1: lines

private:
    HeadlessStatisticsHost m_host;
    StatisticsTool m_tool;
    std::ostream& m_out;
};

} // namespace tarvo

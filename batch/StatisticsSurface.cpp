#include "StatisticsSurface.h"

#include "StatisticsKeys.h"

#include <stdexcept>

namespace tarvo {

StatisticsSurface::StatisticsSurface(ISettingsStore& settings, IMessageBox& messages,
                                     std::ostream& out)
    : m_tool(m_host, messages, settings), m_out(out) {
    m_host.Attach(m_tool);
    m_tool.OnInitDialog();
}

bool StatisticsSurface::IsKey(std::string_view token) {
    return FindStatisticsKey(token) != nullptr;
}

bool StatisticsSurface::IsResultChoice(std::string_view token) {
    return FindStatisticsResult(token) != nullptr;
}

void StatisticsSurface::Press(std::string_view token) {
    const StatisticsKey* key = FindStatisticsKey(token);
    if (!key)
        throw std::invalid_argument("no statistics key '" + std::string(token) + "'");
    key->press(m_tool);
}

void StatisticsSurface::ChooseResult(std::string_view token) {
    const StatisticsResult* result = FindStatisticsResult(token);
    if (!result)
        throw std::invalid_argument("no statistics result '" + std::string(token) + "'");
    m_tool.OnResultChoice(result->choice);
}

void StatisticsSurface::EditSample(const std::string& text, std::optional<int> caret) {
    m_host.EditSample(text, caret);
}

// OK and the close box end the dialog accepted; only Esc cancels it.
bool StatisticsSurface::Close(ToolClosing how) {
    return how != ToolClosing::Esc;
}

double StatisticsSurface::TransferValue() const {
    return m_tool.m_dTransferValue;
}

void StatisticsSurface::PrintState() {
    m_host.PrintState(m_out);
}

} // namespace tarvo

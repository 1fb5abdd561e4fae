// Opening the statistics tool, the result choice and Transfer.
#include "StatisticsTool.h"

#include <utility>

namespace tarvo {

StatisticsTool::StatisticsTool(IStatisticsHost& host, IMessageBox& messages,
                               ISettingsStore& settings)
    : m_host(host), m_messages(messages), m_settings(settings) {}

void StatisticsTool::OnInitDialog() {
    m_strSample = m_settings.ReadSettingString(kSettingsSection, "Sumra1", "");
    m_background = ReadBackground(m_settings);
    ShowSample(true);
    ComputeStatistics();
}

void StatisticsTool::OnResultChoice(ResultChoice choice) {
    m_nResultChoice = choice;
}

void StatisticsTool::OnTransfer() {
    if (m_nResultChoice != ResultChoice::None)
        m_dTransferValue = Result(m_nResultChoice);
}

double StatisticsTool::Result(ResultChoice choice) const {
    static constexpr double StatisticsTool::*kResults[kResultCount] = {
        &StatisticsTool::m_dSum, &StatisticsTool::m_dMean, &StatisticsTool::m_dVarianceN,
        &StatisticsTool::m_dStdDevN, &StatisticsTool::m_dStdDevN1};
    return this->*kResults[ResultIndex(choice)];
}

void StatisticsTool::ShowResult(ResultChoice choice, std::string text) {
    std::string& shown = m_strResults[ResultIndex(choice)];
    shown = std::move(text);
    m_host.ShowResult(choice, shown);
}

} // namespace tarvo

// Opening the statistics tool, the result choice and Transfer.
#include "StatisticsTool.h"

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

void StatisticsTool::OnResultChoice(int choice) {
    m_nResultChoice = choice;
}

void StatisticsTool::OnTransfer() {
    if (m_nResultChoice >= 1 && m_nResultChoice <= kResultCount)
        m_dTransferValue = Result(m_nResultChoice);
}

double StatisticsTool::Result(int choice) const {
    static constexpr double StatisticsTool::*kResults[kResultCount] = {
        &StatisticsTool::m_dSum, &StatisticsTool::m_dMean, &StatisticsTool::m_dVarianceN,
        &StatisticsTool::m_dStdDevN, &StatisticsTool::m_dStdDevN1};
    return this->*kResults[choice - 1];
}

} // namespace tarvo

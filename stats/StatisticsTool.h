// The statistics tool's state and key handlers. The sample text is the master copy: every
// recomputation reads it from the start. The dialog calls the handlers; the host shows state.
#pragma once

#include "BackgroundSetting.h"
#include "MessageBox.h"
#include "SettingsStore.h"
#include "StatisticsHost.h"

#include <array>
#include <iterator>
#include <string>

namespace tarvo {

class StatisticsTool {
public:
    static constexpr int kMaxSample = 100;
    static constexpr int kResultCount = static_cast<int>(std::size(kResultChoices));

    StatisticsTool(IStatisticsHost& host, IMessageBox& messages, ISettingsStore& settings);
    StatisticsTool(const StatisticsTool&) = delete;
    StatisticsTool& operator=(const StatisticsTool&) = delete;

    // Opening: the stored sample and appearance are read and the sample recomputed.
    void OnInitDialog();

    // Keys.
    void OnDigit(int digit);
    void OnDecimalPoint();
    void OnChangeSign();
    void OnClearEntry();
    void OnBackspace();
    void OnClear();
    void ComputeStatistics(); // the Enter key

    // The result that Transfer takes, and Transfer.
    void OnResultChoice(ResultChoice choice);
    void OnTransfer();

    // Notifications of the sample display, from the dialog.
    void OnSampleDisplayChange();
    void OnSampleDisplayKillFocus();

    std::array<double, kMaxSample> m_adSample{};
    int m_nLastIndex = 0;
    std::string m_strSample;
    std::string m_strNumber;
    std::string m_strInsert;
    bool m_bInsertMode = false;
    int m_nCaret = 0;
    bool m_bPositive = true;
    ResultChoice m_nResultChoice = ResultChoice::None;
    double m_dSum = 0.0;
    double m_dMean = 0.0;
    double m_dVarianceN = 0.0;
    double m_dStdDevN = 0.0;
    double m_dStdDevN1 = 0.0;
    double m_dTransferValue = 0.0;
    std::string m_strCount;
    std::array<std::string, kResultCount> m_strResults;
    Background m_background;

private:
    void AddKeyText(const std::string& text);
    void InsertKeyText(const std::string& text);
    void ChangeSignAtCaret();
    void MakeNumberNegative();
    void RemoveLastMinus();
    void ShiftInsertion(int position, int delta);
    void FitInsertion();
    void ShowSample(bool scroll);
    void SpaceAfterCommas();
    bool ReadSample();
    void ShowResults();
    void ShowResult(ResultChoice choice, std::string text);
    double Result(ResultChoice choice) const;

    IStatisticsHost& m_host;
    IMessageBox& m_messages;
    ISettingsStore& m_settings;
    // The part of the sample text that the next key replaces in insert mode: the selection
    // the display was left with, then the characters inserted since.
    TextSelection m_insertion;
};

} // namespace tarvo

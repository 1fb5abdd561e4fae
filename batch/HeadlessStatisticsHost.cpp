#include "HeadlessStatisticsHost.h"

#include "OutputText.h"
#include "StatisticsKeys.h"
#include "StatisticsTool.h"

namespace tarvo {

EditControl& HeadlessStatisticsHost::Sample() {
    if (m_pendingSample) {
        m_sample.SetText(*m_pendingSample);
        m_pendingSample = nullptr;
    }
    return m_sample;
}

void HeadlessStatisticsHost::SetSampleSelection(TextSelection selection) {
    Sample().Select(selection.start, selection.end);
}

void HeadlessStatisticsHost::ShowResult(ResultChoice choice, const std::string& text) {
    m_results.at(ResultIndex(choice)) = text;
}

void HeadlessStatisticsHost::EditSample(const std::string& text, std::optional<int> caret) {
    EditControl& sample = Sample();
    sample.Select(0, static_cast<int>(sample.Text().size()));
    sample.ReplaceSelection(text);
    m_tool->OnSampleDisplayChange();
    const int position = caret.value_or(static_cast<int>(text.size()));
    sample.Select(position, position);
    m_tool->OnSampleDisplayKillFocus();
}

void HeadlessStatisticsHost::PrintState(std::ostream& out) {
    WriteField(out, "sample", Sample().Text());
    WriteField(out, "n", m_count);
    for (const StatisticsResult& result : StatisticsResults())
        WriteField(out, result.token, m_results.at(ResultIndex(result.choice)));
}

} // namespace tarvo

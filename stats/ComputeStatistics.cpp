// The recomputation behind the Enter key: the sample text is tidied, read from its start into
// at most 100 values, summarised, shown and stored.
#include "NumberText.h"
#include "StatisticsTool.h"

#include <cmath>
#include <numeric>
#include <span>

namespace tarvo {

void StatisticsTool::ComputeStatistics() {
    if (!m_strNumber.empty()) {
        m_strSample += ", ";
        ShowSample(true);
    }
    m_nLastIndex = -1;
    if (m_bInsertMode) {
        m_bInsertMode = false;
        m_strInsert.clear();
        SpaceAfterCommas();
    }
    if (!ReadSample())
        return;
    ShowResults();
    m_settings.WriteSettingString(kSettingsSection, "Sumra1", m_strSample);
    m_bPositive = true;
}

// Hand edits may leave a comma without its blank.
void StatisticsTool::SpaceAfterCommas() {
    std::string spaced;
    spaced.reserve(m_strSample.size());
    for (std::size_t i = 0; i < m_strSample.size(); ++i) {
        spaced += m_strSample[i];
        if (m_strSample[i] == ',' && (i + 1 == m_strSample.size() || m_strSample[i + 1] != ' '))
            spaced += ' ';
    }
    if (spaced.size() == m_strSample.size())
        return;
    m_strSample = std::move(spaced);
    ShowSample(true);
}

// Blanks are skipped and each comma ends a number; what follows the last comma is no number.
// A comma with no number before it, left by deleting a number by hand, is taken out with the
// blank after it; the numbers that follow it stay. False when the text holds more numbers
// than the sample does: reading stops at the first number too many, the rest of the text
// left as it is.
bool StatisticsTool::ReadSample() {
    std::string kept;
    kept.reserve(m_strSample.size());
    std::string token;
    bool complete = true;
    std::size_t i = 0;
    for (; i < m_strSample.size(); ++i) {
        const char c = m_strSample[i];
        if (c == ',' && token.empty()) {
            if (i + 1 < m_strSample.size() && m_strSample[i + 1] == ' ')
                ++i;
            continue;
        }
        if (c == ',' && m_nLastIndex == kMaxSample - 1) {
            complete = false;
            break;
        }
        if (c == ',') {
            m_adSample[static_cast<std::size_t>(++m_nLastIndex)] = NumericValue(token);
            token.clear();
        } else if (c != ' ') {
            token += c;
        }
        kept += c;
    }
    kept.append(m_strSample, i);
    if (kept.size() != m_strSample.size()) {
        m_strSample = std::move(kept);
        ShowSample(true);
    }
    if (!complete)
        m_messages.ShowMessage("Warning Message", "Maximum number of inputs exceeded");
    return complete;
}

// Sums run in entry order from 0, so that the results do not depend on the summation method.
void StatisticsTool::ShowResults() {
    const int n = m_nLastIndex + 1;
    const std::span<const double> values(m_adSample.data(), static_cast<std::size_t>(n));
    const double sum = std::accumulate(values.begin(), values.end(), 0.0);
    const double mean = n == 0 ? 0.0 : sum / n;
    const double squares =
        std::accumulate(values.begin(), values.end(), 0.0, [mean](double total, double value) {
            return total + (value - mean) * (value - mean);
        });
    const double varianceN1 = n >= 2 ? squares / (n - 1) : 0.0;
    m_dSum = sum;
    m_dMean = mean;
    m_dVarianceN = n >= 2 ? squares / n : squares;
    m_dStdDevN = std::sqrt(m_dVarianceN);
    m_dStdDevN1 = std::sqrt(varianceN1);

    m_strCount = FormatInteger(n);
    m_host.ShowCount(m_strCount);
    for (const ResultChoice choice : kResultChoices)
        ShowResult(choice, FormatFixed(Result(choice), 6));
    m_strNumber.clear();
}

} // namespace tarvo

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
        m_bInsertMode = 0;
        m_strInsert.clear();
        SpaceAfterCommas();
    }
    DropStrayCommas();
    if (!ReadSample())
        return;
    ShowResults();
    m_settings.WriteSettingString(kSettingsSection, "Sumra1", m_strSample);
    m_bPositive = 1;
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

// A comma with no number before it, left by deleting a number by hand, is taken out with the
// blank after it; the numbers that follow it stay.
void StatisticsTool::DropStrayCommas() {
    std::string kept;
    kept.reserve(m_strSample.size());
    bool tokenEmpty = true;
    for (std::size_t i = 0; i < m_strSample.size(); ++i) {
        const char c = m_strSample[i];
        if (c == ',' && tokenEmpty) {
            if (i + 1 < m_strSample.size() && m_strSample[i + 1] == ' ')
                ++i;
            continue;
        }
        kept += c;
        if (c == ',')
            tokenEmpty = true;
        else if (c != ' ')
            tokenEmpty = false;
    }
    if (kept.size() == m_strSample.size())
        return;
    m_strSample = std::move(kept);
    ShowSample(true);
}

// Blanks are skipped and each comma ends a number; what follows the last comma is no number.
// False when the text holds more numbers than the sample does.
bool StatisticsTool::ReadSample() {
    std::string token;
    for (const char c : m_strSample) {
        if (c == ' ')
            continue;
        if (c != ',') {
            token += c;
            continue;
        }
        if (m_nLastIndex == kMaxSample - 1) {
            m_messages.ShowMessage("Warning Message", "Maximum number of inputs exceeded");
            return false;
        }
        m_adSample[static_cast<std::size_t>(++m_nLastIndex)] = NumericValue(token);
        token.clear();
    }
    return true;
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
    for (int choice = 1; choice <= kResultCount; ++choice) {
        m_strResults[choice - 1] = FormatFixed(Result(choice), 6);
        m_host.ShowResult(choice, m_strResults[choice - 1]);
    }
    m_strNumber.clear();
}

} // namespace tarvo

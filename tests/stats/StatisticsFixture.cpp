#include "StatisticsFixture.h"

#include "StatisticsKeys.h"

#include <stdexcept>

namespace tarvo {

void StatisticsFixture::Open(const std::string& stored) {
    m_settings.WriteSettingString("Settings", "Sumra1", stored);
    m_tool.OnInitDialog();
}

void StatisticsFixture::Act(std::string_view steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i] == '[') {
            const std::size_t close = steps.find(']', i);
            std::string text(steps.substr(i + 1, close - i - 1));
            std::optional<int> caret;
            if (const auto at = text.rfind('@'); at != std::string::npos) {
                caret = std::stoi(text.substr(at + 1));
                text.erase(at);
            }
            m_host.EditSample(text, caret);
            i = close;
        } else if (steps[i] != ' ') {
            const std::size_t end = std::min(steps.find(' ', i), steps.size());
            const StatisticsKey* key = FindStatisticsKey(steps.substr(i, end - i));
            if (!key)
                throw std::invalid_argument("no key " + std::string(steps.substr(i, end - i)));
            key->press(m_tool);
            i = end;
        }
    }
}

std::string StatisticsFixture::Shown() const {
    std::string shown = m_tool.m_strCount;
    for (const std::string& result : m_tool.m_strResults)
        shown += " " + result;
    return shown;
}

} // namespace tarvo

// The statistics logic on the headless host, with the real settings store in a temporary
// folder and the message boxes recorded.
#pragma once

#include "HeadlessStatisticsHost.h"
#include "IniSettingsStore.h"
#include "RecordedMessages.h"
#include "StatisticsTool.h"

#include <QTemporaryDir>

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class StatisticsFixture {
protected:
    StatisticsFixture() { m_host.Attach(m_tool); }

    // Opens the tool with this sample stored by an earlier run.
    void Open(const std::string& stored = "");
    // Key tokens separated by blanks; "[TEXT@N]" edits the sample display by hand and leaves
    // it with the caret at N ("[TEXT]": at its end).
    void Act(std::string_view steps);

    std::string Sample() { return m_host.SampleText(); }
    std::string Stored() { return m_settings.ReadSettingString("Settings", "Sumra1", "(none)"); }
    // The count and the five result texts, separated by blanks.
    std::string Shown() const;

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    test::RecordedMessages<> m_messages;
    HeadlessStatisticsHost m_host;
    StatisticsTool m_tool{m_host, m_messages, m_settings};
};

} // namespace tarvo

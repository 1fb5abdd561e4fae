// One run of the calculator without its window: the document, the form logic and the
// headless host, started the way the window starts them.
#pragma once

#include "CalculatorView.h"
#include "HeadlessHost.h"
#include "SettingsCommands.h"

namespace tarvo {

class BatchSession {
public:
    BatchSession(ISettingsStore& settings, std::ostream& out);

    CCalculatorView& View() { return m_view; }
    HeadlessHost& Host() { return m_host; }
    ISettingsStore& Settings() { return m_settings; }
    CCalcLevel& CurrentLevel() { return m_view.CurrentLevel(); }

    void PrintState() { m_host.PrintState(); }
    void PrintClipboard();

private:
    ISettingsStore& m_settings;
    std::ostream& m_out;
    HeadlessHost m_host;
    CCalculatorDoc m_doc;
    CCalculatorView m_view;
};

} // namespace tarvo

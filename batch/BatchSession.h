// One run of the calculator without its window: the document, the form logic and the
// headless host, started the way the window starts them, and the dialog open now.
#pragma once

#include "BrowserSurface.h"
#include "CalculatorView.h"
#include "HeadlessHost.h"
#include "HexToolSurface.h"
#include "SaveCommand.h"
#include "SettingsCommands.h"
#include "StatisticsSurface.h"
#include "ToolTransfer.h"

#include <memory>
#include <optional>

namespace tarvo {

class BatchSession {
public:
    BatchSession(ISettingsStore& settings, std::ostream& out);

    CCalculatorDoc& Doc() { return m_doc; }
    CCalculatorView& View() { return m_view; }
    HeadlessHost& Host() { return m_host; }
    ISettingsStore& Settings() { return m_settings; }
    CCalcLevel& CurrentLevel() { return m_view.CurrentLevel(); }

    // File > Save or Save As with the answers to its two dialogs (nothing: cancelled).
    void Save(SaveKind kind, std::optional<std::string> id, std::optional<std::string> file);
    // File > Load with the file dialog answered; the browser stays open until it closes.
    void OpenBrowser(const std::string& file);
    BrowserSurface& Browser() { return *m_browser; }
    void CloseBrowser(BrowserResult result);

    // Tools > Nixet and Tools > Statistics; closing it accepted hands its value to the calculator.
    void OpenHexTool();
    HexToolSurface& HexTool() { return *m_hexTool; }
    void CloseHexTool(ToolClosing how);
    void OpenStatistics();
    StatisticsSurface& Statistics() { return *m_statistics; }
    void CloseStatistics(ToolClosing how);

    // Prints what the open surface shows.
    void PrintState();
    void PrintClipboard();

private:
    template <class ToolSurface>
    void CloseTool(std::unique_ptr<ToolSurface>& surface, Tool tool, ToolClosing how);

    ISettingsStore& m_settings;
    std::ostream& m_out;
    HeadlessHost m_host;
    CCalculatorDoc m_doc;
    CCalculatorView m_view;
    std::unique_ptr<BrowserSurface> m_browser;
    std::unique_ptr<HexToolSurface> m_hexTool;
    std::unique_ptr<StatisticsSurface> m_statistics;
};

} // namespace tarvo

#include "BatchSession.h"

#include "BatchSaveHost.h"
#include "CalcRecord.h"
#include "LoadCommand.h"
#include "OutputText.h"
#include "ToolTransfer.h"

#include <filesystem>

namespace tarvo {

namespace {

// File dialogs answer with full paths, and add the calculation file's extension "txt" to a
// name typed without any.
std::string FullPath(const std::string& file) {
    std::filesystem::path path = std::filesystem::absolute(file);
    if (path.filename().string().find('.') == std::string::npos &&
        !std::filesystem::is_directory(path))
        path += ".txt";
    return path.string();
}

} // namespace

BatchSession::BatchSession(ISettingsStore& settings, std::ostream& out)
    : m_settings(settings), m_out(out), m_host(out), m_doc(m_host),
      m_view(m_doc, m_host, settings) {
    m_host.Attach(m_view);
    ReadPrecisionSettings(m_doc.BaseLevel(), settings);
    ReadKeySoundSetting(m_doc.BaseLevel(), settings);
}

void BatchSession::Save(SaveKind kind, std::optional<std::string> id,
                        std::optional<std::string> file) {
    if (file)
        file = FullPath(*file);
    BatchSaveHost host(m_host, std::move(id), std::move(file));
    SaveCalculation(kind, m_settings, host, CurrentTimeStamp());
}

void BatchSession::OpenBrowser(const std::string& file) {
    ChooseLoadFile(m_settings, FullPath(file));
    m_browser = std::make_unique<BrowserSurface>(m_settings, m_host, m_out);
    m_browser->Browser().Open();
}

void BatchSession::CloseBrowser(BrowserResult result) {
    m_browser.reset();
    FinishLoad(m_view, result);
}

void BatchSession::OpenHexTool() {
    m_hexTool = std::make_unique<HexToolSurface>(m_settings, m_host, m_out);
}

void BatchSession::CloseHexTool(ToolClosing how) {
    CloseTool(m_hexTool, Tool::HexTool, how);
}

void BatchSession::OpenStatistics() {
    m_statistics = std::make_unique<StatisticsSurface>(m_settings, m_host, m_out);
}

void BatchSession::CloseStatistics(ToolClosing how) {
    CloseTool(m_statistics, Tool::Statistics, how);
}

// A tool closed accepted hands its transfer value to the calculator.
template <class ToolSurface>
void BatchSession::CloseTool(std::unique_ptr<ToolSurface>& surface, Tool tool, ToolClosing how) {
    if (surface->Close(how))
        AcceptToolTransfer(CurrentLevel(), tool, surface->TransferValue());
    surface.reset();
}

void BatchSession::PrintState() {
    if (m_browser)
        m_browser->PrintState();
    else if (m_hexTool)
        m_hexTool->PrintState();
    else if (m_statistics)
        m_statistics->PrintState();
    else
        m_host.PrintState();
}

void BatchSession::PrintClipboard() {
    WriteField(m_out, "clipboard", m_host.Clipboard());
}

} // namespace tarvo

#include "BatchSession.h"

#include "OutputText.h"

namespace tarvo {

BatchSession::BatchSession(ISettingsStore& settings, std::ostream& out)
    : m_settings(settings), m_out(out), m_host(out), m_doc(m_host),
      m_view(m_doc, m_host, settings) {
    m_host.Attach(m_view);
    ReadPrecisionSettings(m_doc.BaseLevel(), settings);
    ReadKeySoundSetting(m_doc.BaseLevel(), settings);
}

void BatchSession::PrintClipboard() {
    WriteField(m_out, "clipboard", m_host.Clipboard());
}

} // namespace tarvo

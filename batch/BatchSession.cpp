#include "BatchSession.h"

namespace tarvo {

BatchSession::BatchSession(ISettingsStore& settings, std::ostream& out)
    : m_settings(settings), m_host(out), m_doc(m_host), m_view(m_doc, m_host, settings) {
    m_host.Attach(m_view);
    ReadLevelSettings(m_doc.BaseLevel(), settings);
}

} // namespace tarvo

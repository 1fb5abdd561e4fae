#include "BrowserSurface.h"

#include "OutputText.h"

namespace tarvo {

BrowserSurface::BrowserSurface(ISettingsStore& settings, IMessageBox& messages, std::ostream& out)
    : m_messages(messages), m_out(out), m_browser(settings, *this) {}

void BrowserSurface::PrintState() const {
    static const char* const labels[] = {"calc-id", "time", "calc", "count", "item"};
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        WriteField(m_out, labels[i], m_fields[i]);
}

} // namespace tarvo

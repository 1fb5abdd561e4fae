#include "HeadlessHost.h"

#include "OutputText.h"

namespace tarvo {

MessageAnswer HeadlessHost::ShowMessage(const std::string& title, const std::string& text,
                                        MessageButtons buttons) {
    const bool question = buttons == MessageButtons::YesNo;
    m_out << (question ? "question: " : "message: ");
    WriteEscaped(m_out, title);
    m_out << " | ";
    WriteEscaped(m_out, text);
    if (!question) {
        m_out << '\n';
        return MessageAnswer::Ok;
    }
    m_out << (m_answerYes ? " -> yes\n" : " -> no\n");
    return m_answerYes ? MessageAnswer::Yes : MessageAnswer::No;
}

void HeadlessHost::Beep() { m_out << "beep\n"; }

void HeadlessHost::PrintState() const {
    WriteField(m_out, "small", m_small ? *m_small : std::string());
    WriteField(m_out, "large", m_large ? *m_large : std::string());
    WriteField(m_out, "status", m_status);
}

} // namespace tarvo

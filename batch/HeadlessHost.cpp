#include "HeadlessHost.h"

#include "CalculatorView.h"
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

void HeadlessHost::Beep() {
    m_out << "beep\n";
}

void HeadlessHost::ShowLargeDisplay(const std::string& text) {
    m_pendingLarge = &text;
}

EditControl& HeadlessHost::Large() {
    if (m_pendingLarge) {
        m_large.SetText(*m_pendingLarge);
        m_pendingLarge = nullptr;
    }
    return m_large;
}

void HeadlessHost::SetLargeSelection(TextSelection selection) {
    Large().Select(selection.start, selection.end);
}

void HeadlessHost::ReplaceLargeSelection(const std::string& text) {
    Large().ReplaceSelection(text);
    m_view->OnLargeDisplayChange();
}

void HeadlessHost::ClickLarge(int start, int length) {
    if (!m_largeFocus) {
        m_largeFocus = true;
        m_view->OnLargeDisplaySetFocus();
    }
    Large().Select(start, start + length);
}

void HeadlessHost::TypeIntoLarge(const std::string& text) {
    for (const char c : text)
        ReplaceLargeSelection(std::string(1, c));
}

void HeadlessHost::ReplaceWholeLarge(const std::string& text) {
    ClickLarge(0, static_cast<int>(Large().Text().size()));
    ReplaceLargeSelection(text);
    LeaveLarge();
}

void HeadlessHost::LeaveLarge() {
    if (!m_largeFocus)
        return;
    m_largeFocus = false;
    m_view->OnLargeDisplayKillFocus();
}

void HeadlessHost::ClickSmall() {
    LeaveLarge();
    m_view->OnSmallDisplaySetFocus();
}

void HeadlessHost::PrintState() {
    WriteField(m_out, "small", m_small ? *m_small : std::string());
    WriteField(m_out, "large", Large().Text());
    WriteField(m_out, "status", m_status);
}

} // namespace tarvo

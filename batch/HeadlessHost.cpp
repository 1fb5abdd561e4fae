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

void HeadlessHost::ShowLargeDisplay(const std::string& text, TextChange change) {
    m_pendingLarge = &text;
    m_largeChange.Add(change);
}

EditControl& HeadlessHost::Large() {
    if (m_largeChange.Pending())
        m_large.ApplySplice(*m_pendingLarge,
                            m_largeChange.Take(m_large.Text().size(), m_pendingLarge->size()));
    return m_large;
}

EditControl& HeadlessHost::Small() {
    if (m_pendingSmall) {
        m_small.SetText(*m_pendingSmall);
        m_pendingSmall = nullptr;
    }
    return m_small;
}

void HeadlessHost::CopySelection(const EditControl& control) {
    const TextSelection selection = control.Selection();
    if (selection.start == selection.end)
        return;
    m_clipboard = control.Text().substr(static_cast<std::size_t>(selection.start),
                                        static_cast<std::size_t>(selection.end - selection.start));
}

void HeadlessHost::SetLargeSelection(TextSelection selection) {
    Large().Select(selection.start, selection.end);
}

void HeadlessHost::ReplaceLargeSelection(const std::string& text) {
    const TextSelection selection = Large().Selection();
    m_large.ReplaceSelection(text);
    m_view->OnLargeDisplayChange(static_cast<std::size_t>(selection.start),
                                 static_cast<std::size_t>(selection.end - selection.start), text);
}

void HeadlessHost::PasteIntoSmall() {
    Small().ReplaceSelection(m_clipboard);
    m_view->OnSmallDisplayChange();
}

// Fixed stand-ins for the desktop's colours: a person running a script sees no desktop.
Rgb HeadlessHost::GetSystemColor(SystemColor which) {
    return which == SystemColor::ButtonFace ? 0xEFEFEF : 0x6E4A2B;
}

void HeadlessHost::MoveFocus(Focus focus) {
    if (focus == m_focus)
        return;
    const Focus lost = m_focus;
    m_focus = focus;
    if (lost == Focus::Large)
        m_view->OnLargeDisplayKillFocus();
    else if (lost == Focus::Small)
        m_view->OnSmallDisplayKillFocus();
    if (focus == Focus::Large)
        m_view->OnLargeDisplaySetFocus();
    else if (focus == Focus::Small)
        m_view->OnSmallDisplaySetFocus();
}

void HeadlessHost::ClickLarge(int start, int length) {
    MoveFocus(Focus::Large);
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
    if (m_focus == Focus::Large)
        MoveFocus(Focus::Button);
}

void HeadlessHost::ClickSmall() {
    MoveFocus(Focus::Small);
    Small().Select(0, static_cast<int>(Small().Text().size()));
}

void HeadlessHost::PrintState() {
    WriteField(m_out, "small", Small().Text());
    WriteField(m_out, "large", Large().Text());
    WriteField(m_out, "status", m_status);
}

} // namespace tarvo

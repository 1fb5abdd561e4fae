// Editing the equation text: the large display's focus and change notifications, and the
// insertion of a key's text at its caret, at once (edit mode) or at the next key (pending).
#include "CalculatorView.h"

#include <algorithm>

namespace tarvo {

void CCalculatorView::OnLargeDisplaySetFocus() {
    m_bLargeDisplayFocus = true;
    m_bEditMode = true;
}

// The form's copy of the text follows every change, so that no later key writes back a
// text from before the edit.
void CCalculatorView::OnLargeDisplayChange(std::size_t start, std::size_t removed,
                                           const std::string& inserted) {
    start = std::min(start, m_strLargeDisplay.size());
    m_strLargeDisplay.replace(start, removed, inserted);
    m_strEquation = m_strLargeDisplay;
    m_bEquationEdited = true;
}

void CCalculatorView::OnLargeDisplayKillFocus() {
    m_bLargeDisplayFocus = false;
    m_bEditMode = false;
    m_nCaretPos = m_host.LargeSelection().start;
    m_nFirstVisibleLine = m_host.LargeFirstVisibleLine();
    m_strInsertBuffer.clear();
    m_bInsertPending = true;
    m_bEquationEdited = false;
}

void CCalculatorView::OnSmallDisplaySetFocus() {
    m_bSmallDisplayFocus = true;
    m_bInsertPending = false;
}

bool CCalculatorView::InsertIntoEditedEquation(const std::string& text, const char* separator) {
    if (m_bInsertPending) {
        AppendToInsertion(text, separator);
        return true;
    }
    if (m_bEditMode) {
        InsertAtCaret(text);
        return true;
    }
    return false;
}

void CCalculatorView::AppendToInsertion(const std::string& text, const char* separator) {
    m_strInsertBuffer += text;
    FlushInsertion(separator);
}

// As the control replaces its selection when the user types: a change of the equation text.
void CCalculatorView::ReplaceLargeText(TextSelection selection, const std::string& text) {
    const auto start = static_cast<std::size_t>(selection.start);
    m_strLargeDisplay.replace(start, static_cast<std::size_t>(selection.end - selection.start),
                              text);
    m_host.ShowLargeDisplay(m_strLargeDisplay,
                            {start, m_strLargeDisplay.size() - start - text.size()});
    m_strEquation = m_strLargeDisplay;
    m_bEquationEdited = true;
}

// Every key's text is at least one character long.
void CCalculatorView::InsertAtCaret(const std::string& text) {
    // A blank after the first character inserted: "-" becomes "- ", a subtraction when
    // replayed, and "5" becomes "5 ", harmless between digits.
    std::string inserted = text;
    inserted.insert(1, 1, ' ');
    const TextSelection selection = m_host.LargeSelection();
    ReplaceLargeText(selection, inserted);
    // The caret stands right after that character, so that the next key inserts behind it.
    const int blank = selection.start + 1;
    m_host.SetLargeSelection({blank, blank});
    if (CurrentLevel().m_shared.m_bKeySound.IsOn())
        m_host.Beep();
}

void CCalculatorView::FlushInsertion(const char* separator) {
    m_bEquationEdited = true;
    m_bInsertPending = false;
    const long long remaining = static_cast<long long>(m_strEquation.size()) - m_nCaretPos;
    if (remaining > 0) {
        const char atCaret = m_strEquation[m_nCaretPos];
        const bool afterLineEnd = m_nCaretPos > 1 && m_strEquation[m_nCaretPos - 1] == ';';
        if (afterLineEnd || atCaret == '\n' || atCaret == '\r' || atCaret == ';') {
            ReCalc();
            return;
        }
    }
    const TextSelection selection = m_host.LargeSelection();
    const auto start = static_cast<std::size_t>(selection.start);
    const std::string replaced =
        m_strLargeDisplay.substr(start, static_cast<std::size_t>(selection.end - selection.start));
    ReplaceLargeText(selection, m_strInsertBuffer);
    if (remaining <= 1) {
        // Typed at the very end: the text continues the calculation, added once to the text
        // as it stood before this insertion, after the separator a new calculation needs.
        m_strLargeDisplay.replace(start, m_strInsertBuffer.size(), replaced);
        m_strLargeDisplay += separator;
        ShowLargeDisplayFrom(start);
        EnterText(m_strInsertBuffer);
    }
    m_host.ScrollLargeDisplay(0, m_nFirstVisibleLine);
    m_host.SetLargeSelection(
        {m_nCaretPos, m_nCaretPos + static_cast<int>(m_strInsertBuffer.size())});
    if (CurrentLevel().m_shared.m_bKeySound.IsOn())
        m_host.Beep();
}

} // namespace tarvo

// Editing the equation text: the large display's focus and change notifications, and the
// insertion of a key's text at its caret, at once (edit mode) or at the next key (pending).
#include "CalculatorView.h"

#include <algorithm>

namespace tarvo {

void CCalculatorView::OnLargeDisplaySetFocus() {
    m_bLargeDisplayFocus = 1;
    m_bEditMode = 1;
}

// The form's copy of the text follows every change, so that no later key writes back a
// text from before the edit.
void CCalculatorView::OnLargeDisplayChange() {
    m_strEquation = m_host.LargeDisplayText();
    m_strLargeDisplay = m_strEquation;
    m_bEquationEdited = 1;
}

void CCalculatorView::OnLargeDisplayKillFocus() {
    m_bLargeDisplayFocus = 0;
    m_bEditMode = 0;
    m_nCaretPos = m_host.LargeSelection().start;
    m_nFirstVisibleLine = m_host.LargeFirstVisibleLine();
    m_strInsertBuffer.clear();
    m_bInsertPending = 1;
    m_bEquationEdited = 0;
}

void CCalculatorView::OnSmallDisplaySetFocus() {
    m_bSmallDisplayFocus = 1;
    m_bInsertPending = 0;
}

bool CCalculatorView::InsertIntoEditedEquation(const std::string& text) {
    if (m_bInsertPending) {
        AppendToInsertion(text);
        return true;
    }
    if (m_bEditMode) {
        InsertAtCaret(text);
        return true;
    }
    return false;
}

void CCalculatorView::AppendToInsertion(const std::string& text) {
    m_strInsertBuffer += text;
    FlushInsertion();
}

void CCalculatorView::InsertAtCaret(const std::string& text) {
    const int start = m_host.LargeSelection().start;
    m_host.ReplaceLargeSelection(text);
    // A blank after the first character inserted: "-" becomes "- ", a subtraction when
    // replayed, and "5" becomes "5 ", harmless between digits.
    m_strEquation = m_host.LargeDisplayText();
    const std::size_t blank = std::min<std::size_t>(start + 1, m_strEquation.size());
    m_strEquation.insert(m_strEquation.begin() + static_cast<std::ptrdiff_t>(blank), ' ');
    m_strLargeDisplay = m_strEquation;
    m_host.ShowLargeDisplay(m_strLargeDisplay);
    // The caret stands right after that character, so that the next key inserts behind it.
    m_host.SetLargeSelection({static_cast<int>(blank), static_cast<int>(blank)});
    if (CurrentLevel().m_bKeySound)
        m_host.Beep();
}

void CCalculatorView::FlushInsertion() {
    m_bEquationEdited = 1;
    m_bInsertPending = 0;
    const long long remaining = static_cast<long long>(m_strEquation.size()) - m_nCaretPos;
    if (remaining > 0) {
        const char atCaret = m_strEquation[m_nCaretPos];
        const bool afterLineEnd = m_nCaretPos > 1 && m_strEquation[m_nCaretPos - 1] == ';';
        if (afterLineEnd || atCaret == '\n' || atCaret == '\r' || atCaret == ';') {
            ReCalc();
            return;
        }
    }
    std::string shownBefore = m_strLargeDisplay;
    m_host.ReplaceLargeSelection(m_strInsertBuffer);
    m_strEquation = m_host.LargeDisplayText();
    m_strLargeDisplay = m_strEquation;
    m_host.ShowLargeDisplay(m_strLargeDisplay);
    if (remaining <= 1) {
        // Typed at the very end: the text continues the calculation, added once to the text
        // as it stood before this insertion.
        m_strLargeDisplay = std::move(shownBefore);
        EnterText(m_strInsertBuffer);
    }
    m_host.ScrollLargeDisplay(0, m_nFirstVisibleLine);
    m_host.SetLargeSelection(
        {m_nCaretPos, m_nCaretPos + static_cast<int>(m_strInsertBuffer.size())});
    if (CurrentLevel().m_bKeySound)
        m_host.Beep();
}

} // namespace tarvo

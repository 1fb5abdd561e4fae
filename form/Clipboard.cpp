// The keyboard captions of the keys, Copy and Paste on the focused display, and a paste into
// the small display, which becomes the number being entered.
#include "CalculatorView.h"

namespace tarvo {

void CCalculatorView::OnShowAcceleratorKeys() {
    m_bPlainCaptions = !m_bPlainCaptions;
    m_host.ShowCaptions(m_bPlainCaptions);
    m_host.ShowAngleMode(AngleCaption());
}

void CCalculatorView::OnEditCopy() {
    if (m_bSmallDisplayFocus)
        m_host.CopySmallSelection();
    if (m_bLargeDisplayFocus)
        m_host.CopyLargeSelection();
}

void CCalculatorView::OnEditPaste() {
    if (m_bSmallDisplayFocus) {
        m_bPastePending = true;
        m_host.PasteIntoSmall();
    }
    if (m_bLargeDisplayFocus)
        m_host.PasteIntoLarge();
}

void CCalculatorView::OnSmallDisplayKillFocus() {
    m_bSmallDisplayFocus = false;
}

void CCalculatorView::OnSmallDisplayChange() {
    if (!m_bSmallDisplayFocus || !m_bPastePending)
        return;
    m_strSmallEditText = m_host.SmallDisplayText();
    CCalcLevel& level = CurrentLevel();
    level.m_strEntry = m_strSmallEditText;
    SetSmallDisplay(m_strSmallEditText);
    const std::size_t shown = m_strLargeDisplay.size();
    m_strLargeDisplay += m_strSmallEditText;
    ShowLargeDisplayFrom(shown);
    m_host.ScrollLargeDisplayToEnd();
    level.m_bFunctionValue = false;
    level.m_dLastResult = 0;
    m_bPastePending = false;
}

} // namespace tarvo

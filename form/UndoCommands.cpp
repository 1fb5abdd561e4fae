// Undo and Redo: each restores a stored equation text and recalculates it.
#include "CalculatorView.h"

namespace tarvo {

void CCalculatorView::TakeUndoSnapshot() {
    if (m_bRecalcRunning)
        m_undo.TakeDeferredSnapshot(m_strLargeDisplay.size());
    else
        m_undo.TakeSnapshot(m_strLargeDisplay);
}

void CCalculatorView::OnUndo() {
    if (m_undo.StepBack())
        ReplayUndoEntry();
}

void CCalculatorView::OnRedo() {
    if (m_undo.StepForward())
        ReplayUndoEntry();
}

void CCalculatorView::ReplayUndoEntry() {
    m_strEquation.assign(m_undo.CurrentEntry());
    m_bReplaying = true;
    ReCalc();
    m_bReplaying = false;
}

void CCalculatorView::OnClearUndoMemory() {
    const MessageAnswer answer = m_host.ShowMessage(
        "Tarvo Warning", "Are you sure you want to delete all the calculations in the Undo Memory?",
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        m_undo.Clear();
}

} // namespace tarvo

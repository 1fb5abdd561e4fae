// The arithmetic operators, the parentheses and equals: the keys that drive the levels.
#include "CalculatorView.h"

namespace tarvo {

void CCalculatorView::OnDivide() {
    ApplyOperatorKey(" / ", CalcOperator::Divide);
}
void CCalculatorView::OnMultiply() {
    ApplyOperatorKey(" * ", CalcOperator::Multiply);
}
void CCalculatorView::OnSubtract() {
    ApplyOperatorKey(" - ", CalcOperator::Subtract);
}
void CCalculatorView::OnAdd() {
    ApplyOperatorKey(" + ", CalcOperator::Add);
}

// A pending y^x or y^1/x takes the current operand as its second operand and is computed.
void CCalculatorView::CompletePendingPower() {
    CCalcLevel& level = CurrentLevel();
    if (level.m_nPendingPower == PendingPower::None)
        return; // nothing pending: the shown number is not read, however long it is
    const double value = TakeOperand();
    if (level.m_nPendingPower == PendingPower::Power) {
        level.m_dPowerB = value;
        CompletePower();
    } else {
        level.m_dPowerA = value;
        CompleteRoot();
    }
}

void CCalculatorView::ApplyOperatorKey(const char* segment, CalcOperator op) {
    m_bExponentEntry = false;
    if (m_bInsertPending) {
        AppendToInsertion(segment);
        return;
    }
    if (m_bEditMode) {
        InsertAtCaret(std::string(1, segment[1])); // the bare symbol
        return;
    }
    if (m_strSmallDisplay.empty())
        return;
    CompletePendingPower();
    CCalcLevel& level = CurrentLevel();
    if (IsArithmetic(level.m_nCurrentOp) && level.m_strEntry.empty())
        level.m_dLastResult = 0;
    const std::string result = level.ApplyOperator(op);
    if (level.m_bDivideError)
        return; // the division waits for its divisor; the key leaves no trace
    if (!result.empty())
        SetSmallDisplay(result);
    ShowSmallDisplay();
    AppendToLargeDisplay(segment);
    m_bResultShown = false;
}

void CCalculatorView::OnOpenParen() {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(" ( "))
        return;
    if (m_doc.Levels().IsFull()) {
        m_host.ShowMessage("Tarvo Error", "Maximum level of parenthesis is 100");
        return;
    }
    EnterText("");
    OpenLevel();
    AppendToLargeDisplay(" ( ");
    SetParenStatus();
}

void CCalculatorView::OnCloseParen() {
    if (InsertIntoEditedEquation(" ) "))
        return;
    if (m_doc.Levels().OpenCount() == 0)
        return;
    CompletePendingPower();
    const std::optional<std::string> result = CloseLevel();
    if (!result)
        return;
    if (!result->empty()) {
        SetSmallDisplay(*result);
        ShowSmallDisplay();
    }
    SetParenStatus();
    AppendToLargeDisplay(" ) ");
}

void CCalculatorView::OnEquals() {
    m_bExponentEntry = false;
    m_bResultShown = false;
    if (m_bInsertPending) {
        AppendToInsertion(" = ");
        return;
    }
    CompletePendingPower();
    CCalcLevel& level = CurrentLevel();
    if (!level.m_bFunctionValue)
        level.m_dLastResult = 0;
    level.m_bRightFromParen = false;
    level.m_bFunctionValue = false;
    const std::string result = level.ApplyOperator(CalcOperator::Equals);
    if (!result.empty()) {
        SetSmallDisplay(result);
    } else if (level.m_bDivideError) {
        return;
    }
    // The equation's value in full, also where it came from a parenthesis or a function: the
    // keys after "=" compute with it rather than with the text rounded for the display.
    level.m_dLastResult = level.m_dLeft;
    ShowSmallDisplay();
    const std::size_t shown = m_strLargeDisplay.size();
    m_strLargeDisplay += " = ";
    m_strLargeDisplay += m_strSmallDisplay;
    m_strLargeDisplay += "; ";
    m_nLastLineEnd = static_cast<int>(m_strLargeDisplay.size());
    m_strLargeDisplay += "\r\n";
    ++m_nEquationCount;
    ShowLargeDisplayFrom(shown);
    ScrollLargeDisplay();
    if (m_bRecalcRunning) {
        m_replayedEquationLength = m_strLargeDisplay.size();
    } else {
        m_strEquation = m_strLargeDisplay;
        m_settings.WriteSettingString(kSettingsSection, "Current Calc", m_strEquation);
    }
    if (!m_bEquationEdited && !m_bReplaying)
        TakeUndoSnapshot();
}

} // namespace tarvo

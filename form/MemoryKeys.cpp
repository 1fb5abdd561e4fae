// Memory, transfer register, angle unit and the hyperbolic switch.
#include "CalculatorView.h"

namespace tarvo {

// The number on show is stored: a function value, a first operand, or after "=" the result
// or a new number typed. While the second operand of an operation is typed, the left operand.
void CCalculatorView::OnMemoryStore() {
    CCalcLevel& level = CurrentLevel();
    double& memory = level.m_shared.m_dMemory;
    if (level.m_bFunctionValue)
        memory = level.m_dFunctionValue;
    else if (level.m_nLeftState == OperandState::Empty ||
             level.m_nCurrentOp == CalcOperator::Equals)
        memory = GetCurrentOperand();
    else
        memory = level.m_dLeft;
}

void CCalculatorView::OnMemoryRecall() {
    RecallRegister(CurrentLevel().m_shared.m_dMemory);
}

void CCalculatorView::OnTransferRecall() {
    RecallRegister(CurrentLevel().m_shared.m_dTransfer);
}

// The recalled value becomes the current operand and its text is written into the equation.
void CCalculatorView::RecallRegister(double value) {
    if (value == 0)
        return;
    FormatDisplayValue(value);
    const std::string text = m_strSmallDisplay;
    ShowFunctionResult(text, value);
}

void CCalculatorView::OnAngleMode() {
    m_nAngleMode = static_cast<AngleMode>((static_cast<int>(m_nAngleMode) + 1) % 3);
    m_host.ShowAngleMode(AngleCaption());
}

void CCalculatorView::OnHyperbolic() {
    m_bHyperbolic = !m_bHyperbolic;
    m_host.ShowHyperbolic(m_bHyperbolic);
}

} // namespace tarvo

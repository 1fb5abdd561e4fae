#include "CalcLevel.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarvo {

namespace {

std::string RemoveSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
}

bool InRangeForFixedPoint(double value) {
    return !(value >= 1e16 || value <= -1e16 || (value > 0 && value < 1e-10) ||
             (value < 0 && value > -1e-10));
}

bool IsAdditive(CalcOperator op) {
    return op == CalcOperator::Add || op == CalcOperator::Subtract;
}
bool IsMultiplicative(CalcOperator op) {
    return op == CalcOperator::Multiply || op == CalcOperator::Divide;
}

} // namespace

std::string CCalcLevel::Evaluate() {
    double result = 0;
    switch (m_nPendingOp) {
    case CalcOperator::Equals:
        result = m_dRight;
        break;
    case CalcOperator::Add:
        result = m_dLeft + m_dRight;
        break;
    case CalcOperator::Subtract:
        result = m_dLeft - m_dRight;
        break;
    case CalcOperator::Multiply:
        result = m_dLeft * m_dRight;
        break;
    case CalcOperator::Divide:
        if (m_dRight == 0) {
            m_messages.ShowMessage(kApplicationTitle,
                                   "Error - Illegal divide by zero!\t\t\t\t\nRemove zero and use "
                                   "Recalc to correct.");
            m_bDivideError = true;
            return "";
        }
        result = m_dLeft / m_dRight;
        break;
    default:
        return "";
    }
    std::string text = FormatResult(result);
    ClearEntry();
    m_dLeft = result;
    m_nLeftState = OperandState::Computed;
    m_dLastResult = result;
    m_dRight = 0;
    m_nRightState = OperandState::Empty;
    // The right operand is consumed, and the flag tells whether the latest evaluation failed.
    m_bRightFromParen = false;
    m_bDivideError = false;
    return RemoveSpaces(std::move(text));
}

// A division by zero leaves the level as it was before the key: the division waits for a
// corrected divisor, which the next digits type.
std::string CCalcLevel::ApplyOperator(CalcOperator op) {
    const auto before =
        std::apply([](const auto&... field) { return std::tuple(field...); }, OperatorFields());
    m_bDivideError = false;
    std::string result = ApplyOperatorOnce(op);
    if (m_bDivideError)
        OperatorFields() = before;
    return result;
}

std::string CCalcLevel::ApplyOperatorOnce(CalcOperator op) {
    if (m_bLeftFromParen) {
        ClearEntry();
        ShiftOperator(op);
        m_bLeftFromParen = false;
        return "";
    }
    if (m_nSavedState != OperandState::Empty)
        return ApplyDeferred(op);
    return ApplyWithoutDeferred(op);
}

// A multiplicative operation waits above a deferred additive one. Another multiplicative
// operator evaluates it and keeps the addition deferred, so that precedence holds for chains
// of any length; any other operator resolves both.
std::string CCalcLevel::ApplyDeferred(CalcOperator op) {
    if (m_nRightState == OperandState::Empty) {
        if (m_strEntry.empty())
            return ReplaceDeferredOperator(op);
        m_dRight = GetEntryValue();
        m_nRightState = OperandState::Typed;
    }
    std::string result = Evaluate();
    if (m_bDivideError)
        return "";
    if (IsMultiplicative(op)) {
        m_nPendingOp = op;
        m_nCurrentOp = op;
        return result;
    }
    return ResolveDeferred(op);
}

// An operator right after the multiplicative one replaces it; the deferred addition then
// stays only under another multiplicative operator.
std::string CCalcLevel::ReplaceDeferredOperator(CalcOperator op) {
    if (IsMultiplicative(op)) {
        m_nPendingOp = op;
        m_nCurrentOp = op;
        return "";
    }
    return ResolveDeferred(op);
}

// The deferred additive operation takes the accumulated product as its right operand.
std::string CCalcLevel::ResolveDeferred(CalcOperator op) {
    m_dRight = m_dLeft;
    m_dLeft = m_dSaved;
    m_nRightState = m_nLeftState;
    m_nLeftState = m_nSavedState;
    m_nPendingOp = m_nSavedOp;
    std::string result = Evaluate();
    m_dSaved = 0;
    m_nSavedState = OperandState::Empty;
    m_nSavedOp = CalcOperator::None;
    ShiftOperator(op);
    return result;
}

std::string CCalcLevel::ApplyWithoutDeferred(CalcOperator op) {
    ShiftOperator(op);
    if (m_nLeftState == OperandState::Empty) {
        m_dLeft = GetEntryValue();
        m_nLeftState = OperandState::Typed;
        const bool keepEntry = op == CalcOperator::Equals && (m_nPendingOp != CalcOperator::None ||
                                                              m_nSavedOp != CalcOperator::None);
        if (!keepEntry)
            ClearEntry();
    } else if (m_nRightState == OperandState::Empty) {
        if (m_strEntry.empty())
            return ""; // only the operator codes moved: the new operator replaces the old
        m_dRight = GetEntryValue();
        m_nRightState = OperandState::Typed;
        ClearEntry();
    }
    if (m_nRightState != OperandState::Empty && IsMultiplicative(op) && IsAdditive(m_nPendingOp)) {
        m_nSavedOp = m_nPendingOp;
        m_dSaved = m_dLeft;
        m_nSavedState = m_nLeftState;
        m_nPendingOp = m_nCurrentOp;
        m_dLeft = m_dRight;
        m_nLeftState = m_nRightState;
        m_dRight = 0;
        m_nRightState = OperandState::Empty;
        m_bRightFromParen = false; // the operand moved to the left: no key may take it as right
        ClearEntry();
    }
    if (m_nRightState != OperandState::Empty)
        return Evaluate();
    return "";
}

double CCalcLevel::GetEntryValue() const {
    return GetValue(m_strEntry);
}

double CCalcLevel::GetValue(const std::string& text) const {
    return m_dLastResult != 0 ? m_dLastResult : NumericValue(text);
}

void CCalcLevel::ShiftOperator(CalcOperator op) {
    m_nPendingOp = m_nCurrentOp;
    m_nCurrentOp = op;
}

void CCalcLevel::Reset() {
    ResetOperands();
    m_strEntry.clear();
    m_nCurrentOp = CalcOperator::None;
    m_nPendingOp = CalcOperator::None;
    m_nSavedOp = CalcOperator::None;
}

void CCalcLevel::ResetOperands() {
    m_dLeft = 0;
    m_dRight = 0;
    m_dSaved = 0;
    m_dLastResult = 0;
    m_nLeftState = OperandState::Empty;
    m_nRightState = OperandState::Empty;
    m_nSavedState = OperandState::Empty;
    // A pending power or parenthesis operand belongs to the calculation being reset.
    m_dPowerA = 0;
    m_dPowerB = 0;
    m_nPendingPower = PendingPower::None;
    m_bDivideError = false;
    m_bLeftFromParen = false;
    m_bRightFromParen = false;
}

void CCalcLevel::TakeParenthesisValue(double value, OperandState state) {
    if (!IsArithmetic(m_nCurrentOp) && !IsArithmetic(m_nPendingOp)) {
        m_dLeft = value;
        m_nLeftState = state;
        m_bLeftFromParen = true;
    } else {
        m_dRight = value;
        m_nRightState = state;
        m_bRightFromParen = true;
    }
}

void CCalcLevel::ReleaseParenthesisValue() {
    if (m_bLeftFromParen) {
        m_dLeft = 0;
        m_nLeftState = OperandState::Empty;
        m_bLeftFromParen = false;
    } else if (m_bRightFromParen) {
        m_dRight = 0;
        m_nRightState = OperandState::Empty;
        m_bRightFromParen = false;
    }
}

void CCalcLevel::RequestLoad(LoadMode mode) {
    m_bLoadPending = true;
    m_nLoadMode = mode;
}

std::string CCalcLevel::StripTrailingZeros(std::string text) {
    const auto point = text.rfind('.');
    if (point == std::string::npos)
        return text;
    while (text.size() > point + 1 && text.back() == '0')
        text.pop_back();
    if (text.size() == point + 1)
        std::erase(text, '.');
    return text;
}

std::string CCalcLevel::FormatHighPrecision(double value) {
    if (!InRangeForFixedPoint(value))
        return FormatGeneral(value);
    double integral = 0;
    const double fraction = std::modf(value, &integral);

    const std::string fractionText =
        StripTrailingZeros(RemoveSpaces(StripTrailingZeros(FormatFixed(fraction, 14))));
    int decimals = std::clamp(static_cast<int>(fractionText.size()) - 2, 0, 10);

    const std::string integralText = StripTrailingZeros(FormatFixed(integral, 6));
    const int width = std::min(static_cast<int>(integralText.size()) + 1, 15);
    if (width + decimals > 15)
        decimals = 15 - width;

    return StripTrailingZeros(RemoveSpaces(FormatFixed(value, decimals)));
}

std::string CCalcLevel::FormatResult(double value) const {
    switch (DisplayPrecision()) {
    case Precision::High:
        return FormatHighPrecision(value);
    case Precision::Low:
        return FormatFixed(value, 2);
    case Precision::Normal:
        break;
    }
    return FormatGeneral(value);
}

std::string CCalcLevel::FormatDisplayValue(double value) const {
    switch (DisplayPrecision()) {
    case Precision::High:
        return FormatHighPrecision(value);
    case Precision::Low:
        return StripTrailingZeros(FormatFixed(value, 2));
    case Precision::Normal:
        break;
    }
    if (!InRangeForFixedPoint(value))
        return FormatGeneral(value);
    return StripTrailingZeros(FormatFixed(value, 6));
}

Precision CCalcLevel::DisplayPrecision() const {
    if (m_shared.m_bHighPrecision)
        return Precision::High;
    if (m_shared.m_bLowPrecision)
        return Precision::Low;
    return Precision::Normal;
}

} // namespace tarvo

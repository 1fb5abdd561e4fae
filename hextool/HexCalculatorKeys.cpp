// The calculator keys: entry of two operands, operators evaluated from left to right, "=",
// CLR, and typing straight into the calculator display.
#include "HexBinary.h"
#include "HexText.h"
#include "HexTool.h"

namespace tarvo {

namespace {

constexpr int kOperand1 = CHexOperands::kOperand1;
constexpr int kOperand2 = CHexOperands::kOperand2;
constexpr int kResult = CHexOperands::kResult;

} // namespace

void CHexTool::OnDigit(int digit) {
    if (m_bAfterEquals)
        StartNewCalculation();
    if (!CheckIntegralType())
        return;
    m_nDigit = digit;
    if (++m_nDigitCount > Type().hexDigits) {
        m_nDigitCount = Type().hexDigits; // the digit is refused
    } else {
        m_pCalc->m_strDigit = FormatHex(static_cast<std::uint64_t>(digit));
        if (TakesDigits())
            EnterOperandText((EntersOperand1() ? m_pCalc->m_strOperand1 : m_pCalc->m_strOperand2) +
                             m_pCalc->m_strDigit);
    }
    Refresh(true);
}

void CHexTool::StartNewCalculation() {
    m_bFirst = true;
    m_bSecond = m_bChained = m_bAfterEquals = false;
    m_nOperator = HexOperator::None;
    m_pCalc->m_strOperand1.clear();
    m_nDigitCount = 0;
}

// The text of the operand being entered is now text; after a result, that result becomes
// operand 1 under the second operand.
void CHexTool::EnterOperandText(std::string text) {
    const bool first = EntersOperand1();
    const int index = first ? kOperand1 : kOperand2;
    std::string& operand = first ? m_pCalc->m_strOperand1 : m_pCalc->m_strOperand2;
    operand = std::move(text);
    m_pShow->m_strOperand1 = operand;
    SetOperand(index, ParseHexText(operand));
    if (m_bChained)
        SetOperand(kOperand1, Operand(kResult));
    m_pShow->m_strOperand2 = DecimalText(Operand(index), m_nDataType);
}

void CHexTool::OnDisplayChange() {
    if (!m_bDisplayFocus)
        return;
    if (TakesDigits()) {
        EnterOperandText(m_host.DisplayText());
    } else if (m_bChained && m_bFirst != m_bSecond) {
        SetOperand(kOperand1, Operand(kResult));
        if (m_bFirst)
            SetOperand(kOperand2, ParseHexText(m_pCalc->m_strOperand2));
        m_pShow->m_strOperand2 = DecimalText(Operand(kOperand2), m_nDataType);
    }
    Refresh(false);
}

void CHexTool::OnDisplayKillFocus() {
    m_bDisplayFocus = false; // first, so that the refresh is not taken for typing
    Refresh(true);
}

void CHexTool::Refresh(bool withDisplay) {
    if (withDisplay)
        WriteDisplay(EntersOperand1() ? m_pCalc->m_strOperand1 : m_pCalc->m_strOperand2);
    WriteHex(m_pShow->m_strOperand1);
    WriteDecimal(m_pShow->m_strOperand2);
    WriteBinary(BinaryOf(ParseHexText(m_pShow->m_strOperand1)));
}

// The bit pattern of an entered value; under a real type the value, read as a signed
// integer, is converted to that type.
std::string CHexTool::BinaryOf(std::uint32_t value) {
    const auto integer = static_cast<std::int32_t>(value);
    switch (m_nDataType) {
    case HexDataType::Float:
        return FormatBinary(*m_pShow, static_cast<float>(integer));
    case HexDataType::Double:
        return FormatBinary(*m_pShow, static_cast<double>(integer));
    default:
        return FormatBinary(*m_pShow, value, Type().bits);
    }
}

void CHexTool::OnOperator(HexOperator op) {
    switch (op) {
    case HexOperator::Add:
    case HexOperator::Subtract:
    case HexOperator::Multiply:
    case HexOperator::Divide:
    case HexOperator::Xor:
        return CompletingOperator(op);
    case HexOperator::Complement:
        return OnComplement();
    default:
        return ReplacingOperator(op);
    }
}

// The last result becomes operand 1, unless the digit count passes the limit.
void CHexTool::ContinueFromResult(bool rereadOperand2) {
    if (++m_nDigitCount > Type().hexDigits)
        return;
    SetOperand(kOperand1, Operand(kResult));
    if (rereadOperand2)
        SetOperand(kOperand2, ParseHexText(m_pCalc->m_strOperand2));
}

// "+", "-", "*", "/" and "^" first complete the pending operation, so chains run from left
// to right.
void CHexTool::CompletingOperator(HexOperator op) {
    m_bAfterEquals = false;
    if (!CheckIntegralType())
        return;
    if (m_bFirst && m_bSecond)
        Advance();
    if (m_nOperator != op && m_nOperator != HexOperator::None) {
        if (op == HexOperator::Xor) {
            m_bSecond = true;
            m_bFirst = false;
        } else {
            const bool divide = op == HexOperator::Divide;
            m_bFirst = !divide;
            m_bSecond = divide;
            m_bChained = true;
            ContinueFromResult(!divide);
        }
    }
    m_nOperator = op;
    if (op == HexOperator::Xor)
        m_nDigitCount = 0;
    Advance();
}

// "%", "&", "|", "<<" and ">>" replace a pending operator and keep the digits typed for
// operand 2.
void CHexTool::ReplacingOperator(HexOperator op) {
    m_bAfterEquals = false;
    if (!CheckIntegralType())
        return;
    if (m_nOperator != op && m_nOperator != HexOperator::None) {
        m_bSecond = true;
        m_bFirst = false;
    }
    m_nOperator = op;
    m_nDigitCount = 0;
    Advance();
}

// "~" acts at once on operand 1, which the complement replaces: pressed twice it toggles.
void CHexTool::OnComplement() {
    m_bAfterEquals = false;
    if (!CheckIntegralType())
        return;
    if (m_nOperator == HexOperator::Complement) {
        m_bChained = true;
    } else if (m_bFirst && !m_bSecond) {
        m_bSecond = true;
    } else if (m_bFirst && m_bSecond) {
        m_bSecond = false;
        m_bChained = true;
        ContinueFromResult(true);
    }
    m_nOperator = HexOperator::Complement;
    EvaluatePending();
}

void CHexTool::Advance() {
    m_nDigitCount = 0;
    if (m_bFirst && !m_bSecond) {
        m_bSecond = true;
    } else if (m_bFirst && m_bSecond) {
        m_bChained = true;
        EvaluatePending();
    } else if (!m_bFirst && m_bSecond) {
        m_bFirst = true;
    }
}

void CHexTool::EvaluatePending() {
    if (EntersOperand1() && m_nOperator == HexOperator::None && !m_bAfterEquals)
        return;
    SetByteOrder(false);
    ComputeHexOperator(*m_pCalc, m_nDataType, m_nOperator);
    const std::uint32_t result = ParseHexText(m_pCalc->m_strResult);
    WriteDisplay(FormatHex(result));
    m_pShow->m_strResult = m_pCalc->m_strResult;
    WriteHex(m_pShow->m_strResult);
    if (IsIntegral(m_nDataType)) {
        m_pShow->m_strResult = DecimalText(result, m_nDataType);
        WriteDecimal(m_pShow->m_strResult);
        WriteBinary(FormatBinary(*m_pShow, result, Type().bits));
    } else {
        WriteDecimal("");
    }
    m_pCalc->m_strOperand2.clear();
}

void CHexTool::OnEquals() {
    if (EntersOperand1() && m_nOperator == HexOperator::None)
        ShowOperandAsResult();
    else
        EvaluatePending();
    m_bAfterEquals = true;
}

// "=" with no operation: the number typed is the result, shown as every result is, with the
// type's full width in HEX. Nothing typed yet, or a real type, shows nothing new.
void CHexTool::ShowOperandAsResult() {
    if (m_pCalc->m_strOperand1.empty() || !IsIntegral(m_nDataType))
        return;
    SetByteOrder(false);
    const std::uint32_t value = Operand(kOperand1);
    m_pShow->m_strOperand1 = PaddedHexText(value, m_nDataType);
    WriteDisplay(FormatHex(value));
    WriteHex(m_pShow->m_strOperand1);
    WriteDecimal(m_pShow->m_strOperand2);
    WriteBinary(FormatBinary(*m_pShow, value, Type().bits));
}

void CHexTool::OnClear() {
    StartNewCalculation();
    m_pCalc->Reset();
    m_pShow->Reset();
    m_strHex.clear();
    m_strDecimal.clear();
    m_bHexFocus = m_bDecimalFocus = false; // first, so that emptying the edits converts nothing
    WriteDisplay("");
    WriteHex("");
    WriteDecimal("");
    WriteBinary("");
}

} // namespace tarvo

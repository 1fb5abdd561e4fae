#include "HexOperator.h"

#include "HexText.h"

namespace tarvo {

namespace {

// The operand's exact value: within 64 bits, division and right shifts of signed and
// unsigned operands need no special cases, and INT_MIN / -1 cannot overflow.
std::int64_t Exact(std::uint32_t widened, HexDataType type) {
    if (TypeInfo(type).isSigned)
        return static_cast<std::int32_t>(widened);
    return widened;
}

std::uint32_t Compute(HexOperator op, std::uint32_t a, std::uint32_t b, HexDataType type) {
    const std::int64_t exactA = Exact(a, type);
    const std::int64_t exactB = Exact(b, type);
    const int shift = static_cast<int>(b & 31);
    switch (op) {
    case HexOperator::Add:
        return a + b;
    case HexOperator::Subtract:
        return a - b;
    case HexOperator::Multiply:
        return a * b;
    case HexOperator::Divide:
        return exactB == 0 ? 0 : static_cast<std::uint32_t>(exactA / exactB);
    case HexOperator::Complement:
        return ~a;
    case HexOperator::Xor:
        return a ^ b;
    case HexOperator::And:
        return a & b;
    case HexOperator::Or:
        return a | b;
    case HexOperator::ShiftLeft:
        return a << shift;
    case HexOperator::ShiftRight: // arithmetic for the signed types, whose exact value is signed
        return static_cast<std::uint32_t>(exactA >> shift);
    case HexOperator::Modulus:
        return exactB == 0 ? 0 : static_cast<std::uint32_t>(exactA % exactB);
    case HexOperator::None:
        break;
    }
    return a;
}

} // namespace

std::uint32_t ApplyHexOperator(HexOperator op, std::uint32_t operand1, std::uint32_t operand2,
                               HexDataType type) {
    return WidenToType(Compute(op, operand1, operand2, type), type);
}

void ComputeHexOperator(CHexOperands& calc, HexDataType type, HexOperator op) {
    if (op == HexOperator::None || !IsIntegral(type))
        return;
    const std::uint32_t result = ApplyHexOperator(op, calc.Value(type, CHexOperands::kOperand1),
                                                  calc.Value(type, CHexOperands::kOperand2), type);
    calc.SetValue(type, CHexOperands::kResult, result);
    if (op == HexOperator::Complement) {
        calc.SetValue(type, CHexOperands::kOperand1, result);
        // The complement's text is never sign-extended: ~5 as "char" reads FA.
        calc.m_strResult = PaddedHexText(CutToType(result, type), type);
        return;
    }
    calc.m_strResult = PaddedHexText(result, type);
}

} // namespace tarvo

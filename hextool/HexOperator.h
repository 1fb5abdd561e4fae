// The hex calculator's operators on the integral types, computed in 32-bit arithmetic and
// cut to the type's width.
#pragma once

#include "HexOperands.h"

#include <cstdint>

namespace tarvo {

enum class HexOperator : int {
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
    Complement = 5,
    Xor = 6,
    And = 7,
    Or = 8,
    ShiftLeft = 9,
    ShiftRight = 10,
    Modulus = 11,
};

// The result of an operator on two operands of an integral type, each widened to 32 bits as
// CHexOperands::Value gives them; the result is widened the same way. Division and modulus
// by 0 give 0; shifts take the low five bits of operand 2.
std::uint32_t ApplyHexOperator(HexOperator op, std::uint32_t operand1, std::uint32_t operand2,
                               HexDataType type);

// Computes the pending operator on the type's values of the calculator record: stores the
// result and its hex text (the complement also replaces operand 1). No operator, or a real
// type, leaves the record as it is.
void ComputeHexOperator(CHexOperands& calc, HexDataType type, HexOperator op);

} // namespace tarvo

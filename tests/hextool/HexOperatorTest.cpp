// The calculator's operators on every integral type: wrap-around, sign extension, shifts,
// division and modulus by zero and the 32-bit extremes.
#include "HexOperator.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using T = HexDataType;
using O = HexOperator;

struct OperatorCase {
    const char* name;
    HexDataType type;
    HexOperator op;
    std::uint32_t operand1; // as the type holds it, widened to 32 bits
    std::uint32_t operand2;
    std::uint32_t result;
};

const OperatorCase kCases[] = {
    {"UcharAddWraps", T::UnsignedChar, O::Add, 0xFF, 0x01, 0x00},
    {"CharAddOverflows", T::Char, O::Add, 0x7F, 0x01, 0xFFFFFF80},
    {"IntAddOverflows", T::Int, O::Add, 0x7FFF, 0x01, 0xFFFF8000},
    {"UlongAddWraps", T::UnsignedLong, O::Add, 0xFFFFFFFF, 0x01, 0},
    {"LongAddOverflows", T::Long, O::Add, 0x7FFFFFFF, 0x01, 0x80000000},
    {"UcharSubtractBelowZero", T::UnsignedChar, O::Subtract, 3, 5, 0xFE},
    {"CharSubtract", T::Char, O::Subtract, 3, 5, 0xFFFFFFFE},
    {"UintSubtractBelowZero", T::UnsignedInt, O::Subtract, 0, 1, 0xFFFF},
    {"LongSubtractUnderflows", T::Long, O::Subtract, 0x80000000, 1, 0x7FFFFFFF},
    {"CharMultiply", T::Char, O::Multiply, 0xFFFFFFFF, 0xFFFFFF80, 0xFFFFFF80},
    {"UintMultiplyKeepsTheLowBits", T::UnsignedInt, O::Multiply, 0x100, 0x101, 0x0100},
    {"UlongMultiplyWraps", T::UnsignedLong, O::Multiply, 0xFFFFFFFF, 0xFFFFFFFF, 1},
    {"LongMultiplyExtremes", T::Long, O::Multiply, 0x80000000, 0x80000000, 0},
    {"LongMultiplyMinByMinusOne", T::Long, O::Multiply, 0x80000000, 0xFFFFFFFF, 0x80000000},
    {"UcharDivide", T::UnsignedChar, O::Divide, 0xFE, 3, 0x54},
    {"CharDivideTruncatesTowardZero", T::Char, O::Divide, 0xFFFFFFF9, 2, 0xFFFFFFFD},
    {"CharMinByMinusOne", T::Char, O::Divide, 0xFFFFFF80, 0xFFFFFFFF, 0xFFFFFF80},
    {"IntMinByMinusOne", T::Int, O::Divide, 0xFFFF8000, 0xFFFFFFFF, 0xFFFF8000},
    {"UintDivide", T::UnsignedInt, O::Divide, 0xFFFF, 0x100, 0xFF},
    {"UlongDivideIsUnsigned", T::UnsignedLong, O::Divide, 0x80000000, 0xFFFFFFFF, 0},
    {"LongMinByMinusOne", T::Long, O::Divide, 0x80000000, 0xFFFFFFFF, 0x80000000},
    {"LongDivide", T::Long, O::Divide, 0xFFFFFFF9, 0xFFFFFFFE, 3},
    {"CharDivideByZero", T::Char, O::Divide, 0xFFFFFF80, 0, 0},
    {"UlongDivideByZero", T::UnsignedLong, O::Divide, 7, 0, 0},
    {"UcharModulus", T::UnsignedChar, O::Modulus, 0xFE, 0x10, 0x0E},
    {"CharModulusHasTheSignOfOperandOne", T::Char, O::Modulus, 0xFFFFFFF9, 2, 0xFFFFFFFF},
    {"CharModulusByNegative", T::Char, O::Modulus, 7, 0xFFFFFFFE, 1},
    {"IntMinModulusMinusOne", T::Int, O::Modulus, 0xFFFF8000, 0xFFFFFFFF, 0},
    {"LongMinModulusMinusOne", T::Long, O::Modulus, 0x80000000, 0xFFFFFFFF, 0},
    {"UlongModulusIsUnsigned", T::UnsignedLong, O::Modulus, 0x80000000, 0xFFFFFFFF, 0x80000000},
    {"UintModulusByZero", T::UnsignedInt, O::Modulus, 7, 0, 0},
    {"LongModulusByZero", T::Long, O::Modulus, 0x80000000, 0, 0},
    {"UcharComplement", T::UnsignedChar, O::Complement, 5, 0, 0xFA},
    {"CharComplement", T::Char, O::Complement, 5, 0, 0xFFFFFFFA},
    {"UintComplement", T::UnsignedInt, O::Complement, 0, 0, 0xFFFF},
    {"LongComplement", T::Long, O::Complement, 0, 0, 0xFFFFFFFF},
    {"CharXor", T::Char, O::Xor, 0x7F, 0xFFFFFFFF, 0xFFFFFF80},
    {"IntAnd", T::Int, O::And, 0xFFFF8001, 0x7FFF, 0x0001},
    {"LongOr", T::Long, O::Or, 0x80000000, 1, 0x80000001},
    {"UcharShiftLeftOutOfTheByte", T::UnsignedChar, O::ShiftLeft, 1, 8, 0},
    {"CharShiftLeftIntoTheSign", T::Char, O::ShiftLeft, 1, 7, 0xFFFFFF80},
    {"UintShiftLeftBySixteen", T::UnsignedInt, O::ShiftLeft, 1, 0x10, 0},
    {"UintShiftLeftByThirtyThree", T::UnsignedInt, O::ShiftLeft, 1, 0x21, 2},
    {"LongShiftLeftByThirtyOne", T::Long, O::ShiftLeft, 1, 31, 0x80000000},
    {"UlongShiftLeftByThirtyTwo", T::UnsignedLong, O::ShiftLeft, 1, 32, 1},
    {"CharShiftRightFillsTheSign", T::Char, O::ShiftRight, 0xFFFFFF80, 4, 0xFFFFFFF8},
    {"CharShiftRightByEight", T::Char, O::ShiftRight, 0xFFFFFF80, 8, 0xFFFFFFFF},
    {"UcharShiftRightFillsZeros", T::UnsignedChar, O::ShiftRight, 0x80, 4, 0x08},
    {"IntShiftRight", T::Int, O::ShiftRight, 0xFFFF8000, 15, 0xFFFFFFFF},
    {"UintShiftRight", T::UnsignedInt, O::ShiftRight, 0x8000, 15, 1},
    {"LongShiftRightByThirtyOne", T::Long, O::ShiftRight, 0x80000000, 31, 0xFFFFFFFF},
    {"UlongShiftRightByThirtyOne", T::UnsignedLong, O::ShiftRight, 0x80000000, 31, 1},
};

class HexOperatorTest : public ::testing::TestWithParam<OperatorCase> {};

TEST_P(HexOperatorTest, ComputesOnTheTypesWidth) {
    const OperatorCase& c = GetParam();
    EXPECT_EQ(ApplyHexOperator(c.op, c.operand1, c.operand2, c.type), c.result);
}

INSTANTIATE_TEST_SUITE_P(HexOperators, HexOperatorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HexOperatorRecordTest, StoresTheResultAndItsTextInTheTypesValues) {
    const struct {
        HexDataType type;
        HexOperator op;
        std::uint32_t operand1;
        std::uint32_t operand2;
        const char* text;
    } rows[] = {
        {T::Char, O::Add, 0xFFFFFF80, 5, "FFFFFF85"}, // -123 as "char"
        {T::UnsignedChar, O::Add, 0x80, 5, "85"},     {T::Int, O::Subtract, 3, 5, "FFFFFFFE"},
        {T::UnsignedInt, O::Add, 1, 1, "0002"},       {T::Long, O::Add, 2, 3, "00000005"},
        {T::Char, O::Complement, 5, 0, "FA"}, // the complement is never sign-extended
        {T::Int, O::Complement, 0, 0, "FFFF"},
    };
    for (const auto& row : rows) {
        CHexOperands calc;
        calc.SetValue(row.type, CHexOperands::kOperand1, row.operand1);
        calc.SetValue(row.type, CHexOperands::kOperand2, row.operand2);
        ComputeHexOperator(calc, row.type, row.op);
        const std::uint32_t result = ApplyHexOperator(row.op, row.operand1, row.operand2, row.type);
        EXPECT_EQ(calc.m_strResult, row.text);
        EXPECT_EQ(calc.Value(row.type, CHexOperands::kResult), result) << row.text;
        // Only the complement replaces operand 1.
        EXPECT_EQ(calc.Value(row.type, CHexOperands::kOperand1),
                  row.op == O::Complement ? result : row.operand1)
            << row.text;
        for (const HexDataTypeInfo& other : HexDataTypes()) { // each type keeps its own values
            if (other.type == row.type)
                continue;
            EXPECT_EQ(calc.Value(other.type, CHexOperands::kResult), 0u) << other.token;
        }
    }
}

TEST(HexOperatorRecordTest, NoOperatorOrARealTypeLeavesTheRecord) {
    for (const auto& [type, op] :
         {std::pair{T::UnsignedLong, O::None}, {T::Float, O::Add}, {T::Double, O::Multiply}}) {
        CHexOperands calc;
        calc.m_strResult = "00000007";
        ComputeHexOperator(calc, type, op);
        EXPECT_EQ(calc.m_strResult, "00000007");
    }
}

} // namespace
} // namespace tarvo

#include "HexKeypad.h"

#include "HexTool.h"
#include "KeyTable.h"

namespace tarvo {

namespace {

template <HexOperator Op> void PressOperator(CHexTool& tool) {
    tool.OnOperator(Op);
}

using O = HexOperator;

// Five columns of keys 19 by 14 dialog units; the last column stands a unit higher in the
// fourth and fifth rows.
constexpr int kColumns[] = {28, 49, 70, 100, 123};
constexpr DialogRect Key(int column, int y) {
    return {kColumns[column], y, 19, 14};
}

constexpr HexKey kKeys[] = {
    {1070, "D", "D", "D", "D", "Types the hex digit D", Key(0, 37), PressDigit<13>},
    {1071, "E", "E", "E", "E", "Types the hex digit E", Key(1, 37), PressDigit<14>},
    {1072, "F", "F", "F", "F", "Types the hex digit F", Key(2, 37), PressDigit<15>},
    {1081, "CLR", "CLR", "", "Clear", "Clears the display to start a new calculation", Key(3, 37),
     Press<&CHexTool::OnClear>},
    {1087, "%", "%", "%", "Modulus", "Modulus operator", Key(4, 37), PressOperator<O::Modulus>},
    {1067, "A", "A", "A", "A", "Types the hex digit A", Key(0, 53), PressDigit<10>},
    {1068, "B", "B", "B", "B", "Types the hex digit B", Key(1, 53), PressDigit<11>},
    {1069, "C", "C", "C", "C", "Types the hex digit C", Key(2, 53), PressDigit<12>},
    {1076, "/", "/", "/", "Divide", "Division operator", Key(3, 53), PressOperator<O::Divide>},
    {1085, "~", "~", "~", "Complement", "Complement operator, at once", Key(4, 53),
     PressOperator<O::Complement>},
    {1064, "7", "7", "7", "7", "Types the digit 7", Key(0, 70), PressDigit<7>},
    {1065, "8", "8", "8", "8", "Types the digit 8", Key(1, 70), PressDigit<8>},
    {1066, "9", "9", "9", "9", "Types the digit 9", Key(2, 70), PressDigit<9>},
    {1075, "*", "*", "*", "Multiply", "Multiplication operator", Key(3, 70),
     PressOperator<O::Multiply>},
    {1084, "^", "^", "^", "Exclusive or", "Exclusive OR operator", Key(4, 70),
     PressOperator<O::Xor>},
    {1061, "4", "4", "4", "4", "Types the digit 4", Key(0, 87), PressDigit<4>},
    {1062, "5", "5", "5", "5", "Types the digit 5", Key(1, 87), PressDigit<5>},
    {1063, "6", "6", "6", "6", "Types the digit 6", Key(2, 87), PressDigit<6>},
    {1074, "-", "-", "-", "Subtract", "Subtraction operator", Key(3, 87),
     PressOperator<O::Subtract>},
    {1083, "&&", "&", "&", "And", "Bitwise AND operator", Key(4, 86), PressOperator<O::And>},
    {1058, "1", "1", "1", "1", "Types the digit 1", Key(0, 103), PressDigit<1>},
    {1059, "2", "2", "2", "2", "Types the digit 2", Key(1, 103), PressDigit<2>},
    {1060, "3", "3", "3", "3", "Types the digit 3", Key(2, 103), PressDigit<3>},
    {1073, "+", "+", "+", "Add", "Addition operator", Key(3, 103), PressOperator<O::Add>},
    {1082, "|", "|", "|", "Or", "Bitwise OR operator", Key(4, 102), PressOperator<O::Or>},
    {1079, "<<", "<<", "<", "Shift left", "Shift left operator", Key(0, 118),
     PressOperator<O::ShiftLeft>},
    {1078, "0", "0", "0", "0", "Types the digit 0", Key(1, 118), PressDigit<0>},
    {1080, ">>", ">>", ">", "Shift right", "Shift right operator", Key(2, 118),
     PressOperator<O::ShiftRight>},
    {1077, "=", "=", "= Enter", "Equals", "Shows the total or subtotal", Key(3, 118),
     Press<&CHexTool::OnEquals>},
    {kByteOrderKeyId, "Mot", "Mot", "", "Byte order",
     "Switches between big endian (Motorola) and little endian (Intel) order", Key(4, 118),
     Press<&CHexTool::OnByteOrder>},
    {1099,
     "Transfer",
     "Transfer",
     "",
     "Transfer",
     "Keeps the decimal value for the calculator's transfer register",
     {180, 143, 50, 14},
     Press<&CHexTool::OnTransfer>},
};

} // namespace

std::span<const HexKey> HexKeys() {
    return kKeys;
}

const HexKey* FindHexKeyByToken(std::string_view token) {
    return FindByToken(kKeys, token);
}

} // namespace tarvo

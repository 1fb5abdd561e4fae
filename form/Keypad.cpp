#include "Keypad.h"

#include "CalculatorView.h"

#include <algorithm>

namespace tarvo {

namespace {

template <void (CCalculatorView::*Handler)()> void Press(CCalculatorView& view) {
    (view.*Handler)();
}

template <int Digit> void PressDigit(CCalculatorView& view) {
    view.OnDigit(Digit);
}

using V = CCalculatorView;

constexpr CalculatorKey kKeys[] = {
    {1011, "0", "0", PressDigit<0>},
    {1001, "1", "1", PressDigit<1>},
    {1003, "2", "2", PressDigit<2>},
    {1004, "3", "3", PressDigit<3>},
    {1005, "4", "4", PressDigit<4>},
    {1006, "5", "5", PressDigit<5>},
    {1007, "6", "6", PressDigit<6>},
    {1008, "7", "7", PressDigit<7>},
    {1009, "8", "8", PressDigit<8>},
    {1010, "9", "9", PressDigit<9>},
    {1016, ".", ".", Press<&V::OnDecimalPoint>},
    {1017, "+/-", "+/-", Press<&V::OnChangeSign>},
    {1051, "E", "E", Press<&V::OnExponent>},
    {1028, "<-", "<-", Press<&V::OnBackspace>},
    {1018, "CE", "CE", Press<&V::OnClearEntry>},
    {1024, "Clear", "Clear", Press<&V::OnClear>},
    {1033, "CTR", "CTR", Press<&V::OnClearToResult>},
    {1103, "FE", "FE", Press<&V::OnScientificNotation>},
    {1015, "/", "/", Press<&V::OnDivide>},
    {1014, "*", "*", Press<&V::OnMultiply>},
    {1012, "-", "-", Press<&V::OnSubtract>},
    {1013, "+", "+", Press<&V::OnAdd>},
    {1029, "(", "(", Press<&V::OnOpenParen>},
    {1030, ")", ")", Press<&V::OnCloseParen>},
    {1019, "=", "=", Press<&V::OnEquals>},
    {1022, "MS", "MS", Press<&V::OnMemoryStore>},
    {1023, "MR", "MR", Press<&V::OnMemoryRecall>},
    {1099, "Xfer", "Xfer", Press<&V::OnTransferRecall>},
    {1043, "deg", "deg", Press<&V::OnAngleMode>},
    {1049, "hyp", "hyp", Press<&V::OnHyperbolic>},
    {1020, "1/x", "1/x", Press<&V::OnReciprocal>},
    {1031, "%", "%", Press<&V::OnPercent>},
    {1035, "x~2", "x^2", Press<&V::OnSquare>},
    {1021, "SqRt", "sqrt", Press<&V::OnSquareRoot>},
    {1036, "e~x", "e^x", Press<&V::OnExp>},
    {1039, "ln", "ln", Press<&V::OnLn>},
    {1040, "10~x", "10^x", Press<&V::OnTenPower>},
    {1037, "log", "log", Press<&V::OnLog>},
    {1034, "y~x", "y^x", Press<&V::OnPower>},
    {1041, "y~1/x", "y^1/x", Press<&V::OnRoot>},
    {1038, "pi", "pi", Press<&V::OnPi>},
    {1042, "sin", "sin", Press<&V::OnSin>},
    {1044, "cos", "cos", Press<&V::OnCos>},
    {1045, "tan", "tan", Press<&V::OnTan>},
    {1046, "asin", "asin", Press<&V::OnAsin>},
    {1047, "acos", "acos", Press<&V::OnAcos>},
    {1048, "atan", "atan", Press<&V::OnAtan>},
    {1057, "n !", "n!", Press<&V::OnFactorial>},
    {1053, "RC", "RC", Press<&V::ReCalc>},
    {1054, "Undo", "Undo", Press<&V::OnUndo>},
    {1055, "Redo", "Redo", Press<&V::OnRedo>},
};

} // namespace

std::span<const CalculatorKey> CalculatorKeys() {
    return kKeys;
}

const CalculatorKey* FindKeyByToken(std::string_view token) {
    const auto key = std::ranges::find_if(kKeys, [&](const auto& k) { return k.token == token; });
    return key == std::end(kKeys) ? nullptr : &*key;
}

} // namespace tarvo

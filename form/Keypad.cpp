#include "Keypad.h"

#include "CalculatorView.h"
#include "KeyTable.h"

#include <algorithm>
#include <unordered_map>

namespace tarvo {

namespace {

using V = CCalculatorView;

// The form's keys in dialog units: eight columns, 13 high in the upper rows and 15 below.
// clang-format off
constexpr CalculatorKey kKeys[] = {
//   id                 caption  withKey   icon        accelerators token    tag        name                   prompt                                                                  rect                kind              press
    {kKey0,             "0",     "&0",     nullptr,    "0",         "0",     nullptr,   "0",                   "Types the digit 0",                                                    {32, 190, 22, 15},  KeyKind::Push,    PressDigit<0>},
    {kKey1,             "1",     "&1",     nullptr,    "1",         "1",     nullptr,   "1",                   "Types the digit 1",                                                    {32, 172, 22, 15},  KeyKind::Push,    PressDigit<1>},
    {kKey2,             "2",     "&2",     nullptr,    "2",         "2",     nullptr,   "2",                   "Types the digit 2",                                                    {56, 172, 22, 15},  KeyKind::Push,    PressDigit<2>},
    {kKey3,             "3",     "&3",     nullptr,    "3",         "3",     nullptr,   "3",                   "Types the digit 3",                                                    {80, 172, 22, 15},  KeyKind::Push,    PressDigit<3>},
    {kKey4,             "4",     "&4",     nullptr,    "4",         "4",     nullptr,   "4",                   "Types the digit 4",                                                    {32, 154, 22, 15},  KeyKind::Push,    PressDigit<4>},
    {kKey5,             "5",     "&5",     nullptr,    "5",         "5",     nullptr,   "5",                   "Types the digit 5",                                                    {56, 154, 22, 15},  KeyKind::Push,    PressDigit<5>},
    {kKey6,             "6",     "&6",     nullptr,    "6",         "6",     nullptr,   "6",                   "Types the digit 6",                                                    {80, 154, 22, 15},  KeyKind::Push,    PressDigit<6>},
    {kKey7,             "7",     "&7",     nullptr,    "7",         "7",     nullptr,   "7",                   "Types the digit 7",                                                    {32, 135, 22, 15},  KeyKind::Push,    PressDigit<7>},
    {kKey8,             "8",     "&8",     nullptr,    "8",         "8",     nullptr,   "8",                   "Types the digit 8",                                                    {56, 135, 22, 15},  KeyKind::Push,    PressDigit<8>},
    {kKey9,             "9",     "&9",     nullptr,    "9",         "9",     nullptr,   "9",                   "Types the digit 9",                                                    {80, 135, 22, 15},  KeyKind::Push,    PressDigit<9>},
    {kKeyPoint,         ".",     "&.",     nullptr,    ".",         ".",     nullptr,   "Decimal point",       "Types the decimal point",                                              {56, 190, 22, 15},  KeyKind::Push,    Press<&V::OnDecimalPoint>},
    {kKeySign,          "+/-",   "+/-F9",  nullptr,    "F9",        "+/-",   "[neg]",   "Change sign",         "Changes the sign of the number, or of its exponent while it is typed", {80, 190, 22, 15},  KeyKind::Push,    Press<&V::OnChangeSign>},
    {kKeyExponent,      "E",     "&E",     nullptr,    "E",         "E",     nullptr,   "Exponent",            "Starts the exponent of the number being typed",                        {160, 154, 22, 15}, KeyKind::Push,    Press<&V::OnExponent>},
    {kKeyBackspace,     "<-",    "<-",     nullptr,    "Backspace", "<-",    nullptr,   "Backspace",           "Removes the last character of the number being typed",                 {184, 190, 22, 15}, KeyKind::Push,    Press<&V::OnBackspace>},
    {kKeyClearEntry,    "CE",    "&CE",    nullptr,    "C",         "CE",    nullptr,   "Clear entry",         "Clears the number being typed",                                        {160, 135, 22, 15}, KeyKind::Push,    Press<&V::OnClearEntry>},
    {kKeyClear,         "Clear", "C&lear", nullptr,    "L",         "Clear", nullptr,   "Clear",               "Clears the whole calculation",                                         {184, 135, 22, 15}, KeyKind::Push,    Press<&V::OnClear>},
    {kKeyClearToResult, "CTR",   "CTR",    "ctr",      "T",         "CTR",   nullptr,   "Clear to result",     "Clears the large display except the result",                           {8, 190, 22, 15},   KeyKind::Push,    Press<&V::OnClearToResult>},
    {kKeyScientific,    "FE",    "&AFE",   nullptr,    "A",         "FE",    nullptr,   "Scientific notation", "Switches the small display between scientific and fixed notation",     {184, 76, 22, 13},  KeyKind::Push,    Press<&V::OnScientificNotation>},
    {kKeyDivide,        "/",     "/",      "divide",   "/",         "/",     nullptr,   "Divide",              "Divides by the next number",                                           {112, 135, 22, 15}, KeyKind::Push,    Press<&V::OnDivide>},
    {kKeyMultiply,      "*",     "*",      "multiply", "*",         "*",     nullptr,   "Multiply",            "Multiplies by the next number",                                        {112, 154, 22, 15}, KeyKind::Push,    Press<&V::OnMultiply>},
    {kKeySubtract,      "-",     "-",      "subtract", "-",         "-",     nullptr,   "Subtract",            "Subtracts the next number",                                            {112, 172, 22, 15}, KeyKind::Push,    Press<&V::OnSubtract>},
    {kKeyAdd,           "+",     "+",      "add",      "+",         "+",     nullptr,   "Add",                 "Adds the next number",                                                 {112, 190, 22, 15}, KeyKind::Push,    Press<&V::OnAdd>},
    {kKeyOpenParen,     "(",     "&(",     nullptr,    "(",         "(",     nullptr,   "Open parenthesis",    "Begins a subcalculation",                                              {160, 172, 22, 15}, KeyKind::Push,    Press<&V::OnOpenParen>},
    {kKeyCloseParen,    ")",     "&)",     nullptr,    ")",         ")",     nullptr,   "Close parenthesis",   "Completes a subcalculation",                                           {184, 172, 22, 15}, KeyKind::Push,    Press<&V::OnCloseParen>},
    {kKeyEquals,        "=",     "&=",     nullptr,    "= Enter",   "=",     nullptr,   "Equals",              "Shows the result of the calculation",                                  {136, 190, 46, 15}, KeyKind::Default, Press<&V::OnEquals>},
    {kKeyMemoryStore,   "MS",    "MS",     "ms",       "S",         "MS",    nullptr,   "Memory store",        "Stores the number shown in the memory",                                {112, 76, 22, 13},  KeyKind::Push,    Press<&V::OnMemoryStore>},
    {kKeyMemoryRecall,  "MR",    "MR",     "mr",       "M",         "MR",    nullptr,   "Memory recall",       "Recalls the number in the memory",                                     {136, 76, 22, 13},  KeyKind::Push,    Press<&V::OnMemoryRecall>},
    {kKeyTransfer,      "Xfer",  "Xfer",   "xfer",     "F",         "Xfer",  nullptr,   "Transfer recall",     "Recalls the value transferred from Nixet or Statistics",               {160, 76, 22, 13},  KeyKind::Push,    Press<&V::OnTransferRecall>},
    {kKeyAngle,         "deg",   "&deg",   nullptr,    "D",         "deg",   nullptr,   "Angle unit",          "Switches the angle unit between degrees, radians and grads",           {184, 113, 22, 13}, KeyKind::Push,    Press<&V::OnAngleMode>},
    {kKeyHyperbolic,    "hyp",   "&hyp",   nullptr,    "H",         "hyp",   nullptr,   "Hyperbolic",          "Makes sin, cos and tan hyperbolic while it is on",                     {184, 98, 22, 13},  KeyKind::Toggle,  Press<&V::OnHyperbolic>},
    {kKeyReciprocal,    "1/x",   "1/&x",   nullptr,    "X",         "1/x",   "[1/x]",   "Reciprocal",          "Takes the reciprocal of the number",                                   {136, 154, 22, 15}, KeyKind::Push,    Press<&V::OnReciprocal>},
    {kKeyPercent,       "%",     "&%",     nullptr,    "%",         "%",     "[%]",     "Percent",             "Multiplies the number by 0.01",                                        {136, 135, 22, 15}, KeyKind::Push,    Press<&V::OnPercent>},
    {kKeySquare,        "x~2",   "x~2",    "square",   "Shift+X",   "x^2",   "[x^2]",   "Square",              "Squares the number",                                                   {8, 98, 22, 13},    KeyKind::Push,    Press<&V::OnSquare>},
    {kKeySquareRoot,    "SqRt",  "S&qRt",  "sqrt",     "Q",         "sqrt",  "[sqrt]",  "Square root",         "Takes the square root of the number",                                  {8, 113, 22, 13},   KeyKind::Push,    Press<&V::OnSquareRoot>},
    {kKeyExp,           "e~x",   "e~x",    "exp",      "Shift+E",   "e^x",   "[e^x]",   "e to the power x",    "Raises e to the power of the number",                                  {56, 98, 22, 13},   KeyKind::Push,    Press<&V::OnExp>},
    {kKeyLn,            "ln",    "ln",     "ln",       "Shift+L",   "ln",    "[ln]",    "Natural logarithm",   "Takes the natural logarithm of the number",                            {56, 113, 22, 13},  KeyKind::Push,    Press<&V::OnLn>},
    {kKeyTenPower,      "10~x",  "10~x",   "tenpower", "I",         "10^x",  "[10^x]",  "10 to the power x",   "Raises 10 to the power of the number",                                 {80, 98, 22, 13},   KeyKind::Push,    Press<&V::OnTenPower>},
    {kKeyLog,           "log",   "log",    "log",      "G",         "log",   "[log]",   "Logarithm",           "Takes the base 10 logarithm of the number",                            {80, 113, 22, 13},  KeyKind::Push,    Press<&V::OnLog>},
    {kKeyPower,         "y~x",   "y~x",    "power",    "Y",         "y^x",   "[y^x]",   "y to the power x",    "Raises the number to the power of the next number",                    {32, 98, 22, 13},   KeyKind::Push,    Press<&V::OnPower>},
    {kKeyRoot,          "y~1/x", "y~1/x",  "root",     "Shift+Y",   "y^1/x", "[y^1/x]", "x-th root of y",      "Takes the root of the number whose degree is the next number",         {32, 113, 22, 13},  KeyKind::Push,    Press<&V::OnRoot>},
    {kKeyPi,            "pi",    "&pi",    nullptr,    "P",         "pi",    "[pi]",    "pi",                  "Enters the constant pi",                                               {136, 172, 22, 15}, KeyKind::Push,    Press<&V::OnPi>},
    {kKeySin,           "sin",   "^&sin",  nullptr,    "Shift+S",   "sin",   "[sin]",   "Sine",                "Takes the sine of the number in the angle unit shown",                 {112, 98, 22, 13},  KeyKind::Push,    Press<&V::OnSin>},
    {kKeyCos,           "cos",   "^&cos",  nullptr,    "Shift+C",   "cos",   "[cos]",   "Cosine",              "Takes the cosine of the number in the angle unit shown",               {136, 98, 22, 13},  KeyKind::Push,    Press<&V::OnCos>},
    {kKeyTan,           "tan",   "^&tan",  nullptr,    "Shift+T",   "tan",   "[tan]",   "Tangent",             "Takes the tangent of the number in the angle unit shown",              {160, 98, 22, 13},  KeyKind::Push,    Press<&V::OnTan>},
    {kKeyAsin,          "asin",  "^as&in", nullptr,    "Shift+I",   "asin",  "[asin]",  "Arc sine",            "Takes the inverse sine of the number, in the angle unit shown",        {112, 113, 22, 13}, KeyKind::Push,    Press<&V::OnAsin>},
    {kKeyAcos,          "acos",  "^ac&os", nullptr,    "Shift+O",   "acos",  "[acos]",  "Arc cosine",          "Takes the inverse cosine of the number, in the angle unit shown",      {136, 113, 22, 13}, KeyKind::Push,    Press<&V::OnAcos>},
    {kKeyAtan,          "atan",  "^at&an", nullptr,    "Shift+A",   "atan",  "[atan]",  "Arc tangent",         "Takes the inverse tangent of the number, in the angle unit shown",     {160, 113, 22, 13}, KeyKind::Push,    Press<&V::OnAtan>},
    {kKeyFactorial,     "n !",   "n &!",   nullptr,    "!",         "n!",    "[n!]",    "Factorial",           "Takes the factorial of the whole part of the number",                  {184, 154, 22, 15}, KeyKind::Push,    Press<&V::OnFactorial>},
    {kKeyRecalc,        "RC",    "RC",     "recalc",   "R",         "RC",    nullptr,   "ReCalc",              "Recalculates the edited equation",                                     {8, 135, 22, 15},   KeyKind::Push,    Press<&V::ReCalc>},
    {kKeyUndo,          "Undo",  "Undo",   "undo",     "U",         "Undo",  nullptr,   "Undo",                "Returns to the previous calculation",                                  {8, 154, 22, 15},   KeyKind::Push,    Press<&V::OnUndo>},
    {kKeyRedo,          "Redo",  "Redo",   "redo",     "O",         "Redo",  nullptr,   "Redo",                "Returns to the next calculation",                                      {8, 172, 22, 15},   KeyKind::Push,    Press<&V::OnRedo>},
};
// clang-format on

} // namespace

std::span<const CalculatorKey> CalculatorKeys() {
    return kKeys;
}

const CalculatorKey& FindKey(KeyId id) {
    return *std::ranges::find(kKeys, id, &CalculatorKey::id);
}

const CalculatorKey* FindKeyByToken(std::string_view token) {
    return FindByToken(kKeys, token);
}

const CalculatorKey* FindKeyByTag(std::string_view tag) {
    const auto key =
        std::ranges::find_if(kKeys, [&](const auto& k) { return k.tag && k.tag == tag; });
    return key == std::end(kKeys) ? nullptr : &*key;
}

const std::string& TagSegment(KeyId id) {
    // Built once: the function keys ask for their tag at every press.
    static const std::unordered_map<int, std::string> segments = [] {
        std::unordered_map<int, std::string> byKey;
        for (const CalculatorKey& key : kKeys)
            if (key.tag)
                byKey.emplace(key.id, std::string(" ") + key.tag + " ");
        return byKey;
    }();
    return segments.at(id);
}

} // namespace tarvo

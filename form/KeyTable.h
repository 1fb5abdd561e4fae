// What the key tables of the calculator and its tools share: a row's press function calls a
// handler of the object the keys belong to, and a script names a row by its token.
#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

namespace tarvo {

// Press<&Tool::OnClear>: a press function that calls the handler.
template <auto Handler, class Tool> void Press(Tool& tool) {
    (tool.*Handler)();
}

// PressDigit<7>: a press function that types the digit.
template <int Digit, class Tool> void PressDigit(Tool& tool) {
    tool.OnDigit(Digit);
}

// The row of `rows` with this token, or nullptr.
template <class Rows> auto FindByToken(const Rows& rows, std::string_view token) {
    const auto row =
        std::ranges::find_if(rows, [token](const auto& r) { return r.token == token; });
    return row == std::ranges::end(rows) ? nullptr : &*row;
}

} // namespace tarvo

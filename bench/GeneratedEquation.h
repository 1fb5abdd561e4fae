// A generated equation text of typical lines: numbers, the four operators, parentheses,
// function tags and results.
#pragma once

#include <iterator>
#include <string>

namespace tarvo {

inline std::string GeneratedEquation(std::size_t size) {
    static const char* const lines[] = {
        "12.5 *  ( 3 + 4 )  [sqrt]  - 7 / 2 = 29.5719; \r\n",
        "2 + 3 * 4 = 14; \r\n",
        "30 [sin]  + 1.5e-7 * 2 [x^2]  = 0.5; \r\n",
        " ( 1 + 2 )  / 4 [neg]  = -0.75; \r\n",
        "2 [y^x] 10 + 3 [ln]  - 100 [log]  = 1023.098612; \r\n",
    };
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i)
        text += lines[i % std::size(lines)];
    return text;
}

} // namespace tarvo

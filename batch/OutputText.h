// The batch program's output: one line per event or state field, with control characters
// escaped so that every line stays one line.
#pragma once

#include <ostream>
#include <string_view>

namespace tarvo {

// Writes text with "\\", "\r", "\n" and "\t" escaped and every other byte as it is.
void WriteEscaped(std::ostream& out, std::string_view text);

// Writes "label: TEXT" and a line feed.
void WriteField(std::ostream& out, std::string_view label, std::string_view text);

} // namespace tarvo

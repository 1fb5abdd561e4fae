#include "OutputText.h"

namespace tarvo {

void WriteEscaped(std::ostream& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '\\':
            out << "\\\\";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            out << c;
        }
    }
}

void WriteField(std::ostream& out, std::string_view label, std::string_view text) {
    out << label << ": ";
    WriteEscaped(out, text);
    out << '\n';
}

} // namespace tarvo

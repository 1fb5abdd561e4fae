// The scanning half of ReCalc: the equation text as a sequence of replay steps. Every
// character is one step, as every character was one key for the person who typed it; a
// character that presses no key is a step of kind Nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

enum class RecalcTokenKind {
    Nothing, // a blank, a line break, a letter of a tag being read
    Digit,   // outside a tag; "0" to "2" inside a tag belong to it
    Point,
    Exponent, // "e" outside a tag
    Operator, // "+ - * /"; "-" only before a blank, "+" not after "e"
    Sign,     // any other "-": the sign of the number or exponent that follows
    OpenParen,
    CloseParen,
    Equals,
    Separator, // ";" after a result
    Tag,       // "]" ends a tag: the tag's text
    Unknown,   // no key types this character
};

struct RecalcToken {
    RecalcTokenKind kind = RecalcTokenKind::Nothing;
    char character = '\0';
    std::string_view tag; // for Tag: valid until the next step
};

class RecalcTokenizer {
public:
    explicit RecalcTokenizer(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_position == m_text.size(); }
    RecalcToken Next();

private:
    RecalcToken ScanTagCharacter(char c, RecalcTokenKind outside);
    RecalcToken EndTag();

    std::string_view m_text;
    std::size_t m_position = 0;
    bool m_bInTag = false;
    std::string m_strTag;     // the tag read so far
    std::string m_strLastTag; // the tag the last "]" ended
};

} // namespace tarvo

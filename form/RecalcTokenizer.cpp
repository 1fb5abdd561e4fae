#include "RecalcTokenizer.h"

#include <cstring>

namespace tarvo {

namespace {

// Characters that belong to tags; outside a tag they are skipped.
bool IsTagLetter(char c) {
    return c != '\0' && std::strchr("%!^acgilnopqrstxy", c) != nullptr;
}

RecalcToken Step(RecalcTokenKind kind, char c) {
    return {kind, c, {}};
}

} // namespace

RecalcToken RecalcTokenizer::Next() {
    const std::size_t i = m_position++;
    const char c = m_text[i];
    switch (c) {
    case '0':
    case '1':
    case '2':
        return ScanTagCharacter(c, RecalcTokenKind::Digit);
    case '/':
        return ScanTagCharacter(c, RecalcTokenKind::Operator);
    case 'e':
        return ScanTagCharacter(c, RecalcTokenKind::Exponent);
    case '3':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        return Step(RecalcTokenKind::Digit, c);
    case '.':
        return Step(RecalcTokenKind::Point, c);
    case '(':
        return Step(RecalcTokenKind::OpenParen, c);
    case ')':
        return Step(RecalcTokenKind::CloseParen, c);
    case '*':
        return Step(RecalcTokenKind::Operator, c);
    case '+': // after "e" the sign of an exponent, which the number keeps
        return Step(i > 0 && m_text[i - 1] == 'e' ? RecalcTokenKind::Nothing
                                                  : RecalcTokenKind::Operator,
                    c);
    case '-':
        return Step(i + 1 < m_text.size() && m_text[i + 1] == ' ' ? RecalcTokenKind::Operator
                                                                  : RecalcTokenKind::Sign,
                    c);
    case '=':
        return Step(RecalcTokenKind::Equals, c);
    case ';':
        return Step(RecalcTokenKind::Separator, c);
    case '[':
        m_strTag += c;
        m_bInTag = true;
        return {};
    case ']':
        return EndTag();
    case '\n':
    case '\r':
    case ' ':
        return {};
    default:
        if (!IsTagLetter(c))
            return Step(RecalcTokenKind::Unknown, c);
        if (m_bInTag)
            m_strTag += c;
        return {};
    }
}

RecalcToken RecalcTokenizer::ScanTagCharacter(char c, RecalcTokenKind outside) {
    if (!m_bInTag)
        return Step(outside, c);
    m_strTag += c;
    return {};
}

RecalcToken RecalcTokenizer::EndTag() {
    if (m_bInTag)
        m_strTag += ']';
    m_bInTag = false;
    m_strLastTag.swap(m_strTag);
    m_strTag.clear();
    return {RecalcTokenKind::Tag, ']', m_strLastTag};
}

} // namespace tarvo

// FormatBinary: the bit patterns of a value in both byte orders, kept in a record for the
// byte-order switch, which shows the other order later.
#pragma once

#include "HexOperands.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// An integral value of 8, 16 or 32 bits: fills m_strBitsLsbFirst, m_strBinBig (groups of
// four, no blank after the last) and m_strBinLittle; returns m_strBinBig.
std::string FormatBinary(CHexOperands& record, std::uint32_t value, int bits);

// A real value: fills m_strBitsLsbFirst, m_strBinRealLittle and m_strBinRealBig (groups of
// four, each followed by a blank); returns m_strBinRealLittle.
std::string FormatBinary(CHexOperands& record, float value);
std::string FormatBinary(CHexOperands& record, double value);

// Turns bits of whole bytes, least significant first, into groups of four, one byte after
// another from the text's end: the byte order flips. A line feed splits 64 bits into two
// lines of four bytes.
std::string ReorderBytes(std::string_view bitsLsbFirst);

} // namespace tarvo

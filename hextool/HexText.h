// The tool's number texts: hex, decimal and the bytes of real values. All of them are
// written and read without the C library's locale-dependent functions.
#pragma once

#include "HexDataType.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// Hex text to a 32-bit value: every character takes a digit position, characters that are no
// hex digit count as 0, and digits beyond the eighth from the right drop out.
std::uint32_t ParseHexText(std::string_view text);

// Upper-case hex with at least minDigits digits ("%X", "%.8X").
std::string FormatHex(std::uint64_t value, int minDigits = 1);

// The low bits of value that the type holds, zero-extended to 32 bits.
std::uint32_t CutToType(std::uint32_t value, HexDataType type);

// The same bits, sign-extended for the signed integral types.
std::uint32_t WidenToType(std::uint32_t value, HexDataType type);

// A 32-bit value as the type's decimal text ("%i" or "%u" of the bits it holds); the real
// types have no decimal text of an integer and give the empty text.
std::string DecimalText(std::uint32_t value, HexDataType type);

// The 32-bit value in hex with at least the type's digits ("%.2X", "%.4X", "%.8X"), as
// operation results and converted decimal values are shown.
std::string PaddedHexText(std::uint32_t value, HexDataType type);

// Decimal text to a 32-bit integer: white space, one sign, digits up to the first other
// character, accumulated with wrap-around.
std::int32_t ParseDecimalInteger(std::string_view text);

// Rounds a double to single precision the way the FPU does, also beyond the float range.
float ToSingle(double value);

// The bytes of the IEEE representation, most significant first, two digits each.
std::string RealHexText(float value);
std::string RealHexText(double value);

// Swaps the byte order of a hex text: pairs of characters in reverse order, after a leading
// "0" for an odd length.
std::string ReverseHexBytes(std::string_view text);

} // namespace tarvo

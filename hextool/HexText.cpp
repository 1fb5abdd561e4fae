#include "HexText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarvo {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::uint32_t LowBitsMask(int bits) {
    return bits >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << bits) - 1;
}

template <class Integer> std::string ToDecimal(Integer value) {
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::uint32_t ParseHexText(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text)
        value = (value << 4) | static_cast<std::uint32_t>(HexDigitValue(c));
    return value;
}

std::string FormatHex(std::uint64_t value, int minDigits) {
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, 16);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    if (static_cast<int>(text.size()) < minDigits)
        text.insert(0, static_cast<std::size_t>(minDigits) - text.size(), '0');
    return text;
}

std::uint32_t CutToType(std::uint32_t value, HexDataType type) {
    return IsIntegral(type) ? value & LowBitsMask(TypeInfo(type).bits) : value;
}

std::uint32_t WidenToType(std::uint32_t value, HexDataType type) {
    const HexDataTypeInfo& info = TypeInfo(type);
    if (!IsIntegral(type) || !info.isSigned || info.bits >= 32)
        return CutToType(value, type);
    const std::uint32_t signBit = std::uint32_t{1} << (info.bits - 1);
    const std::uint32_t cut = value & LowBitsMask(info.bits);
    return (cut & signBit) ? cut | ~LowBitsMask(info.bits) : cut;
}

std::string DecimalText(std::uint32_t value, HexDataType type) {
    if (!IsIntegral(type))
        return {};
    const std::uint32_t widened = WidenToType(value, type);
    if (TypeInfo(type).isSigned)
        return ToDecimal(static_cast<std::int32_t>(widened));
    return ToDecimal(widened);
}

std::string PaddedHexText(std::uint32_t value, HexDataType type) {
    return FormatHex(value, TypeInfo(type).hexDigits);
}

std::int32_t ParseDecimalInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::uint32_t total = 0; // unsigned, so that the wrap-around is defined
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        total = total * 10 + static_cast<std::uint32_t>(text[i] - '0');
    return static_cast<std::int32_t>(negative ? 0u - total : total);
}

float ToSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (!std::isfinite(value) || std::fabs(value) <= kMax)
        return static_cast<float>(value);
    // Halfway between the largest float and 2^128 and beyond rounds to infinity.
    const double halfway = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    const float magnitude = std::fabs(value) >= halfway ? std::numeric_limits<float>::infinity()
                                                        : std::numeric_limits<float>::max();
    return std::signbit(value) ? -magnitude : magnitude;
}

std::string RealHexText(float value) {
    return FormatHex(std::bit_cast<std::uint32_t>(value), 8);
}

std::string RealHexText(double value) {
    return FormatHex(std::bit_cast<std::uint64_t>(value), 16);
}

std::string ReverseHexBytes(std::string_view text) {
    std::string even(text.size() % 2, '0');
    even.append(text);
    std::string reversed;
    reversed.reserve(even.size());
    for (std::size_t pair = even.size(); pair >= 2; pair -= 2)
        reversed.append(even, pair - 2, 2);
    return reversed;
}

} // namespace tarvo

#include "NumberText.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>

namespace tarvo {

namespace {

// Non-finite values keep the texts that stored calculations already carry.
const char* NonFiniteText(double value) {
    if (std::isnan(value))
        return "-1.#IND";
    return value > 0 ? "1.#INF" : "-1.#INF";
}

// Widens the exponent that std::to_chars writes ("e+16") to a sign and three digits ("e+016").
std::string WidenExponent(std::string text) {
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    const std::size_t digitsStart = e + 2; // to_chars always writes the exponent's sign
    const std::size_t digits = text.size() - digitsStart;
    if (digits < 3)
        text.insert(digitsStart, 3 - digits, '0');
    return text;
}

std::string Convert(double value, std::chars_format format, int precision) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    // A fixed-point double needs at most 309 integral digits plus sign, point and decimals.
    std::array<char, 400> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return WidenExponent(std::string(buffer.data(), result.ptr));
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Length of the decimal number at the start of text, 0 when there is none.
std::size_t DecimalPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Whether a number that std::from_chars found out of range is too large (else too small).
bool Overflows(std::string_view number) {
    long long exponent = 0; // decimal exponent of the first significant digit
    bool seenSignificant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (IsDigit(c)) {
            if (!seenSignificant && c != '0')
                seenSignificant = true;
            if (seenSignificant && !afterPoint)
                ++exponent;
            else if (!seenSignificant && afterPoint)
                --exponent;
        }
    }
    if (i < number.size()) {
        long long written = 0;
        std::size_t j = i + 1;
        const bool negative = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '+' || number[j] == '-'))
            ++j;
        for (; j < number.size() && written < 1'000'000'000; ++j)
            written = written * 10 + (number[j] - '0');
        exponent += negative ? -written : written;
    }
    return exponent > 0;
}

} // namespace

std::string FormatGeneral(double value, int significantDigits) {
    return Convert(value, std::chars_format::general, significantDigits);
}

std::string FormatFixed(double value, int decimals) {
    return Convert(value, std::chars_format::fixed, decimals);
}

std::string FormatScientific(double value) {
    return Convert(value, std::chars_format::scientific, 6);
}

std::string FormatInteger(int value) {
    std::array<char, 16> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

double NumericValue(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    text.remove_prefix(start);
    const std::size_t length = DecimalPrefixLength(text);
    if (length == 0)
        return 0.0;
    std::string_view number = text.substr(0, length);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = Overflows(number) ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

int TruncateToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace tarvo

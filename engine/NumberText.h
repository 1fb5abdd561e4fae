// Locale-independent number texts: the calculator writes and reads numbers the same way
// whatever locale the process runs in, because its texts are stored in files and replayed.
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// "%.*g": significant digits, trailing zeros dropped, exponent form outside 1e-4 .. 1e precision.
std::string FormatGeneral(double value, int significantDigits = 6);

// "%.*f": fixed number of decimals.
std::string FormatFixed(double value, int decimals);

// "%e": one digit, six decimals and an exponent.
std::string FormatScientific(double value);

// "%d".
std::string FormatInteger(int value);

// The value of the longest decimal prefix after leading white space (optional sign, digits
// with an optional point, optional exponent); 0 when there is none. No hex, inf or nan.
double NumericValue(std::string_view text);

// Truncates toward zero to a 32-bit integer; NaN and values outside the range give INT_MIN.
int TruncateToInt32(double value);

} // namespace tarvo

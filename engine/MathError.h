// The error indicator of the calculator's functions, in the codes the messages are keyed by.
#pragma once

#include <string>

namespace tarvo {

enum MathErrorCode : int {
    MATH_OK = 0,
    MATH_INVALID_ARGUMENT = 22,
    MATH_DOMAIN = 33,
    MATH_RANGE = 34,
};

// Classifies a function result computed from a finite operand. glibc's errno also flags an
// underflow (exp(-1000) is 0 with ERANGE), which is no error here, so the kind comes from the
// result: NaN means the operand was outside the domain, an infinity an overflow or a pole.
MathErrorCode ClassifyMathResult(double result);

// The text of the "Calculator Error" box for an error code.
std::string MathErrorText(int code);

} // namespace tarvo

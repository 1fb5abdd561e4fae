#include "MathError.h"

#include <cmath>

namespace tarvo {

MathErrorCode ClassifyMathResult(double result) {
    if (std::isnan(result))
        return MATH_DOMAIN;
    if (std::isinf(result))
        return MATH_RANGE;
    return MATH_OK;
}

std::string MathErrorText(int code) {
    switch (code) {
    case MATH_INVALID_ARGUMENT:
        return "Invalid argument";
    case MATH_DOMAIN:
        return "Math Argument Error";
    case MATH_RANGE:
        return "Range Error, Result is too large";
    default:
        return "";
    }
}

} // namespace tarvo

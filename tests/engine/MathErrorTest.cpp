#include "MathError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tarvo {
namespace {

const double kPi = 3.14159265358979;

struct ClassifyRow {
    const char* name;
    double result;
    MathErrorCode expected;
};

class ClassifyMathResultTest : public testing::TestWithParam<ClassifyRow> {};

TEST_P(ClassifyMathResultTest, ReportsErrorKindOfFunctionResult) {
    EXPECT_EQ(ClassifyMathResult(GetParam().result), GetParam().expected);
}

// The results of the calculator's functions at ordinary and at failing operands.
const ClassifyRow kClassifyRows[] = {
    {"SquareRoot", std::pow(2.0, 0.5), MATH_OK},
    {"SquareRootOfNegative", std::pow(-4.0, 0.5), MATH_DOMAIN},
    {"Exp", std::exp(1.0), MATH_OK},
    {"ExpOverflow", std::exp(1000.0), MATH_RANGE},
    {"ExpUnderflowIsNoError", std::exp(-1000.0), MATH_OK},
    {"ExpSubnormalIsNoError", std::exp(-740.0), MATH_OK},
    {"Ln", std::log(10.0), MATH_OK},
    {"LnOfNegative", std::log(-1.0), MATH_DOMAIN},
    {"LnPole", std::log(0.0), MATH_RANGE},
    {"TenPower", std::pow(10.0, 308.0), MATH_OK},
    {"TenPowerOverflow", std::pow(10.0, 400.0), MATH_RANGE},
    {"TenPowerUnderflowIsNoError", std::pow(10.0, -400.0), MATH_OK},
    {"Log", std::log10(1000.0), MATH_OK},
    {"LogOfNegative", std::log10(-5.0), MATH_DOMAIN},
    {"PowerOverflow", std::pow(2.0, 1e6), MATH_RANGE},
    {"NegativePowerOverflow", -std::pow(3.0, 1e6), MATH_RANGE},
    {"PowerOfNegativeBase", std::pow(-8.0, 1.0 / 3), MATH_DOMAIN},
    {"Sine", std::sin(30 / 180.0 * kPi), MATH_OK},
    {"SineOfHugeArgumentIsNoError", std::sin(1e22), MATH_OK},
    {"TangentNearPoleIsFinite", std::tan(90 / 180.0 * kPi), MATH_OK},
    {"Sinh", std::sinh(1.0), MATH_OK},
    {"SinhOverflow", std::sinh(1000.0), MATH_RANGE},
    {"CoshOverflow", std::cosh(-1000.0), MATH_RANGE},
    {"TanhSaturates", std::tanh(1000.0), MATH_OK},
    {"Arcsine", std::asin(1.0), MATH_OK},
    {"ArcsineOutsideDomain", std::asin(2.0), MATH_DOMAIN},
    {"ArccosineOutsideDomain", std::acos(-1.5), MATH_DOMAIN},
    {"ArctangentOfHuge", std::atan(1e300), MATH_OK},
    {"Zero", 0.0, MATH_OK},
    {"Infinity", std::numeric_limits<double>::infinity(), MATH_RANGE},
    {"NaN", std::numeric_limits<double>::quiet_NaN(), MATH_DOMAIN},
};
INSTANTIATE_TEST_SUITE_P(Rows, ClassifyMathResultTest, testing::ValuesIn(kClassifyRows),
                         [](const testing::TestParamInfo<ClassifyRow>& info) {
                             return std::string(info.param.name);
                         });

TEST(MathErrorText, NamesEachErrorKind) {
    const struct {
        int code;
        const char* text;
    } rows[] = {{MATH_INVALID_ARGUMENT, "Invalid argument"},
                {MATH_DOMAIN, "Math Argument Error"},
                {MATH_RANGE, "Range Error, Result is too large"},
                {MATH_OK, ""},
                {1, ""},
                {-1, ""}};
    for (const auto& row : rows)
        EXPECT_EQ(MathErrorText(row.code), row.text) << row.code;
}

} // namespace
} // namespace tarvo

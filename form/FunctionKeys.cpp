// The eighteen function keys: unary functions, the two-phase powers, pi and n!.
#include "CalculatorView.h"
#include "Keypad.h"

#include "MathError.h"
#include "NumberText.h"

#include <cmath>

namespace tarvo {

namespace {

// Close to, but not, the full-precision pi: the calculator's constant and angle conversions.
constexpr double kPi = 3.14159265358979;
constexpr double kGradsPerDegree = 1.1111111111111112;

const char* const kRecalcReciprocalZero =
    "Error - Illegal divide by zero!\tIllegal term is replaced with a zero.\t\t\t\t\nEdit zero "
    "term and use ReCalc to correct.";
const char* const kRecalcLogarithmZero =
    "Error - Illegal divide by zero!  Illegal term is replaced with a zero.\t\t\t\t\nEdit zero "
    "term and use ReCalc to correct.";

} // namespace

std::optional<double> CCalculatorView::BeginFunction(const std::string& tag) {
    m_bExponentEntry = false;
    return GetFunctionArgument(tag);
}

void CCalculatorView::FinishFunction(const std::string& tag, double result) {
    m_nMathError = ClassifyMathResult(result);
    ShowFunctionResult(tag, result);
}

void CCalculatorView::OnPercent() {
    const std::string tag = TagSegment(kKeyPercent);
    const std::optional<double> x = BeginFunction(tag);
    if (x && *x > 0)
        FinishFunction(tag, *x * 0.01);
}

// A function whose value at 0 is 0 leaves a zero operand as it is; the others compute it.
void CCalculatorView::OnSquare() {
    const std::string tag = TagSegment(kKeySquare);
    const std::optional<double> operand = BeginFunction(tag);
    if (!operand || *operand == 0)
        return;
    const double x = *operand;
    if ((x > 0 && x < 1e-153) || x > 1e153 || x < -1e153) {
        m_host.ShowMessage("Range Error", "Error #104: Result of this calculation is out of range");
        return;
    }
    FinishFunction(tag, x * x);
}

void CCalculatorView::OnSquareRoot() {
    const std::string tag = TagSegment(kKeySquareRoot);
    const std::optional<double> operand = BeginFunction(tag);
    if (!operand || *operand == 0)
        return;
    const double x = *operand;
    if (x < 0) {
        m_host.ShowMessage("Input Error",
                           "Error #105: Attempting to take the square root of a negative number");
        return;
    }
    FinishFunction(tag, std::pow(x, 0.5));
}

void CCalculatorView::OnExp() {
    ComputeUnary(TagSegment(kKeyExp), [](double x) { return std::exp(x); });
}

void CCalculatorView::OnTenPower() {
    ComputeUnary(TagSegment(kKeyTenPower), [](double x) { return std::pow(10.0, x); });
}

void CCalculatorView::ComputeUnary(const std::string& tag, double (*compute)(double)) {
    const std::optional<double> x = BeginFunction(tag);
    if (x && (*x != 0 || compute(0) != 0))
        FinishFunction(tag, compute(*x));
}

void CCalculatorView::OnReciprocal() {
    ComputeWithZeroError(
        TagSegment(kKeyReciprocal), [](double x) { return 1 / x; }, kRecalcReciprocalZero);
}

void CCalculatorView::OnLn() {
    ComputeWithZeroError(
        TagSegment(kKeyLn), [](double x) { return std::log(x); }, kRecalcLogarithmZero);
}

void CCalculatorView::OnLog() {
    ComputeWithZeroError(
        TagSegment(kKeyLog), [](double x) { return std::log10(x); }, kRecalcLogarithmZero);
}

// For 1/x, ln and log a zero operand, or none at all, is an error rather than nothing to do.
void CCalculatorView::ComputeWithZeroError(const std::string& tag, double (*compute)(double),
                                           const char* recalcText) {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(tag))
        return;
    const double x = GetDisplayedOperand().value_or(0);
    if (x != 0) {
        FinishFunction(tag, compute(x));
    } else if (m_bRecalcRunning) {
        m_host.ShowMessage("Error Message", recalcText);
    } else {
        m_host.ShowMessage("Error Message", "Error - Illegal divide by zero!");
        OnBackspace();
    }
}

void CCalculatorView::OnSin() {
    ComputeTrig(
        TagSegment(kKeySin), [](double x) { return std::sin(x); },
        [](double x) { return std::sinh(x); });
}

void CCalculatorView::OnCos() {
    ComputeTrig(
        TagSegment(kKeyCos), [](double x) { return std::cos(x); },
        [](double x) { return std::cosh(x); });
}

void CCalculatorView::OnTan() {
    ComputeTrig(
        TagSegment(kKeyTan), [](double x) { return std::tan(x); },
        [](double x) { return std::tanh(x); });
}

void CCalculatorView::ComputeTrig(const std::string& tag, double (*circular)(double),
                                  double (*hyperbolic)(double)) {
    const std::optional<double> x = BeginFunction(tag);
    const auto compute = m_bHyperbolic ? hyperbolic : circular;
    if (!x || (*x == 0 && compute(0) == 0))
        return;
    if (m_bHyperbolic)
        FinishFunction(tag, hyperbolic(*x));
    else if (m_nAngleMode == AngleMode::Degrees)
        FinishFunction(tag, circular(*x / 180 * kPi));
    else if (m_nAngleMode == AngleMode::Radians)
        FinishFunction(tag, circular(*x));
    else
        FinishFunction(tag, circular(*x / 180 * 0.9 * kPi));
}

void CCalculatorView::OnAsin() {
    ComputeInverseTrig(TagSegment(kKeyAsin), [](double x) { return std::asin(x); });
}

void CCalculatorView::OnAcos() {
    ComputeInverseTrig(TagSegment(kKeyAcos), [](double x) { return std::acos(x); });
}

void CCalculatorView::OnAtan() {
    ComputeInverseTrig(TagSegment(kKeyAtan), [](double x) { return std::atan(x); });
}

void CCalculatorView::ComputeInverseTrig(const std::string& tag, double (*inverse)(double)) {
    const std::optional<double> x = BeginFunction(tag);
    if (!x || (*x == 0 && inverse(0) == 0))
        return;
    const double radians = inverse(*x);
    if (m_nAngleMode == AngleMode::Degrees)
        FinishFunction(tag, radians * 180 / kPi);
    else if (m_nAngleMode == AngleMode::Radians)
        FinishFunction(tag, radians);
    else
        FinishFunction(tag, radians * 180 / kPi * kGradsPerDegree);
}

// pi and n! write their value into the entry, and the next operator reads it from there.
void CCalculatorView::ShowConstantResult(const std::string& tag) {
    CCalcLevel& level = CurrentLevel();
    level.m_strEntry = m_strSmallDisplay;
    level.m_dLastResult = 0;
    level.m_bFunctionValue = false;
    ShowSmallDisplay();
    AppendToLargeDisplay(tag);
    m_bResultShown = true;
}

void CCalculatorView::OnPi() {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(TagSegment(kKeyPi)))
        return;
    SetSmallDisplay(FormatGeneral(kPi, 12));
    ShowConstantResult(TagSegment(kKeyPi));
}

void CCalculatorView::OnFactorial() {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(TagSegment(kKeyFactorial)) || m_strSmallDisplay.empty())
        return;
    CCalcLevel& level = CurrentLevel();
    const double n = std::trunc(level.GetValue(m_strSmallDisplay));
    if (n > 170 || n < 0) {
        m_host.ShowMessage("Range Error", "Error #103: Input number is out of range!");
        return;
    }
    double product = 1;
    for (double counter = 1; counter <= n; ++counter)
        product *= counter;
    // The product is the operand from now on, in full, also in place of a parenthesis value.
    ShowFunctionResult(TagSegment(kKeyFactorial), product);
}

// A power key while a power waits completes it first, so that powers chain left to right.
// With nothing shown there is no base, and the key does nothing, as the functions do.
void CCalculatorView::OnPower() {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(TagSegment(kKeyPower)) || m_strSmallDisplay.empty())
        return;
    CompletePendingPower();
    StartPower(PendingPower::Power, TagSegment(kKeyPower));
}

void CCalculatorView::OnRoot() {
    m_bExponentEntry = false;
    if (InsertIntoEditedEquation(TagSegment(kKeyRoot)) || m_strSmallDisplay.empty())
        return;
    CompletePendingPower();
    StartPower(PendingPower::Root, TagSegment(kKeyRoot));
}

// The first phase of a power: the current operand becomes the base, and the entry empties so
// that the next digits type the second operand.
void CCalculatorView::StartPower(PendingPower kind, const std::string& tag) {
    CCalcLevel& level = CurrentLevel();
    m_bResultShown = false;
    const double base = TakeOperand();
    (kind == PendingPower::Power ? level.m_dPowerA : level.m_dPowerB) = base;
    level.m_nPendingPower = kind;
    FormatDisplayValue(base);
    level.ClearEntry();
    ShowSmallDisplay();
    AppendToLargeDisplay(tag);
}

void CCalculatorView::CompletePower() {
    const CCalcLevel& level = CurrentLevel();
    ShowPowerResult(std::pow(level.m_dPowerA, level.m_dPowerB),
                    "Function Input Error, #106 - Illegal negative base, Remove [neg] from y term");
}

void CCalculatorView::CompleteRoot() {
    CCalcLevel& level = CurrentLevel();
    const double base = level.m_dPowerB;
    if (level.m_dPowerA == 0) {
        m_host.ShowMessage("Error Message #107", "Attempted Division by Zero. Please edit x term "
                                                 "(replace 0) and Recalc to correct");
        level.m_dPowerA = 1;
    }
    const double index = level.m_dPowerA;
    const bool oddWholeIndex = index == std::trunc(index) && TruncateToInt32(index) % 2 == 1;
    const double result =
        base < 0 && oddWholeIndex ? -std::pow(-base, 1 / index) : std::pow(base, 1 / index);
    ShowPowerResult(result, "Function Input Error, #106 - Illegal Negative Base Number, Remove "
                            "[neg] from y term");
}

void CCalculatorView::ShowPowerResult(double result, const char* nanText) {
    CCalcLevel& level = CurrentLevel();
    const bool failed = std::isnan(result);
    if (failed) {
        m_host.ShowMessage("Math Error", nanText);
        result = 0;
    }
    FormatDisplayValue(result);
    // The next operator and "=" take the full value, not the text rounded for the display.
    level.m_dLastResult = result;
    level.m_dFunctionValue = result;
    level.m_bFunctionValue = true;
    level.m_strEntry = m_strSmallDisplay;
    ShowSmallDisplay();
    AppendToLargeDisplay(failed ? "[error]" : " ");
    level.m_dPowerA = 0;
    level.m_dPowerB = 0;
    level.m_nPendingPower = PendingPower::None;
    m_nMathError = MATH_OK; // the power reports its own failure; no stale error for a later key
}

} // namespace tarvo

// Random well-formed calculations keyed into the calculator as tarvo-batch keys them, each
// compared with a plain recursive-descent evaluation of the same calculation: the usual
// precedence, left to right, powers before multiplication, degrees for the angle keys.
#include "BatchSession.h"
#include "IniSettingsStore.h"
#include "Keypad.h"
#include "NumberText.h"
#include "SettingsCommands.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <sstream>

namespace tarvo {
namespace {

constexpr double kPi = 3.14159265358979; // the calculator's own constant for angles

// A piece of a calculation: the keys that type it and the value they should give.
struct Piece {
    std::vector<std::string> keys;
    double value = 0;
    bool powerWaits = false; // a power waits for the next operator: MS would store its exponent
};

// A value out of the calculation's domain: the calculation is dropped, not compared.
struct OutOfDomain {};

double Checked(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e100)
        throw OutOfDomain{};
    return value;
}

struct UnaryKey {
    const char* token;
    bool hyperbolic;
    std::optional<double> (*apply)(double x);
};

std::optional<double> Degrees(double (*f)(double), double x) {
    return f(x / 180 * kPi);
}
std::optional<double> ToDegrees(double (*f)(double), double x) {
    if (std::fabs(x) > 1)
        return std::nullopt;
    return f(x) * 180 / kPi;
}
std::optional<double> Positive(double (*f)(double), double x) {
    return x > 0 ? std::optional(f(x)) : std::nullopt;
}

const UnaryKey kUnaryKeys[] = {
    {"x^2", false,
     [](double x) -> std::optional<double> {
         return std::fabs(x) > 1e153 || (x > 0 && x < 1e-153) ? std::nullopt : std::optional(x * x);
     }},
    {"sqrt", false, [](double x) { return x < 0 ? std::nullopt : std::optional(std::sqrt(x)); }},
    {"1/x", false, [](double x) { return x == 0 ? std::nullopt : std::optional(1 / x); }},
    {"ln", false, [](double x) { return Positive([](double v) { return std::log(v); }, x); }},
    {"log", false, [](double x) { return Positive([](double v) { return std::log10(v); }, x); }},
    {"e^x", false, [](double x) { return std::optional(std::exp(x)); }},
    {"10^x", false, [](double x) { return std::optional(std::pow(10.0, x)); }},
    {"sin", false, [](double x) { return Degrees([](double v) { return std::sin(v); }, x); }},
    {"cos", false, [](double x) { return Degrees([](double v) { return std::cos(v); }, x); }},
    {"tan", false, [](double x) { return Degrees([](double v) { return std::tan(v); }, x); }},
    {"sin", true, [](double x) { return std::optional(std::sinh(x)); }},
    {"cos", true, [](double x) { return std::optional(std::cosh(x)); }},
    {"tan", true, [](double x) { return std::optional(std::tanh(x)); }},
    {"asin", false, [](double x) { return ToDegrees([](double v) { return std::asin(v); }, x); }},
    {"acos", false, [](double x) { return ToDegrees([](double v) { return std::acos(v); }, x); }},
    {"atan", false, [](double x) { return std::optional(std::atan(x) * 180 / kPi); }},
    {"%", false, [](double x) { return x < 0 ? std::nullopt : std::optional(x * 0.01); }},
    {"+/-", false, [](double x) { return std::optional(-x); }},
    {"n!", false,
     [](double x) -> std::optional<double> {
         if (x != std::trunc(x) || x < 0 || x > 170)
             return std::nullopt;
         double product = 1;
         for (double counter = 1; counter <= x; ++counter)
             product *= counter;
         return product;
     }},
};

double Power(double base, double exponent) {
    return Checked(std::pow(base, exponent));
}
double Root(double base, double index) {
    if (index == 0)
        throw OutOfDomain{};
    const bool odd = index == std::trunc(index) && std::fmod(index, 2) == 1;
    return Checked(base < 0 && odd ? -std::pow(-base, 1 / index) : std::pow(base, 1 / index));
}

// Writes random calculations as keys and evaluates them on the way.
class CalculationWriter {
public:
    explicit CalculationWriter(unsigned seed) : m_random(seed) {}

    // One calculation: an equation, then up to two equations that continue from its result;
    // the keys, and the value expected at each "=".
    std::vector<double> Write(std::vector<std::string>& keys) {
        m_memory.reset();
        Piece equation = Expression(2, std::nullopt);
        std::vector<double> results{equation.value};
        Append(keys, equation);
        keys.push_back("=");
        if (Chance(4)) {
            keys.push_back("MS");
            m_memory = equation.value;
        }
        for (int more = Below(3); more > 0; --more) {
            Piece first{{}, results.back()};
            Unaries(first);
            if (Chance(4))
                PowerChain(first, 1);
            Append(keys, first);
            Piece rest = Expression(2, first.value);
            Append(keys, rest);
            keys.push_back("=");
            results.push_back(rest.value);
        }
        return results;
    }

private:
    int Below(std::size_t n) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(m_random);
    }
    bool Chance(int oneIn) { return Below(oneIn) == 0; }
    static void Append(std::vector<std::string>& keys, const Piece& piece) {
        keys.insert(keys.end(), piece.keys.begin(), piece.keys.end());
    }

    Piece Number() {
        std::string text = std::to_string(Chance(4) ? Below(10) : Below(1000));
        if (Chance(3)) {
            text += '.';
            for (int digits = 1 + Below(3); digits > 0; --digits)
                text += char('0' + Below(10));
        }
        Piece piece{{}, NumericValue(text)};
        for (char c : text)
            piece.keys.emplace_back(1, c);
        return piece;
    }

    // A number, the memory or an expression in parentheses, and unary keys after it.
    Piece Base(int depth) {
        Piece piece;
        const int kind = Below(depth > 0 ? 8 : 6);
        if (kind == 0 && m_memory && *m_memory != 0) {
            piece = {{"MR"}, *m_memory};
        } else if (kind >= 6) {
            piece = Expression(depth - 1, std::nullopt);
            piece.keys.insert(piece.keys.begin(), "(");
            piece.keys.push_back(")");
        } else {
            piece = Number();
        }
        Unaries(piece);
        return piece;
    }

    void Unaries(Piece& piece) {
        for (int count = Chance(3) ? 1 + Below(2) : 0; count > 0; --count) {
            const UnaryKey& key = kUnaryKeys[Below(std::size(kUnaryKeys))];
            const std::optional<double> value = key.apply(piece.value);
            if (!value || !std::isfinite(*value) || std::fabs(*value) > 1e15)
                continue; // a key with its own message, or a value too large to go on with
            if (key.hyperbolic)
                piece.keys.push_back("hyp");
            piece.keys.push_back(key.token);
            if (key.hyperbolic)
                piece.keys.push_back("hyp");
            piece.value = *value;
        }
    }

    // Powers and roots bind tighter than multiplication and chain from left to right.
    void PowerChain(Piece& piece, int depth) {
        for (int count = 1 + Below(2); count > 0; --count) {
            const bool root = Chance(3);
            const Piece operand = Base(depth);
            piece.value =
                root ? Root(piece.value, operand.value) : Power(piece.value, operand.value);
            if (std::fabs(piece.value) > 1e15)
                throw OutOfDomain{};
            piece.keys.push_back(root ? "y^1/x" : "y^x");
            Append(piece.keys, operand);
        }
        piece.powerWaits = true;
    }

    Piece Factor(int depth) {
        Piece piece = Base(depth);
        if (Chance(5))
            PowerChain(piece, depth);
        return piece;
    }

    // Factors joined by + - * /, the first of them given when the calculation continues
    // from a result.
    Piece Expression(int depth, std::optional<double> first) {
        Piece expression;
        std::vector<double> values;
        std::vector<char> operators;
        if (first) {
            values.push_back(*first);
        } else {
            const Piece factor = Factor(depth);
            Append(expression.keys, factor);
            values.push_back(factor.value);
            if (Chance(6) && !factor.powerWaits) {
                expression.keys.push_back("MS");
                m_memory = factor.value;
            }
        }
        for (int count = first ? 1 + Below(3) : Below(4); count > 0; --count) {
            const char op = "+-*/"[Below(4)];
            const Piece factor = Factor(depth);
            if (op == '/' && factor.value == 0)
                throw OutOfDomain{};
            expression.keys.emplace_back(1, op);
            Append(expression.keys, factor);
            operators.push_back(op);
            values.push_back(factor.value);
        }
        expression.value = Checked(Evaluate(values, operators));
        return expression;
    }

    static double Evaluate(const std::vector<double>& values, const std::vector<char>& operators) {
        double sum = 0;
        double term = values[0];
        char additive = '+';
        for (std::size_t i = 0; i < operators.size(); ++i) {
            const double next = values[i + 1];
            if (operators[i] == '*' || operators[i] == '/') {
                term = operators[i] == '*' ? term * next : term / next;
                continue;
            }
            sum = additive == '+' ? sum + term : sum - term;
            additive = operators[i];
            term = next;
        }
        return additive == '+' ? sum + term : sum - term;
    }

    std::mt19937 m_random;
    std::optional<double> m_memory;
};

// Half a unit in the last place of the formats that may show a value at this precision (the
// result format and the display format), with a little room for rounding on the way.
double Resolution(Precision precision, double expected) {
    const double magnitude = std::fabs(expected);
    const bool fixedPoint = magnitude < 1e16 && (magnitude == 0 || magnitude >= 1e-10);
    const double significant =
        magnitude == 0 ? 0 : std::pow(10.0, std::floor(std::log10(magnitude)) - 5);
    double unit = significant;
    if (precision == Precision::Low) {
        unit = 0.01;
    } else if (precision == Precision::Normal && fixedPoint) {
        unit = std::max(significant, 1e-6);
    } else if (precision == Precision::High && fixedPoint) {
        const int integerWidth =
            static_cast<int>(std::to_string(std::trunc(expected)).find('.')) + 1;
        unit = std::pow(10.0, -std::min(10, 15 - std::min(integerWidth, 15)));
    }
    return 0.5 * unit + 1e-12 * magnitude;
}

std::string Joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys)
        text += (text.empty() ? "" : " ") + key;
    return text;
}

// In memory where the system has it: every "=" writes the settings file.
QString TemporaryFolderTemplate() {
    const QString memory = "/dev/shm";
    return (QDir(memory).exists() ? memory : QDir::tempPath()) + "/tarvo-XXXXXX";
}

class RandomCalculationsTest : public ::testing::TestWithParam<Precision> {
protected:
    QTemporaryDir m_folder{TemporaryFolderTemplate()};
    IniSettingsStore m_settings{m_folder.path()};
    std::ostringstream m_events;
    BatchSession m_session{m_settings, m_events};
};

TEST_P(RandomCalculationsTest, GiveTheirMathematicalResults) {
    if (GetParam() != Precision::Normal)
        ChoosePrecision(m_session.CurrentLevel(), m_settings, GetParam());
    int compared = 0;
    int failures = 0;
    for (unsigned seed = 1; compared < 3000 && failures < 10; ++seed) {
        CalculationWriter writer(seed);
        std::vector<std::string> keys;
        std::vector<double> expected;
        try {
            expected = writer.Write(keys);
        } catch (const OutOfDomain&) {
            continue;
        }
        ++compared;
        keys.insert(keys.begin(), "Clear");
        m_events.str("");
        std::vector<std::string> shown;
        for (const std::string& token : keys) {
            FindKeyByToken(token)->press(m_session.View());
            if (token == "=")
                shown.push_back(m_session.View().m_strSmallDisplay);
        }
        bool right = m_events.str().empty() && shown.size() == expected.size();
        for (std::size_t i = 0; right && i < shown.size(); ++i)
            right = std::fabs(NumericValue(shown[i]) - expected[i]) <=
                    Resolution(GetParam(), expected[i]);
        // ReCalc of the equation text gives it back as it stands, where the text holds all
        // that the keys did: a tag does not tell hyp, a recalled value is written rounded.
        const std::string equation = m_session.View().m_strLargeDisplay;
        if (std::ranges::find(keys, "hyp") == keys.end() &&
            std::ranges::find(keys, "MR") == keys.end()) {
            FindKeyByToken("RC")->press(m_session.View());
            right =
                right && m_session.View().m_strLargeDisplay == equation && m_events.str().empty();
        }
        if (!right) {
            ++failures;
            std::ostringstream want;
            want.precision(17);
            for (double value : expected)
                want << value << " ";
            ADD_FAILURE() << "seed " << seed << ": " << Joined(keys)
                          << "\n  shown: " << Joined(shown) << "\n  want:  " << want.str()
                          << "\n  equation: " << equation
                          << "\n  recalculated: " << m_session.View().m_strLargeDisplay
                          << "\n  events: " << m_events.str();
        }
    }
}

std::string PrecisionName(const ::testing::TestParamInfo<Precision>& info) {
    static const char* const names[] = {"Low", "Normal", "High"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EachPrecision, RandomCalculationsTest,
                         ::testing::Values(Precision::Low, Precision::Normal, Precision::High),
                         PrecisionName);

} // namespace
} // namespace tarvo

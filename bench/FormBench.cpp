// Keys through the calculator form: typing, functions with their display texts, and = with
// its "Current Calc" write to the real settings file.
#include "CalculatorView.h"
#include "IniSettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

class SilentHost final : public ICalculatorHost {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
    void Beep() override {}
    void ShowSmallDisplay(const std::string&) override {}
    void ShowLargeDisplay(const std::string&) override {}
    void ScrollLargeDisplay(int, int) override {}
    void ShowAngleMode(const std::string&) override {}
    void ShowHyperbolic(bool) override {}
    void ShowParenStatus(const std::string&) override {}
};

struct Calculator {
    QTemporaryDir folder;
    IniSettingsStore settings{folder.path()};
    SilentHost host;
    CCalculatorDoc doc{host};
    CCalculatorView view{doc, host, settings};
};

void BM_TypeDigitsAndFunction(benchmark::State& state) {
    Calculator calculator;
    for (auto _ : state) {
        calculator.view.OnDigit(1);
        calculator.view.OnDecimalPoint();
        calculator.view.OnDigit(7);
        calculator.view.OnSin();
        calculator.view.OnClear();
    }
}

void BM_CalculationWithEquals(benchmark::State& state) {
    Calculator calculator;
    for (auto _ : state) {
        calculator.view.OnDigit(2);
        calculator.view.OnAdd();
        calculator.view.OnDigit(3);
        calculator.view.OnMultiply();
        calculator.view.OnDigit(4);
        calculator.view.OnEquals();
        calculator.view.OnClear();
    }
}

void BM_KeysOnLongEquation(benchmark::State& state) {
    Calculator calculator;
    for (int i = 0; i < state.range(0); ++i) {
        calculator.view.OnDigit(i % 10);
        calculator.view.OnAdd();
    }
    for (auto _ : state) {
        calculator.view.OnDigit(5);
        calculator.view.OnAdd();
    }
}

BENCHMARK(BM_TypeDigitsAndFunction);
BENCHMARK(BM_CalculationWithEquals);
BENCHMARK(BM_KeysOnLongEquation)->Range(64, 1 << 18);

} // namespace
} // namespace tarvo

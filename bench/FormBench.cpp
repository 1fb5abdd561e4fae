// Keys through the calculator form: typing, functions with their display texts, and = with
// its "Current Calc" write to the real settings file.
#include "CalculatorView.h"
#include "GeneratedEquation.h"
#include "HeadlessHost.h"
#include "IniSettingsStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

// The calculator as tarvo-batch runs it, printing into nothing.
struct Calculator {
    Calculator() { host.Attach(view); }
    QTemporaryDir folder;
    IniSettingsStore settings{folder.path()};
    std::ostream nowhere{nullptr};
    HeadlessHost host{nowhere};
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

// Every kind of key that combines operands, at the end of a long equation: the precedence
// machine, a power, a parenthesis, +/- and backspace after it.
void BM_OperatorKeysOnLongEquation(benchmark::State& state) {
    Calculator calculator;
    CCalculatorView& view = calculator.view;
    for (int i = 0; i < state.range(0); ++i) {
        view.OnDigit(i % 9 + 1);
        view.OnAdd();
    }
    for (auto _ : state) {
        view.OnDigit(6);
        view.OnMultiply();
        view.OnDigit(3);
        view.OnDivide();
        view.OnDigit(2);
        view.OnPower();
        view.OnDigit(2);
        view.OnSubtract();
        view.OnOpenParen();
        view.OnDigit(4);
        view.OnCloseParen();
        view.OnChangeSign();
        view.OnAdd();
        view.OnDigit(5);
        view.OnChangeSign();
        view.OnBackspace();
        view.OnDigit(1);
        view.OnAdd();
    }
}

void BM_ReCalc(benchmark::State& state) {
    Calculator calculator;
    const std::string text = GeneratedEquation(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        calculator.view.m_strEquation = text;
        calculator.view.ReCalc();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// One Undo and one Redo through twenty stored calculations of the given size.
void BM_UndoRedo(benchmark::State& state) {
    Calculator calculator;
    const std::string text = GeneratedEquation(static_cast<std::size_t>(state.range(0)));
    for (int i = 0; i < UndoMemory::kSlots; ++i) {
        calculator.view.m_strEquation = text;
        calculator.view.ReCalc();
    }
    for (auto _ : state) {
        calculator.view.OnUndo();
        calculator.view.OnRedo();
    }
    state.SetBytesProcessed(state.iterations() * 2 * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_TypeDigitsAndFunction);
BENCHMARK(BM_CalculationWithEquals);
BENCHMARK(BM_KeysOnLongEquation)->Range(64, 1 << 18);
BENCHMARK(BM_OperatorKeysOnLongEquation)->Range(64, 1 << 18);
BENCHMARK(BM_UndoRedo)->RangeMultiplier(16)->Range(4 << 10, 1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReCalc)->RangeMultiplier(4)->Range(64 << 10, 4 << 20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo

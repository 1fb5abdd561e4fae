// The engine's hot paths: an evaluation with its result text, and the number texts.
#include "CalcLevel.h"
#include "NumberText.h"

#include <benchmark/benchmark.h>

namespace tarvo {
namespace {

class SilentMessages final : public IMessageBox {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

void AddAndEquals(benchmark::State& state, bool highPrecision) {
    SilentMessages messages;
    CCalcLevel level(messages);
    level.m_shared.m_bHighPrecision = highPrecision;
    for (auto _ : state) {
        level.m_strEntry = "1234.5678";
        benchmark::DoNotOptimize(level.ApplyOperator(CalcOperator::Add));
        level.m_strEntry = "2.5";
        benchmark::DoNotOptimize(level.ApplyOperator(CalcOperator::Equals));
        level.Reset();
    }
}

void BM_EvaluateNormal(benchmark::State& state) {
    AddAndEquals(state, false);
}
void BM_EvaluateHigh(benchmark::State& state) {
    AddAndEquals(state, true);
}

void BM_FormatHighPrecision(benchmark::State& state) {
    double value = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CCalcLevel::FormatHighPrecision(value));
        value += 1.37;
    }
}

void BM_FormatGeneral(benchmark::State& state) {
    double value = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatGeneral(value));
        value *= 1.0001;
    }
}

void BM_NumericValue(benchmark::State& state) {
    const std::string text = "  -12345.678901e-3 ";
    for (auto _ : state)
        benchmark::DoNotOptimize(NumericValue(text));
}

void BM_NumericValueOfLongEntry(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '7');
    for (auto _ : state)
        benchmark::DoNotOptimize(NumericValue(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_EvaluateNormal);
BENCHMARK(BM_EvaluateHigh);
BENCHMARK(BM_FormatHighPrecision);
BENCHMARK(BM_FormatGeneral);
BENCHMARK(BM_NumericValue);
BENCHMARK(BM_NumericValueOfLongEntry)->Range(16, 1 << 20);

} // namespace
} // namespace tarvo

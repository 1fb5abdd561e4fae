// The tools' hot paths: a conversion typed into the hexadecimal tool, and the statistics of
// a full sample of 100 values.
#include "HexToolSurface.h"
#include "IniSettingsStore.h"
#include "StatisticsSurface.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sstream>

namespace tarvo {
namespace {

class NoMessages final : public IMessageBox {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

void BM_HexConversion(benchmark::State& state) {
    QTemporaryDir folder;
    IniSettingsStore settings(folder.path());
    NoMessages messages;
    std::ostringstream out;
    HexToolSurface tool(settings, messages, out);
    tool.ChooseDataType("long");
    for (auto _ : state) {
        tool.Type(HexToolSurface::Field::Decimal, "-2147483648");
        tool.Type(HexToolSurface::Field::Hex, "7FFF1234");
    }
}

void BM_StatisticsOfHundredValues(benchmark::State& state) {
    QTemporaryDir folder;
    IniSettingsStore settings(folder.path());
    NoMessages messages;
    std::ostringstream out;
    StatisticsSurface tool(settings, messages, out);
    std::string sample;
    for (int i = 0; i < 99; ++i)
        sample += std::to_string(i * 37 % 101) + ".25, ";
    for (auto _ : state) {
        tool.EditSample(sample + "7", std::nullopt);
        tool.Press("Enter");
    }
}

BENCHMARK(BM_HexConversion);
BENCHMARK(BM_StatisticsOfHundredValues)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvo

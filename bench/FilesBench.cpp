// The calculation file: the Load Calc browser opening a large file and stepping through it,
// and Save's append. The files are generated once per size in a temporary folder.
#include "CalcFile.h"
#include "CalcRecord.h"
#include "IniSettingsStore.h"
#include "LoadCalcBrowser.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace tarvo {
namespace {

// The browser's dialog, keeping the displays as texts the way tarvo-batch does.
class QuietHost final : public ILoadCalcHost {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons) override {
        ++messages;
        return MessageAnswer::Yes;
    }
    void ShowField(BrowserField field, const std::string& text) override {
        fields[static_cast<std::size_t>(field)] = text;
    }
    std::array<std::string, 5> fields;
    int messages = 0;
};

// A typical record: an ID, the time of saving and one or two equations, about 105 bytes.
std::string TypicalRecord(std::size_t n) {
    static const char* const calcs[] = {
        "12.5 *  ( 3 + 4 )  [sqrt]  - 7 / 2 = 29.5719; 2 + 3 * 40 = 122; ",
        "30 [sin]  + 1.5e-7 * 2 [x^2]  = 0.5; 1000 [log]  * 4.25 = 12.75; ",
        " ( 1 + 2 )  / 4 [neg]  = -0.75; 2 [y^x] 10 + 3 [ln]  = 1025.1; ",
        "6.02e+023 / 1000 = 6.02e+020; 45 [tan]  * 8 - 1 = 7; 33 = 33; ",
    };
    std::tm time{};
    time.tm_year = 126 + static_cast<int>(n % 3);
    time.tm_mon = static_cast<int>(n % 12);
    time.tm_mday = 1 + static_cast<int>(n % 28);
    time.tm_hour = static_cast<int>(n % 24);
    time.tm_min = static_cast<int>(n % 60);
    time.tm_sec = static_cast<int>((n * 7) % 60);
    return FormatCalcRecord("Calculation " + std::to_string(n), FormatTimeStamp(time),
                            calcs[n % std::size(calcs)]);
}

// A calculation file of `records` typical records, with a settings store whose "Path" names it.
struct CalcFile {
    explicit CalcFile(std::size_t records) {
        std::string content;
        for (std::size_t n = 0; n < records; ++n)
            content += TypicalRecord(n);
        bytes = content.size();
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), out);
        std::fclose(out);
        settings.WriteSettingString("Settings", "Path", path);
    }
    QTemporaryDir folder;
    std::string path = folder.path().toStdString() + "/quenda.txt";
    IniSettingsStore settings{folder.path()};
    std::size_t bytes = 0;
};

CalcFile& FileOf(std::size_t records) {
    static std::map<std::size_t, std::unique_ptr<CalcFile>> files;
    auto& file = files[records];
    if (!file)
        file = std::make_unique<CalcFile>(records);
    return *file;
}

void BM_BrowserOpen(benchmark::State& state) {
    CalcFile& file = FileOf(static_cast<std::size_t>(state.range(0)));
    QuietHost host;
    for (auto _ : state) {
        LoadCalcBrowser browser(file.settings, host);
        browser.Open();
        benchmark::DoNotOptimize(browser.m_nItemCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.bytes));
    state.counters["MiB"] = static_cast<double>(file.bytes) / (1 << 20);
    if (host.messages != 0)
        state.SkipWithError("the file gave messages");
}

// Next from record 1 onwards; the count stays well below the last record, where Next stops.
void BM_BrowserNext(benchmark::State& state) {
    CalcFile& file = FileOf(1000000);
    QuietHost host;
    LoadCalcBrowser browser(file.settings, host);
    browser.Open();
    for (auto _ : state)
        browser.OnNext();
    if (host.messages != 0 || browser.m_nCurrentItem != 1 + static_cast<int>(state.iterations()))
        state.SkipWithError("Next did not step one record at a time");
}

// Previous from the last record backwards, never reaching record 2, the one step back that
// reads the file afresh.
void BM_BrowserPrevious(benchmark::State& state) {
    CalcFile& file = FileOf(1000000);
    QuietHost host;
    LoadCalcBrowser browser(file.settings, host);
    browser.Open();
    while (browser.m_nCurrentItem < browser.m_nItemCount)
        browser.OnNext();
    const int last = browser.m_nCurrentItem;
    for (auto _ : state)
        browser.OnPrevious();
    if (host.messages != 0 || browser.m_nCurrentItem != last - static_cast<int>(state.iterations()))
        state.SkipWithError("Previous did not step one record at a time");
}

// Save's write: open in append mode under the lock, one write, close.
void BM_AppendRecord(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/quenda.txt";
    const std::string record = TypicalRecord(12345);
    for (auto _ : state)
        if (!AppendRecord(path, record).ok)
            state.SkipWithError("cannot append");
}

BENCHMARK(BM_BrowserOpen)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserNext)->Iterations(900000);
BENCHMARK(BM_BrowserPrevious)->Iterations(900000);
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvo

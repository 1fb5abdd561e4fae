// The calculation file: the Load Calc browser opening a large file and stepping through it,
// and Save's append. The files are generated once per size in a temporary folder.
#include "CalcFile.h"
#include "CalcRecord.h"
#include "IniSettingsStore.h"
#include "LoadCalcBrowser.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace tarvo {
namespace {

// The browser's dialog, keeping the displays as texts the way tarvo-batch does.
class QuietHost final : public ILoadCalcHost {
public:
    // Questions are answered Yes; only messages are counted.
    MessageAnswer ShowMessage(const std::string&, const std::string&,
                              MessageButtons buttons) override {
        messages += buttons == MessageButtons::Ok;
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
    if (host.messages != 0 || browser.m_nCurrentItem != 1 + state.iterations())
        state.SkipWithError("Next did not step one record at a time");
}

// Previous from the last record backwards, never reaching record 2 (BM_BrowserPreviousToFirst
// measures the step from there).
void BM_BrowserPrevious(benchmark::State& state) {
    CalcFile& file = FileOf(1000000);
    QuietHost host;
    LoadCalcBrowser browser(file.settings, host);
    browser.Open();
    while (browser.m_nCurrentItem < browser.m_nItemCount)
        browser.OnNext();
    const std::int64_t last = browser.m_nCurrentItem;
    for (auto _ : state)
        browser.OnPrevious();
    if (host.messages != 0 || browser.m_nCurrentItem != last - state.iterations())
        state.SkipWithError("Previous did not step one record at a time");
}

// Save's write: open in append mode under the lock, one write, close.
void BM_AppendRecord(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/quenda.txt";
    const std::string record = TypicalRecord(12345);
    for (auto _ : state)
        if (AppendRecord(path, record).status != FileStatus::Done)
            state.SkipWithError("cannot append");
}

// The browser's steps on the 100 MiB file that used to read the whole file again.

constexpr std::size_t kHundredMiB = 1000000; // records

// A line of /proc/self/status in bytes: VmRSS, the resident memory now, or VmHWM, its peak.
std::size_t ResidentBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    std::size_t kib = 0;
    while (status >> name) {
        if (name == field && status >> kib)
            return kib * 1024;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// The peak starts again from the resident memory now.
void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double SecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Previous from record 2 back to record 1 (the Next before it is not timed).
void BM_BrowserPreviousToFirst(benchmark::State& state) {
    CalcFile& file = FileOf(kHundredMiB);
    QuietHost host;
    LoadCalcBrowser browser(file.settings, host);
    browser.Open();
    for (auto _ : state) {
        browser.OnNext();
        state.SetIterationTime(SecondsOf([&] { browser.OnPrevious(); }));
    }
    if (host.messages != 0 || browser.m_nCurrentItem != 1)
        state.SkipWithError("Previous did not return to record 1");
}

// What Delete is measured against: copying the file within its folder, as cp does (arg 0),
// and with the copy flushed to the disk (arg 1), as Delete flushes its new file.
void BM_CopyFile(benchmark::State& state) {
    CalcFile& file = FileOf(kHundredMiB);
    const std::string copy = file.path + ".copy";
    for (auto _ : state) {
        std::filesystem::copy_file(file.path, copy,
                                   std::filesystem::copy_options::overwrite_existing);
        if (state.range(0) != 0) {
            const int fd = ::open(copy.c_str(), O_RDWR | O_CLOEXEC);
            ::fsync(fd);
            ::close(fd);
        }
    }
    std::filesystem::remove(copy);
}

// Delete of record 2 on a fresh copy of the 100 MiB file (the copy and the opening of the
// browser are not timed), and the browser's peak memory above what the process held before
// it opened, as a multiple of the file's size.
void BM_BrowserDelete(benchmark::State& state) {
    CalcFile& file = FileOf(kHundredMiB);
    const std::string pristine = file.path + ".pristine";
    std::filesystem::copy_file(file.path, pristine,
                               std::filesystem::copy_options::overwrite_existing);
    QuietHost host;
    double peak = 0;
    for (auto _ : state) {
        std::filesystem::copy_file(pristine, file.path,
                                   std::filesystem::copy_options::overwrite_existing);
        const std::size_t before = ResidentBytes("VmRSS:");
        ResetPeakResident();
        LoadCalcBrowser browser(file.settings, host);
        browser.Open();
        browser.OnNext();
        state.SetIterationTime(SecondsOf([&] { browser.OnDelete(); }));
        peak = std::max(peak, static_cast<double>(ResidentBytes("VmHWM:") - before) /
                                  static_cast<double>(file.bytes));
    }
    std::filesystem::copy_file(pristine, file.path,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(pristine);
    state.counters["peak_x_file"] = peak;
    if (host.messages != 0)
        state.SkipWithError("Delete gave a message besides its question");
}

BENCHMARK(BM_BrowserOpen)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserNext)->Iterations(900000);
BENCHMARK(BM_BrowserPrevious)->Iterations(900000);
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrowserPreviousToFirst)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserDelete)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvo

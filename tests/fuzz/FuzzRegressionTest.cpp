// Every input kept for a fuzzed entry point, the seeds and the ones that once failed, runs
// again here in the ordinary build (and under the sanitizers in CI).
#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace tarvo::fuzz {
namespace {

using Target = void (*)(const std::uint8_t*, std::size_t);

struct FuzzTarget {
    const char* name;
    Target run;
};

void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

class FuzzRegressionTest : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzRegressionTest, ReplaysEveryKeptInput) {
    const std::filesystem::path folder = std::filesystem::path(FUZZ_CORPUS_DIR) / GetParam().name;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(entry.path().filename().string());
        GetParam().run(bytes.data(), bytes.size());
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

const FuzzTarget kTargets[] = {
    {"ReplayEquation", ReplayEquation},
    {"BrowseCalcFile", BrowseCalcFile},
    {"TypeHexTexts", TypeHexTexts},
    {"EnterSample", EnterSample},
    {"ReadDamagedSettings", ReadDamagedSettings},
};

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegressionTest, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::fuzz

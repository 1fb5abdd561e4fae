// Runs every scenario file through the real tarvo-batch program, with a fresh settings
// folder, once in the C locale and once in German, whose decimal comma must never show.
#include "IniSettingsStore.h"
#include "OutputText.h"
#include "ScenarioFile.h"
#include "ScenarioList.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace tarvo::test {
namespace {

struct ScenarioRun {
    std::filesystem::path file;
    std::string locale;
};

void PrintTo(const ScenarioRun& run, std::ostream* out) {
    *out << run.file.filename().string() << " in " << run.locale;
}

std::string Escaped(const std::string& text) {
    std::ostringstream out;
    WriteEscaped(out, text);
    return out.str();
}

// The expected text with <dir> replaced, as a pattern in which <time> is any time stamp.
std::regex ExpectedPattern(std::string expected, const std::string& folder) {
    for (std::size_t at; (at = expected.find("<dir>")) != std::string::npos;)
        expected.replace(at, 5, folder);
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    std::string pattern = std::regex_replace(expected, special, "\\$&");
    for (std::size_t at; (at = pattern.find("<time>")) != std::string::npos;)
        pattern.replace(at, 6, R"(\d{1,2}/\d{1,2}/\d{2} \d{1,2}:\d{2}:\d{2})");
    return std::regex(pattern);
}

void ExpectMatches(const std::string& actual, const std::string& expected,
                   const std::string& folder, const std::string& what) {
    if (expected.find('<') == std::string::npos) {
        EXPECT_EQ(actual, expected) << what;
        return;
    }
    EXPECT_TRUE(std::regex_match(actual, ExpectedPattern(expected, folder)))
        << what << "\n  actual: " << Escaped(actual) << "\nexpected: " << Escaped(expected);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ToString(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

class ScenarioTest : public ::testing::TestWithParam<ScenarioRun> {};

TEST_P(ScenarioTest, PrintsExactly) {
    const Scenario scenario = ReadScenario(GetParam().file);
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    {
        IniSettingsStore store(config.path());
        for (const auto& setting : scenario.settingsBefore)
            store.WriteSettingString(setting.section, setting.key, setting.value);
    }

    const std::string folder = config.path().toStdString();
    for (const auto& [name, content] : scenario.filesBefore)
        std::ofstream(folder + "/" + name, std::ios::binary) << content;

    QProcess batch;
    batch.setWorkingDirectory(config.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("LC_ALL", QString::fromStdString(GetParam().locale));
    batch.setProcessEnvironment(environment);
    batch.start(TARVO_BATCH_PROGRAM, {});
    ASSERT_TRUE(batch.waitForStarted());
    batch.write(scenario.script.data(), static_cast<qint64>(scenario.script.size()));
    batch.closeWriteChannel();
    ASSERT_TRUE(batch.waitForFinished(60000));

    ExpectMatches(ToString(batch.readAllStandardOutput()), scenario.expectedStdout, folder,
                  "standard output");
    ExpectMatches(ToString(batch.readAllStandardError()), scenario.expectedStderr, folder,
                  "standard error");
    EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(batch.exitCode(), scenario.expectedExit);

    IniSettingsStore store(config.path());
    for (const auto& setting : scenario.settingsAfter)
        ExpectMatches(store.ReadSettingString(setting.section, setting.key, "(missing)"),
                      setting.value, folder, setting.section + "|" + setting.key);
    for (const auto& [name, content] : scenario.filesAfter)
        ExpectMatches(ReadFile(folder + "/" + name), content, folder, name);
}

std::vector<ScenarioRun> AllRuns() {
    std::vector<ScenarioRun> runs;
    for (const char* file : kScenarioFiles)
        for (const char* locale : {"C", "de_DE.UTF-8"})
            runs.push_back({file, locale});
    return runs;
}

std::string RunName(const ::testing::TestParamInfo<ScenarioRun>& info) {
    std::string name = info.param.file.stem().string() + "_" + info.param.locale;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Batch, ScenarioTest, ::testing::ValuesIn(AllRuns()), RunName);

} // namespace
} // namespace tarvo::test

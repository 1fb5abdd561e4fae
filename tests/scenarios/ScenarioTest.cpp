// Runs every scenario file through the real tarvo-batch program, with a fresh settings
// folder, once in the C locale and once in German, whose decimal comma must never show.
#include "IniSettingsStore.h"
#include "OutputText.h"
#include "ScenarioFile.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("LC_ALL", QString::fromStdString(GetParam().locale));
    batch.setProcessEnvironment(environment);
    batch.start(TARVO_BATCH_PROGRAM, {});
    ASSERT_TRUE(batch.waitForStarted());
    batch.write(scenario.script.data(), static_cast<qint64>(scenario.script.size()));
    batch.closeWriteChannel();
    ASSERT_TRUE(batch.waitForFinished(60000));

    EXPECT_EQ(ToString(batch.readAllStandardOutput()), scenario.expectedStdout);
    EXPECT_EQ(ToString(batch.readAllStandardError()), scenario.expectedStderr);
    EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(batch.exitCode(), scenario.expectedExit);

    IniSettingsStore store(config.path());
    for (const auto& setting : scenario.settingsAfter)
        EXPECT_EQ(Escaped(store.ReadSettingString(setting.section, setting.key, "<missing>")),
                  Escaped(setting.value))
            << setting.section << "|" << setting.key;
}

std::vector<ScenarioRun> AllRuns() {
    std::vector<ScenarioRun> runs;
    for (const auto& file : ScenarioFiles(SCENARIO_DIR))
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

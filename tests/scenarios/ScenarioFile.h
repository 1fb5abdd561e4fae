// A scenario of the batch program: the script, the settings before the run, and what the run
// must print, exit with and leave in the settings store.
//
//   script lines ...
//   --- settings            (optional) SECTION|KEY=VALUE lines stored before the run
//   --- stdout              the exact standard output
//   --- stderr              (optional) the exact standard error
//   --- exit N              (optional) the exit status, 0 when absent
//   --- settings-after      (optional) SECTION|KEY=VALUE lines the store must hold afterwards
//   --- file NAME           (optional, repeatable) a file made in the run's folder before it
//   --- file-after NAME     (optional, repeatable) what that file must hold afterwards
//
// VALUEs and file lines are written as the batch program prints texts (\\, \r, \n and \t
// escaped); the lines of a file section are joined without line ends. The program runs in a
// fresh folder, named <dir> in the expected texts; <time> stands for any time stamp.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tarvo::test {

struct SettingValue {
    std::string section;
    std::string key;
    std::string value;
};

struct Scenario {
    std::string name;
    std::string script;
    std::vector<SettingValue> settingsBefore;
    std::string expectedStdout;
    std::string expectedStderr;
    int expectedExit = 0;
    std::vector<SettingValue> settingsAfter;
    std::vector<std::pair<std::string, std::string>> filesBefore;
    std::vector<std::pair<std::string, std::string>> filesAfter;
};

Scenario ReadScenario(const std::filesystem::path& file);
std::string UnescapeValue(const std::string& text);

} // namespace tarvo::test

#include "ScenarioFile.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvo::test {

namespace {

SettingValue ParseSetting(const std::string& line) {
    const auto bar = line.find('|');
    const auto equals = line.find('=', bar == std::string::npos ? 0 : bar);
    if (bar == std::string::npos || equals == std::string::npos)
        throw std::runtime_error("bad setting line '" + line + "'");
    return {line.substr(0, bar), line.substr(bar + 1, equals - bar - 1),
            UnescapeValue(line.substr(equals + 1))};
}

// A line of the file section opened last.
void AddFileLine(std::vector<std::pair<std::string, std::string>>& files, const std::string& line) {
    files.back().second += UnescapeValue(line);
}

} // namespace

std::string UnescapeValue(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char c = text[++i];
        result += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return result;
}

Scenario ReadScenario(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    Scenario scenario;
    scenario.name = file.stem().string();
    std::string section = "script";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("--- ", 0) == 0) {
            section = line.substr(4);
            if (section.rfind("file ", 0) == 0)
                scenario.filesBefore.emplace_back(section.substr(5), "");
            else if (section.rfind("file-after ", 0) == 0)
                scenario.filesAfter.emplace_back(section.substr(11), "");
            if (section.rfind("exit ", 0) == 0)
                scenario.expectedExit = std::stoi(section.substr(5));
            continue;
        }
        if (section == "script")
            scenario.script += line + "\n";
        else if (section == "settings")
            scenario.settingsBefore.push_back(ParseSetting(line));
        else if (section == "stdout")
            scenario.expectedStdout += line + "\n";
        else if (section == "stderr")
            scenario.expectedStderr += line + "\n";
        else if (section == "settings-after")
            scenario.settingsAfter.push_back(ParseSetting(line));
        else if (section.rfind("file ", 0) == 0)
            AddFileLine(scenario.filesBefore, line);
        else if (section.rfind("file-after ", 0) == 0)
            AddFileLine(scenario.filesAfter, line);
        else if (section.rfind("exit ", 0) != 0 && section.rfind("file", 0) != 0)
            throw std::runtime_error(file.string() + ": unknown section '" + section + "'");
    }
    return scenario;
}

} // namespace tarvo::test

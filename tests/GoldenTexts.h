// Texts a dialog shows, kept in a golden file in the folder "golden" beside its test, one text
// to a line and taken as it stands, trailing blanks too; "\n" in a line is a line break.
// "[NAME]" starts the section NAME; lines before the first one are the section "". Lines
// starting with "#" are comments.
#pragma once

#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tarvo::test {

using GoldenTexts = std::map<std::string, std::vector<std::string>>;

inline std::string UnescapeGolden(const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 2, "\\n") == 0) {
            text += '\n';
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

// The golden file of this name; empty when it cannot be read.
inline GoldenTexts ReadGoldenTexts(const std::string& name) {
    std::ifstream file(std::string(TEST_SOURCE_DIR) + "/golden/" + name);
    GoldenTexts texts;
    std::string section;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("#"))
            continue;
        if (line.starts_with("[") && line.ends_with("]"))
            section = line.substr(1, line.size() - 2);
        else
            texts[section].push_back(UnescapeGolden(line));
    }
    return texts;
}

} // namespace tarvo::test

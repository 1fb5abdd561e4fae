#include "ScriptArguments.h"

#include <charconv>
#include <map>

namespace tarvo {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string OneWord(const std::string& argument, const char* directive, const char* expected,
                    int line) {
    const auto words = SplitWords(argument);
    if (words.size() != 1)
        throw ScriptError(line, std::string(":") + directive + " needs one of " + expected);
    return words.front();
}

void ExpectNoArgument(const std::string& argument, const char* directive, int line) {
    if (!SplitWords(argument).empty())
        throw ScriptError(line, std::string(":") + directive + " takes no argument");
}

std::string TextArgument(const std::string& argument, int line) {
    static const std::map<char, char> escapes = {
        {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'\\', '\\'}};
    std::size_t i = 0;
    while (i < argument.size() && IsBlank(argument[i]))
        ++i;
    std::string text;
    for (; i < argument.size(); ++i) {
        if (argument[i] != '\\') {
            text += argument[i];
            continue;
        }
        const auto escape = i + 1 < argument.size() ? escapes.find(argument[i + 1]) : escapes.end();
        if (escape == escapes.end())
            throw ScriptError(line, "unknown escape '" + argument.substr(i, 2) + "'");
        text += escape->second;
        ++i;
    }
    return text;
}

int NumberArgument(const std::string& word, const char* directive, int line) {
    int value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() || value < 0)
        throw ScriptError(line, "bad argument '" + word + "' for :" + directive);
    return value;
}

std::pair<std::string, std::string> FirstWord(const std::string& argument) {
    std::size_t start = 0;
    while (start < argument.size() && IsBlank(argument[start]))
        ++start;
    std::size_t end = start;
    while (end < argument.size() && !IsBlank(argument[end]))
        ++end;
    return {argument.substr(start, end - start), argument.substr(end)};
}

} // namespace tarvo

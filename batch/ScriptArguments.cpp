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

ToolClosing ClosingArgument(const std::string& argument, int line) {
    static const std::map<std::string, ToolClosing> ways = {
        {"ok", ToolClosing::Ok}, {"esc", ToolClosing::Esc}, {"box", ToolClosing::Box}};
    return ChoiceArgument(argument, "close", "ok, esc, box", ways, line);
}

ResolvedText ResolveEscapes(std::string_view text) {
    static const std::map<char, char> escapes = {
        {'n', '\n'}, {'r', '\r'}, {'t', '\t'}, {'\\', '\\'}};
    ResolvedText resolved;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            resolved.text += text[i];
            continue;
        }
        const auto escape = i + 1 < text.size() ? escapes.find(text[i + 1]) : escapes.end();
        if (escape == escapes.end()) {
            resolved.unknownEscape = text.substr(i, 2);
            break;
        }
        resolved.text += escape->second;
        ++i;
    }
    return resolved;
}

std::string TextArgument(const std::string& argument, int line) {
    std::size_t start = 0;
    while (start < argument.size() && IsBlank(argument[start]))
        ++start;
    ResolvedText resolved = ResolveEscapes(std::string_view(argument).substr(start));
    if (!resolved.unknownEscape.empty())
        throw ScriptError(line, "unknown escape '" + resolved.unknownEscape + "'");
    return std::move(resolved.text);
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

// The pieces of a script line: words, TEXT arguments with their escapes, numbers. Errors are
// ScriptErrors naming the line.
#pragma once

#include "Script.h"
#include "ToolClosing.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

bool IsBlank(char c);
std::vector<std::string> SplitWords(const std::string& text);

// Exactly one word, one of `expected` (listed for the message).
std::string OneWord(const std::string& argument, const char* directive, const char* expected,
                    int line);
void ExpectNoArgument(const std::string& argument, const char* directive, int line);

// Exactly one word, a key of `choices`: its value.
template <class Value>
Value ChoiceArgument(const std::string& argument, const char* directive, const char* expected,
                     const std::map<std::string, Value>& choices, int line) {
    const std::string word = OneWord(argument, directive, expected, line);
    const auto choice = choices.find(word);
    if (choice == choices.end())
        throw ScriptError(line, "bad argument '" + word + "' for :" + directive);
    return choice->second;
}

// ":close ok|esc|box" of a tool.
ToolClosing ClosingArgument(const std::string& argument, int line);

// TEXT with the escapes \n, \r, \t and \\ resolved; unknownEscape holds the first other
// one (or a backslash that ends TEXT), where the resolving stopped.
struct ResolvedText {
    std::string text;
    std::string unknownEscape;
};
ResolvedText ResolveEscapes(std::string_view text);

// The rest of the line after the blanks that follow the directive word, its escapes resolved.
std::string TextArgument(const std::string& argument, int line);
int NumberArgument(const std::string& word, const char* directive, int line);

// The word that starts a TEXT argument, and the TEXT after it.
std::pair<std::string, std::string> FirstWord(const std::string& argument);

} // namespace tarvo

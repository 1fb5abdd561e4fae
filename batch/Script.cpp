#include "Script.h"

#include "BatchSession.h"
#include "Keypad.h"

#include <charconv>
#include <map>
#include <sstream>

namespace tarvo {

namespace {

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

using Run = std::function<void(BatchSession&)>;
using DirectiveParser = Run (*)(const std::string& argument, int line);

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

Run ParsePrecision(const std::string& argument, int line) {
    static const std::map<std::string, Precision> choices = {
        {"low", Precision::Low}, {"normal", Precision::Normal}, {"high", Precision::High}};
    const std::string word = OneWord(argument, "precision", "low, normal, high", line);
    const auto choice = choices.find(word);
    if (choice == choices.end())
        throw ScriptError(line, "bad argument '" + word + "' for :precision");
    const Precision precision = choice->second;
    return [precision](BatchSession& s) {
        ChoosePrecision(s.CurrentLevel(), s.Settings(), precision);
    };
}

Run ParseAnswer(const std::string& argument, int line) {
    const std::string word = OneWord(argument, "answer", "yes, no", line);
    if (word != "yes" && word != "no")
        throw ScriptError(line, "bad argument '" + word + "' for :answer");
    const bool yes = word == "yes";
    return [yes](BatchSession& s) { s.Host().SetAnswer(yes); };
}

Run ParseKeySound(const std::string& argument, int line) {
    ExpectNoArgument(argument, "keysound", line);
    return [](BatchSession& s) { ToggleKeySound(s.CurrentLevel(), s.Settings()); };
}

// A TEXT argument: the rest of the line after the blanks that follow the directive word.
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

Run ParseClickLarge(const std::string& argument, int line) {
    const auto words = SplitWords(argument);
    if (words.empty() || words.size() > 2)
        throw ScriptError(line, ":click-large needs a position and an optional length");
    const int start = NumberArgument(words[0], "click-large", line);
    const int length = words.size() == 2 ? NumberArgument(words[1], "click-large", line) : 0;
    return [start, length](BatchSession& s) { s.Host().ClickLarge(start, length); };
}

Run ParseType(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return [text](BatchSession& s) {
        if (!s.Host().LargeHasFocus())
            throw std::runtime_error(":type needs the focus in the large display (:click-large)");
        s.Host().TypeIntoLarge(text);
    };
}

Run ParseEdit(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return [text](BatchSession& s) { s.Host().ReplaceWholeLarge(text); };
}

Run ParseLeaveLarge(const std::string& argument, int line) {
    ExpectNoArgument(argument, "leave-large", line);
    return [](BatchSession& s) { s.Host().LeaveLarge(); };
}

Run ParseClickSmall(const std::string& argument, int line) {
    ExpectNoArgument(argument, "click-small", line);
    return [](BatchSession& s) { s.Host().ClickSmall(); };
}

Run ParseClearUndo(const std::string& argument, int line) {
    ExpectNoArgument(argument, "clear-undo", line);
    return [](BatchSession& s) { s.View().OnClearUndoMemory(); };
}

Run ParsePaste(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return [text](BatchSession& s) {
        s.Host().SetClipboard(text);
        s.View().OnEditPaste();
    };
}

Run ParseCopy(const std::string& argument, int line) {
    ExpectNoArgument(argument, "copy", line);
    return [](BatchSession& s) {
        s.View().OnEditCopy();
        s.PrintClipboard();
    };
}

Run ParseRemember(const std::string& argument, int line) {
    ExpectNoArgument(argument, "remember", line);
    return [](BatchSession& s) { ToggleSaveLast(s.CurrentLevel()); };
}

Run ParseShow(const std::string& argument, int line) {
    ExpectNoArgument(argument, "show", line);
    return [](BatchSession& s) { s.PrintState(); };
}

const std::map<std::string, DirectiveParser>& Directives() {
    static const std::map<std::string, DirectiveParser> directives = {
        {"precision", ParsePrecision},
        {"answer", ParseAnswer},
        {"keysound", ParseKeySound},
        {"show", ParseShow},
        {"click-large", ParseClickLarge},
        {"type", ParseType},
        {"leave-large", ParseLeaveLarge},
        {"click-small", ParseClickSmall},
        {"edit", ParseEdit},
        {"clear-undo", ParseClearUndo},
        {"paste", ParsePaste},
        {"copy", ParseCopy},
        {"remember", ParseRemember},
    };
    return directives;
}

void ParseDirective(const std::string& text, int line, std::vector<ScriptAction>& actions) {
    std::size_t nameEnd = 1;
    while (nameEnd < text.size() && !IsBlank(text[nameEnd]))
        ++nameEnd;
    const std::string name = text.substr(1, nameEnd - 1);
    const auto directive = Directives().find(name);
    if (directive == Directives().end())
        throw ScriptError(line, "unknown directive ':" + name + "'");
    actions.push_back({line, directive->second(text.substr(nameEnd), line)});
}

void ParseKeys(const std::string& text, int line, std::vector<ScriptAction>& actions) {
    for (const std::string& token : SplitWords(text)) {
        const CalculatorKey* key = FindKeyByToken(token);
        if (!key)
            throw ScriptError(line, "unknown token '" + token + "'");
        actions.push_back({line, [key](BatchSession& s) { key->press(s.View()); }});
    }
}

} // namespace

std::vector<ScriptAction> ParseScript(std::istream& in) {
    std::vector<ScriptAction> actions;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        std::size_t start = 0;
        while (start < text.size() && IsBlank(text[start]))
            ++start;
        if (start == text.size() || text[start] == '#')
            continue;
        if (text[start] == ':')
            ParseDirective(text.substr(start), line, actions);
        else
            ParseKeys(text.substr(start), line, actions);
    }
    return actions;
}

} // namespace tarvo

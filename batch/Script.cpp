#include "Script.h"

#include "BatchSession.h"
#include "ScriptArguments.h"
#include "ScriptGrammar.h"

namespace tarvo {

namespace {

const SurfaceGrammar& GrammarOf(Surface surface) {
    switch (surface) {
    case Surface::Browser:
        return BrowserGrammar();
    case Surface::Statistics:
        return StatisticsGrammar();
    case Surface::HexTool:
        return HexToolGrammar();
    case Surface::Calculator:
        break;
    }
    return CalculatorGrammar();
}

// Directives that apply on every surface.
std::optional<Step> ParseCommonDirective(const std::string& name, const std::string& argument,
                                         Surface surface, int line) {
    if (name == "show") {
        ExpectNoArgument(argument, "show", line);
        return Step{[](BatchSession& s) { s.PrintState(); }, surface};
    }
    if (name == "answer") {
        static const std::map<std::string, bool> answers = {{"yes", true}, {"no", false}};
        const bool yes = ChoiceArgument(argument, "answer", "yes, no", answers, line);
        return Step{[yes](BatchSession& s) { s.Host().SetAnswer(yes); }, surface};
    }
    return std::nullopt;
}

Step ParseDirective(const std::string& text, Surface surface, int line) {
    std::size_t nameEnd = 1;
    while (nameEnd < text.size() && !IsBlank(text[nameEnd]))
        ++nameEnd;
    const std::string name = text.substr(1, nameEnd - 1);
    const std::string argument = text.substr(nameEnd);
    if (auto step = ParseCommonDirective(name, argument, surface, line))
        return *step;
    const auto& directives = GrammarOf(surface).directives;
    const auto directive = directives.find(name);
    if (directive == directives.end())
        throw ScriptError(line, "unknown directive ':" + name + "'");
    return directive->second(argument, line);
}

} // namespace

std::vector<ScriptAction> ParseScript(std::istream& in) {
    std::vector<ScriptAction> actions;
    Surface surface = Surface::Calculator;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        std::size_t start = 0;
        while (start < text.size() && IsBlank(text[start]))
            ++start;
        if (start == text.size() || text[start] == '#')
            continue;
        if (text[start] == ':') {
            Step step = ParseDirective(text.substr(start), surface, line);
            actions.push_back({line, std::move(step.run)});
            surface = step.next;
            continue;
        }
        for (const std::string& token : SplitWords(text.substr(start))) {
            std::optional<Step> step = GrammarOf(surface).key(token);
            if (!step)
                throw ScriptError(line, "unknown token '" + token + "'");
            actions.push_back({line, std::move(step->run)});
            surface = step->next;
        }
    }
    return actions;
}

} // namespace tarvo

// The Load Calc browser surface: its buttons and its calculation edit.
#include "BatchSession.h"
#include "ScriptArguments.h"
#include "ScriptGrammar.h"

namespace tarvo {

namespace {

using BrowserAction = void (LoadCalcBrowser::*)();
using BrowserEnd = BrowserResult (LoadCalcBrowser::*)();

std::optional<Step> ParseBrowserKey(const std::string& token) {
    static const std::map<std::string, BrowserAction> buttons = {
        {"Next", &LoadCalcBrowser::OnNext},
        {"Previous", &LoadCalcBrowser::OnPrevious},
        {"Delete", &LoadCalcBrowser::OnDelete},
    };
    static const std::map<std::string, BrowserEnd> endings = {
        {"Overwrite", &LoadCalcBrowser::OnOverwrite},
        {"Insert", &LoadCalcBrowser::OnInsert},
        {"OK", &LoadCalcBrowser::OnClose},
        {"Cancel", &LoadCalcBrowser::OnClose},
        {"Close", &LoadCalcBrowser::OnClose},
    };
    if (const auto button = buttons.find(token); button != buttons.end()) {
        const BrowserAction action = button->second;
        return Step{[action](BatchSession& s) { (s.Browser().Browser().*action)(); },
                    Surface::Browser};
    }
    if (const auto ending = endings.find(token); ending != endings.end()) {
        const BrowserEnd end = ending->second;
        return Step{[end](BatchSession& s) { s.CloseBrowser((s.Browser().Browser().*end)()); },
                    Surface::Calculator};
    }
    return std::nullopt;
}

Step ParseEditCalc(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return {[text](BatchSession& s) { s.Browser().EditCalc(text); }, Surface::Browser};
}

} // namespace

const SurfaceGrammar& BrowserGrammar() {
    static const SurfaceGrammar grammar{ParseBrowserKey, {{"edit-calc", ParseEditCalc}}};
    return grammar;
}

} // namespace tarvo

// The statistics tool surface: its keys, the result choices, the hand edit of the sample
// and the three ways to close it.
#include "BatchSession.h"
#include "ScriptArguments.h"
#include "ScriptGrammar.h"

namespace tarvo {

namespace {

std::optional<Step> ParseStatisticsKey(const std::string& token) {
    if (StatisticsSurface::IsKey(token))
        return Step{[token](BatchSession& s) { s.Statistics().Press(token); }, Surface::Statistics};
    if (StatisticsSurface::IsResultChoice(token))
        return Step{[token](BatchSession& s) { s.Statistics().ChooseResult(token); },
                    Surface::Statistics};
    return std::nullopt;
}

// ":edit-sample TEXT [@CARET]": a last word @N is the caret, the rest the text.
Step ParseEditSample(const std::string& argument, int line) {
    std::string text = TextArgument(argument, line);
    std::optional<int> caret;
    const auto at = text.rfind('@');
    if (at != std::string::npos && (at == 0 || IsBlank(text[at - 1])) &&
        text.find_first_not_of("0123456789", at + 1) == std::string::npos && at + 1 < text.size()) {
        caret = NumberArgument(text.substr(at + 1), "edit-sample", line);
        text.erase(at);
        while (!text.empty() && IsBlank(text.back()))
            text.pop_back();
    }
    return {[text, caret](BatchSession& s) { s.Statistics().EditSample(text, caret); },
            Surface::Statistics};
}

Step ParseClose(const std::string& argument, int line) {
    const ToolClosing how = ClosingArgument(argument, line);
    return {[how](BatchSession& s) { s.CloseStatistics(how); }, Surface::Calculator};
}

} // namespace

const SurfaceGrammar& StatisticsGrammar() {
    static const SurfaceGrammar grammar{ParseStatisticsKey,
                                        {{"edit-sample", ParseEditSample}, {"close", ParseClose}}};
    return grammar;
}

} // namespace tarvo

// The hexadecimal tool surface: its keys, the data types, typing into its three edits and
// the three ways to close it.
#include "BatchSession.h"
#include "ScriptArguments.h"
#include "ScriptGrammar.h"

namespace tarvo {

namespace {

std::optional<Step> ParseHexKey(const std::string& token) {
    if (HexToolSurface::IsKey(token))
        return Step{[token](BatchSession& s) { s.HexTool().Press(token); }, Surface::HexTool};
    if (HexToolSurface::IsDataType(token))
        return Step{[token](BatchSession& s) { s.HexTool().ChooseDataType(token); },
                    Surface::HexTool};
    return std::nullopt;
}

// ":type hex|decimal|display TEXT"
Step ParseType(const std::string& argument, int line) {
    static const std::map<std::string, HexToolSurface::Field> fields = {
        {"hex", HexToolSurface::Field::Hex},
        {"decimal", HexToolSurface::Field::Decimal},
        {"display", HexToolSurface::Field::Display}};
    const auto [word, rest] = FirstWord(argument);
    const auto field = fields.find(word);
    if (field == fields.end())
        throw ScriptError(line, "bad argument '" + word + "' for :type");
    const std::string text = TextArgument(rest, line);
    const HexToolSurface::Field which = field->second;
    return {[which, text](BatchSession& s) { s.HexTool().Type(which, text); }, Surface::HexTool};
}

Step ParseClose(const std::string& argument, int line) {
    const ToolClosing how = ClosingArgument(argument, line);
    return {[how](BatchSession& s) { s.CloseHexTool(how); }, Surface::Calculator};
}

} // namespace

const SurfaceGrammar& HexToolGrammar() {
    static const SurfaceGrammar grammar{ParseHexKey, {{"type", ParseType}, {"close", ParseClose}}};
    return grammar;
}

} // namespace tarvo

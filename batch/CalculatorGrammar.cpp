// The calculator surface: its keys, the Settings menu, the equation display, the clipboard,
// and the File commands.
#include "BatchSession.h"
#include "Keypad.h"
#include "ScriptArguments.h"
#include "ScriptGrammar.h"

namespace tarvo {

namespace {

using Run = std::function<void(BatchSession&)>;

Step Stay(Run run) {
    return {std::move(run), Surface::Calculator};
}

std::optional<Step> ParseKey(const std::string& token) {
    const CalculatorKey* key = FindKeyByToken(token);
    if (!key)
        return std::nullopt;
    return Stay([key](BatchSession& s) { key->press(s.View()); });
}

Step ParsePrecision(const std::string& argument, int line) {
    static const std::map<std::string, Precision> choices = {
        {"low", Precision::Low}, {"normal", Precision::Normal}, {"high", Precision::High}};
    const Precision precision =
        ChoiceArgument(argument, "precision", "low, normal, high", choices, line);
    return Stay([precision](BatchSession& s) {
        ChoosePrecision(s.CurrentLevel(), s.Settings(), precision);
    });
}

Step ParseKeySound(const std::string& argument, int line) {
    ExpectNoArgument(argument, "keysound", line);
    return Stay([](BatchSession& s) { ToggleKeySound(s.CurrentLevel(), s.Settings()); });
}

Step ParseRemember(const std::string& argument, int line) {
    ExpectNoArgument(argument, "remember", line);
    return Stay([](BatchSession& s) { ToggleSaveLast(s.CurrentLevel()); });
}

Step ParseClearUndo(const std::string& argument, int line) {
    ExpectNoArgument(argument, "clear-undo", line);
    return Stay([](BatchSession& s) { s.View().OnClearUndoMemory(); });
}

Step ParseClickLarge(const std::string& argument, int line) {
    const auto words = SplitWords(argument);
    if (words.empty() || words.size() > 2)
        throw ScriptError(line, ":click-large needs a position and an optional length");
    const int start = NumberArgument(words[0], "click-large", line);
    const int length = words.size() == 2 ? NumberArgument(words[1], "click-large", line) : 0;
    return Stay([start, length](BatchSession& s) { s.Host().ClickLarge(start, length); });
}

Step ParseType(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return Stay([text](BatchSession& s) {
        if (!s.Host().LargeHasFocus())
            throw std::runtime_error(":type needs the focus in the large display (:click-large)");
        s.Host().TypeIntoLarge(text);
    });
}

Step ParseEdit(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return Stay([text](BatchSession& s) { s.Host().ReplaceWholeLarge(text); });
}

Step ParseLeaveLarge(const std::string& argument, int line) {
    ExpectNoArgument(argument, "leave-large", line);
    return Stay([](BatchSession& s) { s.Host().LeaveLarge(); });
}

Step ParseClickSmall(const std::string& argument, int line) {
    ExpectNoArgument(argument, "click-small", line);
    return Stay([](BatchSession& s) { s.Host().ClickSmall(); });
}

Step ParsePaste(const std::string& argument, int line) {
    const std::string text = TextArgument(argument, line);
    return Stay([text](BatchSession& s) {
        s.Host().SetClipboard(text);
        s.View().OnEditPaste();
    });
}

Step ParseCopy(const std::string& argument, int line) {
    ExpectNoArgument(argument, "copy", line);
    return Stay([](BatchSession& s) {
        s.View().OnEditCopy();
        s.PrintClipboard();
    });
}

// ":save ID [FILE]": the ID is one word; FILE, when given, answers the file dialog.
Step ParseSave(const std::string& argument, int line) {
    const auto words = SplitWords(argument);
    if (words.empty() || words.size() > 2)
        throw ScriptError(line, ":save needs an ID and an optional file");
    std::optional<std::string> file;
    if (words.size() == 2)
        file = words[1];
    const std::string id = words[0];
    return Stay([id, file](BatchSession& s) { s.Save(SaveKind::Save, id, file); });
}

Step ParseSaveAs(const std::string& argument, int line) {
    const auto words = SplitWords(argument);
    if (words.size() != 2)
        throw ScriptError(line, ":save-as needs an ID and a file");
    return Stay([words](BatchSession& s) { s.Save(SaveKind::SaveAs, words[0], words[1]); });
}

Step ParseSaveCancel(const std::string& argument, int line) {
    ExpectNoArgument(argument, "save-cancel", line);
    return Stay([](BatchSession& s) { s.Save(SaveKind::Save, std::nullopt, std::nullopt); });
}

Step ParseLoad(const std::string& argument, int line) {
    const auto words = SplitWords(argument);
    if (words.size() != 1)
        throw ScriptError(line, ":load needs a file");
    const std::string file = words[0];
    return {[file](BatchSession& s) { s.OpenBrowser(file); }, Surface::Browser};
}

// ":tool hex|stats": Tools > Nixet or Statistics; the tool's tokens apply until it closes.
Step ParseTool(const std::string& argument, int line) {
    const std::string word = OneWord(argument, "tool", "hex, stats", line);
    if (word == "hex")
        return {[](BatchSession& s) { s.OpenHexTool(); }, Surface::HexTool};
    if (word == "stats")
        return {[](BatchSession& s) { s.OpenStatistics(); }, Surface::Statistics};
    throw ScriptError(line, "bad argument '" + word + "' for :tool");
}

} // namespace

const SurfaceGrammar& CalculatorGrammar() {
    static const SurfaceGrammar grammar{ParseKey,
                                        {
                                            {"precision", ParsePrecision},
                                            {"keysound", ParseKeySound},
                                            {"remember", ParseRemember},
                                            {"clear-undo", ParseClearUndo},
                                            {"click-large", ParseClickLarge},
                                            {"type", ParseType},
                                            {"leave-large", ParseLeaveLarge},
                                            {"click-small", ParseClickSmall},
                                            {"edit", ParseEdit},
                                            {"paste", ParsePaste},
                                            {"copy", ParseCopy},
                                            {"save", ParseSave},
                                            {"save-as", ParseSaveAs},
                                            {"save-cancel", ParseSaveCancel},
                                            {"load", ParseLoad},
                                            {"tool", ParseTool},
                                        }};
    return grammar;
}

} // namespace tarvo

// ReCalc: the equation text is recalculated by replaying it, character by character, through
// the keys a person would press. Undo, Redo and Load place a text and replay it the same way.
#include "CalculatorView.h"

#include <algorithm>
#include <cstring>

namespace tarvo {

namespace {

using Handler = void (CCalculatorView::*)();

struct FunctionTag {
    const char* tag;
    Handler handler;
};

// Compared in this order after the blanks inside the brackets are removed.
constexpr FunctionTag kFunctionTags[] = {
    {"[1/x]", &CCalculatorView::OnReciprocal},  {"[%]", &CCalculatorView::OnPercent},
    {"[sqrt]", &CCalculatorView::OnSquareRoot}, {"[y^x]", &CCalculatorView::OnPower},
    {"[x^2]", &CCalculatorView::OnSquare},      {"[e^x]", &CCalculatorView::OnExp},
    {"[log]", &CCalculatorView::OnLog},         {"[pi]", &CCalculatorView::OnPi},
    {"[y^1/x]", &CCalculatorView::OnRoot},      {"[ln]", &CCalculatorView::OnLn},
    {"[10^x]", &CCalculatorView::OnTenPower},   {"[sin]", &CCalculatorView::OnSin},
    {"[cos]", &CCalculatorView::OnCos},         {"[tan]", &CCalculatorView::OnTan},
    {"[asin]", &CCalculatorView::OnAsin},       {"[acos]", &CCalculatorView::OnAcos},
    {"[atan]", &CCalculatorView::OnAtan},       {"[n!]", &CCalculatorView::OnFactorial},
    {"[neg]", &CCalculatorView::OnChangeSign},  {"[error]", nullptr},
};

// Characters that belong to tags; outside a tag they are skipped.
bool IsTagLetter(char c) {
    return c != '\0' && std::strchr("%!^acgilnopqrstxy", c) != nullptr;
}

} // namespace

struct CCalculatorView::ReplayState {
    std::string tag;
    bool inTag = false;
    bool afterEquals = false;
    bool negativePending = false;
    bool applySign = false;
};

void CCalculatorView::ReCalc() {
    // A number being typed blocks the replay, but not the divisor of a failed division: the
    // message asks the user to correct it with ReCalc.
    if (!CurrentLevel().m_strEntry.empty() && !CurrentLevel().m_bDivideError)
        return;
    m_bRecalcRunning = true;
    CurrentLevel().ResetOperands();
    const SettingFlag keySound = CurrentLevel().m_shared.m_bKeySound;
    if (keySound.IsOn())
        m_host.Beep();
    CurrentLevel().m_shared.m_bKeySound = 0;
    if (m_bEditMode)
        m_host.FocusRecalcButton();
    m_bExponentEntry = false;
    m_bInsertPending = false;
    m_strInsertBuffer.clear();

    ReplayState state;
    m_replayedEquationLength.reset();
    m_shownBeforeReplay = std::move(m_strLargeDisplay);
    m_strLargeDisplay.clear();
    CurrentLevel().Reset();
    LoadPendingCalculation();
    m_nEquationCount = 0;
    m_nLastLineEnd = 0;
    const std::string source = m_strEquation;

    for (std::size_t i = 0; i < source.size(); ++i) {
        if (state.applySign) {
            OnChangeSign();
            state.negativePending = state.applySign = false;
        }
        ReplayCharacter(state, source, i);
    }
    FinishReplayedEquations();
    ShowReplayedText();

    m_bEquationEdited = false;
    m_bRecalcRunning = false;
    if (!m_bReplaying)
        TakeUndoSnapshot();
    CurrentLevel().m_shared.m_bKeySound = keySound;
}

// The display keeps what the old and the new text have in common at either end: an Undo
// removes the last equations, a Redo adds them, an unchanged text changes nothing.
void CCalculatorView::ShowReplayedText() {
    const std::string before = std::move(*m_shownBeforeReplay);
    m_shownBeforeReplay.reset();
    const std::size_t common = std::min(before.size(), m_strLargeDisplay.size());
    const std::size_t start =
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(common),
                      m_strLargeDisplay.begin())
            .first -
        before.begin();
    const std::size_t keptAtEnd =
        std::mismatch(before.rbegin(),
                      before.rbegin() + static_cast<std::ptrdiff_t>(common - start),
                      m_strLargeDisplay.rbegin())
            .first -
        before.rbegin();
    m_host.ShowLargeDisplay(m_strLargeDisplay, {start, keptAtEnd});
    ScrollLargeDisplay();
}

void CCalculatorView::LoadCalculation(LoadMode mode) {
    CurrentLevel().RequestLoad(mode);
    // The equation text never holds the number being typed (or a function result), and ReCalc
    // would refuse to run while there is one: the load would wait and replace the calculation
    // at some later RC. The number ends here, and the load happens now.
    CurrentLevel().ClearEntry();
    ReCalc();
}

void CCalculatorView::LoadPendingCalculation() {
    CCalcLevel& level = CurrentLevel();
    if (!level.m_bLoadPending)
        return;
    level.m_bLoadPending = false;
    if (level.m_nLoadMode == LoadMode::Insert)
        m_strEquation += m_settings.ReadSettingString(kSettingsSection, "LoadCalc", "");
    else
        m_strEquation = m_settings.ReadSettingString(kSettingsSection, "LoadCalc", m_strEquation);
}

// The equation text only grows during a replay, so the copies that each replayed "=" would
// take, of the text and into "Current Calc", are taken here once from the text it wrote.
// Without an "=" the setting keeps the text that was replayed.
void CCalculatorView::FinishReplayedEquations() {
    m_undo.ResolveDeferred(m_strLargeDisplay);
    if (m_replayedEquationLength)
        m_strEquation = m_strLargeDisplay.substr(0, *m_replayedEquationLength);
    m_settings.WriteSettingString(kSettingsSection, "Current Calc", m_strEquation);
}

void CCalculatorView::ReplayCharacter(ReplayState& state, const std::string& source,
                                      std::size_t i) {
    const char c = source[i];
    const bool digitKeyAllowed = !state.afterEquals;
    switch (c) {
    case '\n':
    case '\r':
    case ' ':
        return;
    case ';':
        state.afterEquals = state.negativePending = state.applySign = false;
        return;
    case '0':
    case '1':
    case '2':
        if (state.inTag) {
            state.tag += c;
            return;
        }
        [[fallthrough]];
    case '3':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        if (digitKeyAllowed) {
            OnDigit(c - '0');
            if (state.negativePending && c != '0')
                state.applySign = true;
        }
        return;
    case '.':
        if (digitKeyAllowed)
            OnDecimalPoint();
        return;
    case '(':
        OnOpenParen();
        return;
    case ')':
        OnCloseParen();
        return;
    case '*':
        OnMultiply();
        return;
    case '/':
        if (state.inTag)
            state.tag += c;
        else
            OnDivide();
        return;
    case '+':
        if (!state.afterEquals && !(i > 0 && source[i - 1] == 'e'))
            OnAdd();
        return;
    case '-':
        if (state.afterEquals)
            return;
        // "- " is a subtraction; any other "-" is the sign of the number or exponent that
        // follows, applied once its first non-zero digit is typed.
        if (i + 1 < source.size() && source[i + 1] == ' ')
            OnSubtract();
        else
            state.negativePending = true;
        return;
    case '=':
        OnEquals();
        state.afterEquals = true;
        return;
    case '[':
        state.tag += c;
        state.inTag = true;
        return;
    case ']':
        if (state.inTag)
            state.tag += c;
        state.inTag = false;
        RunTag(state.tag);
        state.tag.clear();
        return;
    case 'e':
        if (state.inTag)
            state.tag += c;
        else if (digitKeyAllowed)
            OnExponent();
        return;
    default:
        if (IsTagLetter(c)) {
            if (state.inTag)
                state.tag += c;
            return;
        }
        m_host.ShowMessage("Edit Error", "Error #101 - Unrecognizable Keyboard Input");
    }
}

void CCalculatorView::RunTag(std::string tag) {
    std::erase(tag, ' ');
    const auto match = std::ranges::find_if(
        kFunctionTags, [&](const FunctionTag& entry) { return tag == entry.tag; });
    if (match != std::end(kFunctionTags) && match->handler)
        (this->*match->handler)();
}

} // namespace tarvo

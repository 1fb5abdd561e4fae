// ReCalc: the equation text is recalculated by replaying it, character by character, through
// the keys a person would press. Undo, Redo and Load place a text and replay it the same way.
#include "CalculatorView.h"
#include "Keypad.h"
#include "RecalcTokenizer.h"

#include <algorithm>

namespace tarvo {

// What the replay remembers between steps: after "=" the result's digits are no keys, and a
// "-" sign waits for the first non-zero digit of its number, after which it is applied.
struct CCalculatorView::ReplayState {
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
    // One click for the whole replay, not one for every key it presses.
    const SettingFlag keySound = CurrentLevel().m_shared.m_bKeySound;
    if (keySound.IsOn())
        m_host.Beep();
    CurrentLevel().m_shared.m_bKeySound = 0;
    if (m_bEditMode)
        m_host.FocusRecalcButton();
    m_bExponentEntry = false;
    m_bInsertPending = false;
    m_strInsertBuffer.clear();
    ReplayEquation();
    m_bEquationEdited = false;
    m_bRecalcRunning = false;
    if (!m_bReplaying)
        TakeUndoSnapshot();
    CurrentLevel().m_shared.m_bKeySound = keySound;
}

void CCalculatorView::ReplayEquation() {
    m_replayedEquationLength.reset();
    m_shownBeforeReplay = std::move(m_strLargeDisplay);
    m_strLargeDisplay.clear();
    CurrentLevel().Reset();
    LoadPendingCalculation();
    m_nEquationCount = 0;
    m_nLastLineEnd = 0;
    const std::string source = m_strEquation;
    ReplayState state;
    for (RecalcTokenizer tokens(source); !tokens.AtEnd();) {
        if (state.applySign) {
            OnChangeSign();
            state.negativePending = state.applySign = false;
        }
        ReplayToken(state, tokens.Next());
    }
    FinishReplayedEquations();
    ShowReplayedText();
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

void CCalculatorView::ReplayToken(ReplayState& state, const RecalcToken& token) {
    switch (token.kind) {
    case RecalcTokenKind::Nothing:
        return;
    case RecalcTokenKind::Separator:
        state = {};
        return;
    case RecalcTokenKind::Digit:
    case RecalcTokenKind::Point:
    case RecalcTokenKind::Exponent:
    case RecalcTokenKind::Sign:
        if (!state.afterEquals)
            ReplayNumberKey(state, token);
        return;
    case RecalcTokenKind::Operator:
        ReplayOperator(state, token.character);
        return;
    case RecalcTokenKind::OpenParen:
        OnOpenParen();
        return;
    case RecalcTokenKind::CloseParen:
        OnCloseParen();
        return;
    case RecalcTokenKind::Equals:
        OnEquals();
        state.afterEquals = true;
        return;
    case RecalcTokenKind::Tag:
        if (const CalculatorKey* key = FindKeyByTag(token.tag))
            key->press(*this);
        return;
    case RecalcTokenKind::Unknown:
        m_host.ShowMessage("Edit Error", "Error #101 - Unrecognizable Keyboard Input");
    }
}

// The keys of a number; after "=" the characters belong to the result and press nothing.
void CCalculatorView::ReplayNumberKey(ReplayState& state, const RecalcToken& token) {
    switch (token.kind) {
    case RecalcTokenKind::Digit:
        OnDigit(token.character - '0');
        if (state.negativePending && token.character != '0')
            state.applySign = true;
        return;
    case RecalcTokenKind::Point:
        OnDecimalPoint();
        return;
    case RecalcTokenKind::Exponent:
        OnExponent();
        return;
    default:
        state.negativePending = true;
    }
}

// After "=" the result's own sign is no subtraction; products and quotients still continue.
void CCalculatorView::ReplayOperator(const ReplayState& state, char symbol) {
    switch (symbol) {
    case '*':
        OnMultiply();
        return;
    case '/':
        OnDivide();
        return;
    case '+':
        if (!state.afterEquals)
            OnAdd();
        return;
    default:
        if (!state.afterEquals)
            OnSubtract();
    }
}

} // namespace tarvo

// Keys that type a number: digits, point, E, +/-, backspace, CE, Clear, CTR and FE.
#include "CalculatorView.h"
#include "Keypad.h"

#include "NumberText.h"

#include <algorithm>

namespace tarvo {

namespace {

const char* const kErrorTitle = "Tarvo Error";
const char* const kWhiteSpace = " \t\r\n\v\f";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void TrimTrailingSpace(std::string& text) {
    const auto last = text.find_last_not_of(kWhiteSpace);
    text.erase(last == std::string::npos ? 0 : last + 1);
}
const char* const kNegativeSignError =
    "Error #102, Illegal negative sign placement - place after exponent";

// Removes the last number typed, or a function tag together with the number it followed.
void BackspaceLargeDisplay(std::string& text) {
    if (text.empty())
        return;
    if (text.back() == ']') {
        for (int removed = 0; !text.empty() && text.back() != '[' && removed < 6; ++removed)
            text.pop_back();
        for (int removed = 0; !text.empty() && removed < 2; ++removed)
            text.pop_back();
        while (!text.empty() && text.back() != ' ')
            text.pop_back();
    } else if (text.back() != ' ') {
        text.pop_back();
    } else if (text.size() >= 2 && text[text.size() - 2] == ']') {
        text.pop_back();
    }
}

} // namespace

void CCalculatorView::OnDigit(int digit) {
    EnterText(std::string(1, char('0' + digit)));
}

void CCalculatorView::OnDecimalPoint() {
    if (m_bExponentEntry) {
        m_host.ShowMessage(kErrorTitle, "Error #107 - Illegal input for Scientific Notation");
        return;
    }
    if (InsertIntoEditedEquation("."))
        return;
    if (m_bRecalcRunning) {
        EnterText(".");
        return;
    }
    const CCalcLevel& level = CurrentLevel();
    if (m_strSmallDisplay.empty()) {
        EnterText("0");
        EnterText(".");
    } else if (IsArithmetic(level.m_nCurrentOp) && level.m_strEntry.empty()) {
        EnterText("0.");
    } else if (m_strSmallDisplay.find('.') == std::string::npos) {
        EnterText(".");
    }
}

void CCalculatorView::OnExponent() {
    if (m_bInsertPending) {
        AppendToInsertion("e");
        return;
    }
    if (CurrentLevel().m_strEntry.empty())
        return;
    EnterText("e");
    m_bExponentEntry = true;
}

void CCalculatorView::OnChangeSign() {
    const CCalcLevel& level = CurrentLevel();
    const bool operandMissing =
        level.m_strEntry.empty() && !level.m_bLeftFromParen && !level.m_bRightFromParen;
    if (level.m_nPendingPower != PendingPower::None && operandMissing) {
        m_host.ShowMessage(kErrorTitle, kNegativeSignError);
        return;
    }
    if (m_bInsertPending) {
        InsertSignChange();
        return;
    }
    // Typed while the equation has the focus: at the caret, as after a click elsewhere.
    if (m_bEditMode) {
        if (SignChangeFits(m_host.LargeDisplayText(), m_host.LargeSelection().start))
            InsertAtCaret(TagSegment(kKeySign));
        return;
    }
    if (m_strSmallDisplay.empty())
        return;
    if (m_bExponentEntry && m_strSmallDisplay.find('e') != std::string::npos)
        ChangeExponentSign();
    else
        ChangeValueSign();
}

void CCalculatorView::InsertSignChange() {
    TrimTrailingSpace(m_strEquation);
    if (SignChangeFits(m_host.LargeDisplayText(), m_nCaretPos))
        AppendToInsertion(TagSegment(kKeySign));
    else
        m_bInsertPending = false;
}

// A sign change goes into the edited equation right behind a number (with no blank between),
// or at its very start; on a line end, past the text or before a [neg] it does nothing, and
// anywhere else it is refused with a message.
bool CCalculatorView::SignChangeFits(std::string text, int caretPos) {
    TrimTrailingSpace(text);
    const std::size_t caret = static_cast<std::size_t>(std::max(caretPos, 0));
    if (caret >= text.size())
        return false;
    if (caret == 0)
        return true;
    const auto next = text.find_first_not_of(kWhiteSpace, caret);
    const bool negAlreadyThere = next != std::string::npos && text.compare(next, 2, "[n") == 0;
    if (text[caret] == ';' || negAlreadyThere)
        return false;
    if (!IsDigit(text[caret - 1])) {
        m_host.ShowMessage("Edit Error", "Error - Illegal placement for change sign "
                                         "operator.\nChange sign should be placed behind "
                                         "the desired number.");
        return false;
    }
    return true;
}

void CCalculatorView::ChangeExponentSign() {
    const std::size_t e = m_strSmallDisplay.find('e');
    if (e + 1 == m_strSmallDisplay.size()) {
        m_host.ShowMessage(kErrorTitle, kNegativeSignError);
        return;
    }
    const double exponent = -NumericValue(std::string_view(m_strSmallDisplay).substr(e + 1));
    const std::string text =
        m_strSmallDisplay.substr(0, e + 1) + FormatInteger(TruncateToInt32(exponent));
    CCalcLevel& level = CurrentLevel();
    const double value = NumericValue(text);
    level.m_dFunctionValue = value;
    level.m_dLastResult = value;
    AppendToLargeDisplay(TagSegment(kKeySign));
    level.m_strEntry = text;
    SetSmallDisplay(text);
    ShowSmallDisplay();
    m_bExponentEntry = false;
}

// The negated value stays the operand in full; digits typed next still extend the entry.
void CCalculatorView::ChangeValueSign() {
    const double value = -1 * GetCurrentOperand();
    StoreOperandValue(value);
    FormatDisplayValue(value);
    AppendToLargeDisplay(TagSegment(kKeySign));
    CCalcLevel& level = CurrentLevel();
    level.m_strEntry = m_strSmallDisplay;
    level.m_bFunctionValue = true;
    ShowSmallDisplay();
}

void CCalculatorView::OnBackspace() {
    CCalcLevel& level = CurrentLevel();
    if (level.m_strEntry.empty() || m_bResultShown || RemoveSignChangedNumber())
        return;
    if (!m_strSmallDisplay.empty())
        SetSmallDisplay(m_strSmallDisplay.substr(0, m_strSmallDisplay.size() - 1));
    ShowSmallDisplay();
    level.m_strEntry = m_strSmallDisplay;
    BackspaceLargeDisplay(m_strLargeDisplay);
    ShowLargeDisplayFrom(m_strLargeDisplay.size());
    ScrollLargeDisplay();
}

// Right after +/- the number and its sign tags go together, so that both displays and the
// operand agree. A negated parenthesis value is a computed value, which backspace keeps.
bool CCalculatorView::RemoveSignChangedNumber() {
    std::string_view text = m_strLargeDisplay;
    if (!text.ends_with(TagSegment(kKeySign)))
        return false;
    CCalcLevel& level = CurrentLevel();
    if (level.m_bLeftFromParen || level.m_bRightFromParen)
        return true;
    while (text.ends_with(TagSegment(kKeySign)))
        text.remove_suffix(TagSegment(kKeySign).size());
    const auto blank = text.find_last_of(" \n");
    m_strLargeDisplay.resize(blank == std::string_view::npos ? 0 : blank + 1);
    SetSmallDisplay("");
    level.ClearEntry();
    level.m_dLastResult = 0;
    level.m_bFunctionValue = false;
    ShowSmallDisplay();
    ShowLargeDisplayFrom(m_strLargeDisplay.size());
    ScrollLargeDisplay();
    return true;
}

void CCalculatorView::OnClearEntry() {
    const auto keep = m_strLargeDisplay.find_last_not_of(m_strSmallDisplay);
    m_strLargeDisplay.erase(keep == std::string::npos ? 0 : keep + 1);
    ShowLargeDisplayFrom(m_strLargeDisplay.size());
    SetSmallDisplay("");
    CurrentLevel().ClearEntry();
    ShowSmallDisplay();
}

void CCalculatorView::OnClear() {
    m_nEquationCount = 0;
    m_nLastLineEnd = 0;
    DeleteOpenLevels();
    SetParenStatus();
    SetSmallDisplay("");
    CurrentLevel().Reset();
    ShowSmallDisplay();
    m_strLargeDisplay.clear();
    ShowLargeDisplayFrom(0);
    m_bInsertPending = false;
    m_strInsertBuffer.clear();
    m_strEquation.clear();
    m_nMathError = MATH_OK;
    m_bExponentEntry = false;
}

void CCalculatorView::OnClearToResult() {
    m_strLargeDisplay = m_strSmallDisplay + " ";
    ShowLargeDisplayFrom(0);
    ScrollLargeDisplay();
}

void CCalculatorView::OnScientificNotation() {
    const double value = GetCurrentOperand();
    if (m_strSmallDisplay.find('e') == std::string::npos)
        SetSmallDisplay(FormatScientific(value));
    else
        FormatDisplayValue(value);
    StoreOperandValue(value);
    CCalcLevel& level = CurrentLevel();
    level.m_strEntry = m_strSmallDisplay;
    ShowSmallDisplay();
    level.m_bFunctionValue = true;
    m_bResultShown = true;
}

} // namespace tarvo

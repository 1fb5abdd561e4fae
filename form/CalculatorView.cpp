#include "CalculatorView.h"

#include "MathError.h"
#include "NumberText.h"

#include <cstring>

namespace tarvo {

namespace {

// Whether the last occurrence of c in text stands at its second-to-last position, with the
// position of a missing character counted as -1. Looks at the end of the text only.
bool LastOccurrenceIsSecondToLast(const std::string& text, char c) {
    const std::size_t n = text.size();
    if (n == 1)
        return text[0] != c;
    return n >= 2 && text[n - 2] == c && text[n - 1] != c;
}

} // namespace

CCalculatorView::CCalculatorView(CCalculatorDoc& doc, ICalculatorHost& host,
                                 ISettingsStore& settings)
    : m_doc(doc), m_host(host), m_settings(settings) {}

CCalculatorView::~CCalculatorView() {
    DeleteOpenLevels();
}

void CCalculatorView::EnterText(const std::string& text) {
    m_bPastePending = false;
    CCalcLevel& level = CurrentLevel();
    level.m_bFunctionValue = false;
    level.m_dLastResult = 0;
    const char* separator = "";
    if (m_bResultShown) {
        level.ClearEntry();
        m_bResultShown = false;
        const bool afterTag = LastOccurrenceIsSecondToLast(m_strLargeDisplay, ']');
        const bool afterSeparator = LastOccurrenceIsSecondToLast(m_strLargeDisplay, ';');
        if (!m_strLargeDisplay.empty() && (afterTag || !afterSeparator)) {
            separator = "; ";
            level.Reset();
        }
    }
    if (InsertIntoEditedEquation(text, separator))
        return;
    m_strLargeDisplay += separator;
    level.m_strEntry += text;
    // Typing appends to the small display rather than copying the whole entry again, so that
    // a number of any length is typed, or replayed, in linear time.
    if (m_bSmallDisplayIsEntry && m_strSmallDisplay.size() + text.size() == level.m_strEntry.size())
        m_strSmallDisplay += text;
    else
        m_strSmallDisplay = level.m_strEntry;
    m_bSmallDisplayIsEntry = true;
    ShowSmallDisplay();
    const std::size_t shown = m_strLargeDisplay.size() - std::strlen(separator);
    m_strLargeDisplay += text;
    ShowLargeDisplayFrom(shown);
    ScrollLargeDisplay();
}

double CCalculatorView::GetCurrentOperand() {
    const CCalcLevel& level = CurrentLevel();
    if (level.m_bFunctionValue)
        return level.m_dFunctionValue;
    if (level.m_bLeftFromParen)
        return level.m_dLeft;
    if (level.m_bRightFromParen)
        return level.m_dRight;
    return level.GetValue(m_strSmallDisplay);
}

std::optional<double> CCalculatorView::GetFunctionArgument(const std::string& tag) {
    if (InsertIntoEditedEquation(tag))
        return std::nullopt;
    return GetDisplayedOperand();
}

std::optional<double> CCalculatorView::GetDisplayedOperand() {
    if (m_strSmallDisplay.empty())
        return std::nullopt;
    return GetCurrentOperand();
}

// A power takes its operands out of the level: the power's value, not the parenthesis
// value, is what the next operator continues with.
double CCalculatorView::TakeOperand() {
    const double value = GetCurrentOperand();
    CCalcLevel& level = CurrentLevel();
    level.ReleaseParenthesisValue();
    level.m_bFunctionValue = false;
    return value;
}

// A value computed by a key replaces the operand that a closing parenthesis delivered.
void CCalculatorView::StoreOperandValue(double value) {
    CCalcLevel& level = CurrentLevel();
    if (level.m_bLeftFromParen) {
        level.m_dLeft = value;
        level.m_dRight = 0;
        level.m_nRightState = OperandState::Empty;
    } else if (level.m_bRightFromParen) {
        level.m_dRight = value;
    }
    level.m_dFunctionValue = value;
    level.m_dLastResult = value;
}

void CCalculatorView::ShowFunctionResult(const std::string& tag, double value) {
    if (!CheckMathError())
        return;
    StoreOperandValue(value);
    CCalcLevel& level = CurrentLevel();
    FormatDisplayValue(value);
    level.m_strEntry = m_strSmallDisplay;
    ShowSmallDisplay();
    AppendToLargeDisplay(tag);
    level.m_bFunctionValue = true;
    m_bResultShown = true;
}

void CCalculatorView::ScrollLargeDisplay() {
    if (CurrentLevel().m_shared.m_bKeySound.IsOn())
        m_host.Beep();
    const long long lineLength = static_cast<long long>(m_strLargeDisplay.size()) - m_nLastLineEnd;
    const int characters = lineLength > 48 ? static_cast<int>(lineLength - 48) : 0;
    const int lines = m_nEquationCount > 6 ? m_nEquationCount + 1 : 0;
    if (characters != 0 || lines != 0)
        m_host.ScrollLargeDisplay(characters, lines);
    // After "=" the line just completed ends the text: its result stays in view however long
    // the line.
    if (m_nLastLineEnd > 0 &&
        m_strLargeDisplay.size() == static_cast<std::size_t>(m_nLastLineEnd) + 2)
        m_host.RevealLargeDisplayPosition(m_nLastLineEnd);
}

void CCalculatorView::FormatDisplayValue(double value) {
    SetSmallDisplay(CurrentLevel().FormatDisplayValue(value));
}

bool CCalculatorView::CheckMathError() {
    if (m_nMathError == MATH_OK)
        return true;
    m_host.ShowMessage("Calculator Error", MathErrorText(m_nMathError));
    m_nMathError = MATH_OK;
    return false;
}

void CCalculatorView::SetSmallDisplay(std::string text) {
    m_strSmallDisplay = std::move(text);
    m_bSmallDisplayIsEntry = false;
}

void CCalculatorView::ShowSmallDisplay() {
    m_host.ShowSmallDisplay(m_strSmallDisplay);
}

void CCalculatorView::AppendToLargeDisplay(const std::string& text) {
    const std::size_t shown = m_strLargeDisplay.size();
    m_strLargeDisplay += text;
    ShowLargeDisplayFrom(shown);
    ScrollLargeDisplay();
}

void CCalculatorView::ShowLargeDisplayFrom(std::size_t unchanged) {
    if (m_shownBeforeReplay)
        return;
    m_host.ShowLargeDisplay(m_strLargeDisplay, {unchanged, 0});
}

void CCalculatorView::SetParenStatus() {
    m_strParenStatus.clear();
    if (const int open = m_doc.Levels().OpenCount(); open > 0)
        m_strParenStatus = "Open Parentheses = " + FormatInteger(open);
    m_host.ShowParenStatus(m_strParenStatus);
}

void CCalculatorView::OpenLevel() {
    m_bSmallDisplayIsEntry = false;
    m_doc.Levels().Open();
}

std::optional<std::string> CCalculatorView::CloseLevel() {
    m_bSmallDisplayIsEntry = false;
    return m_doc.Levels().Close();
}

void CCalculatorView::DeleteOpenLevels() {
    m_bSmallDisplayIsEntry = false;
    m_doc.Levels().CloseAll();
}

std::string CCalculatorView::AngleCaption() const {
    static const char* const plain[] = {"deg", "rad", "grad"};
    static const char* const withKey[] = {"&deg", "ra&d", "gra&d"};
    return (m_bPlainCaptions ? plain : withKey)[static_cast<int>(m_nAngleMode)];
}

} // namespace tarvo

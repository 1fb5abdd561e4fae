// The keys that write the sample text: digits and the point, the sign, CE, backspace and CLR,
// at the end of the text, or at the caret the sample display was left with (insert mode).
#include "StatisticsTool.h"

#include <algorithm>

namespace tarvo {

namespace {

// The display shows about this many characters; a longer text is scrolled to show its end.
constexpr std::size_t kVisibleCharacters = 48;

} // namespace

void StatisticsTool::OnDigit(int digit) {
    AddKeyText(std::string(1, static_cast<char>('0' + digit)));
}

void StatisticsTool::OnDecimalPoint() {
    AddKeyText(".");
}

void StatisticsTool::AddKeyText(const std::string& text) {
    if (m_bInsertMode) {
        InsertKeyText(text);
        return;
    }
    m_strSample += text;
    m_strNumber += text;
    ShowSample(true);
}

// Each key replaces the insertion so far with the longer one, so that the keys typed since
// the display was left stand together where its caret was. Typed at the very end of the
// text, they are the number being typed, which Enter closes with its comma.
void StatisticsTool::InsertKeyText(const std::string& text) {
    m_strInsert += text;
    const auto start = static_cast<std::size_t>(m_insertion.start);
    m_strSample.replace(start, static_cast<std::size_t>(m_insertion.end - m_insertion.start),
                        m_strInsert);
    m_insertion.end = m_insertion.start + static_cast<int>(m_strInsert.size());
    const bool atEnd = static_cast<std::size_t>(m_insertion.end) == m_strSample.size();
    m_strNumber = atEnd ? m_strInsert : std::string();
    ShowSample(true);
}

void StatisticsTool::OnChangeSign() {
    if (m_bInsertMode)
        ChangeSignAtCaret();
    else if (m_bPositive)
        MakeNumberNegative();
    else
        RemoveLastMinus();
}

// Only a "-" standing at the caret is taken away; any other character there is part of a
// number and stays.
void StatisticsTool::ChangeSignAtCaret() {
    m_nCaret = std::min(m_nCaret, static_cast<int>(m_strSample.size()));
    const auto caret = static_cast<std::size_t>(m_nCaret);
    if (caret < m_strSample.size() && m_strSample[caret] == '-') {
        m_strSample.erase(caret, 1);
        ShiftInsertion(m_nCaret, -1);
        m_bPositive = true;
    } else {
        m_strSample.insert(caret, 1, '-');
        ShiftInsertion(m_nCaret, 1);
        m_bPositive = false;
    }
    ShowSample(false);
}

// The sign goes before the number being typed when that number starts an entry; otherwise
// it is typed like a digit.
void StatisticsTool::MakeNumberNegative() {
    const std::size_t start = m_strSample.size() - std::min(m_strNumber.size(), m_strSample.size());
    if (start < 2 || m_strSample[start - 2] == ',') {
        m_strSample.insert(start, 1, '-');
        ShowSample(false);
    } else {
        AddKeyText("-");
    }
    m_bPositive = false;
}

// A "-" typed like a digit is part of the number being typed, and leaves it with the sample's.
void StatisticsTool::RemoveLastMinus() {
    if (const auto minus = m_strSample.rfind('-'); minus != std::string::npos)
        m_strSample.erase(minus, 1);
    if (const auto minus = m_strNumber.rfind('-'); minus != std::string::npos)
        m_strNumber.erase(minus, 1);
    ShowSample(true);
    m_bPositive = true;
}

void StatisticsTool::OnClearEntry() {
    const auto blank = m_strSample.rfind(' ');
    m_strSample.erase(blank == std::string::npos ? 0 : blank);
    m_strSample += ' ';
    ShowSample(true);
    m_strNumber.clear();
    m_bPositive = true;
}

void StatisticsTool::OnBackspace() {
    if (!m_strSample.empty())
        m_strSample.pop_back();
    if (!m_strNumber.empty())
        m_strNumber.pop_back();
    ShowSample(true);
    m_bPositive = true;
}

// The stored results and the transfer value stay: a Transfer after CLR hands over the
// results of the last recomputation.
void StatisticsTool::OnClear() {
    m_adSample.fill(0.0);
    m_nLastIndex = 0;
    m_strNumber.clear();
    m_strInsert.clear();
    m_bInsertMode = false;
    m_bPositive = true;
    m_strSample.clear();
    ShowSample(true);
    m_strCount.clear();
    m_host.ShowCount(m_strCount);
    for (const ResultChoice choice : kResultChoices)
        ShowResult(choice, {});
    m_settings.WriteSettingString(kSettingsSection, "Sumra1", m_strSample);
}

void StatisticsTool::OnSampleDisplayChange() {
    m_strSample = m_host.SampleText();
    FitInsertion();
}

void StatisticsTool::OnSampleDisplayKillFocus() {
    m_insertion = m_host.SampleSelection();
    m_nCaret = m_insertion.start;
    m_strInsert.clear();
    m_bInsertMode = true;
}

// A sign inserted or removed at position moves the insertion behind it.
void StatisticsTool::ShiftInsertion(int position, int delta) {
    for (int* edge : {&m_insertion.start, &m_insertion.end})
        if (*edge > position || (delta > 0 && *edge == position))
            *edge += delta;
}

// Keys that shorten the text at its end may cut into the insertion: what is left of it is
// what the next key lengthens.
void StatisticsTool::FitInsertion() {
    const int length = static_cast<int>(m_strSample.size());
    m_insertion.start = std::min(m_insertion.start, length);
    m_insertion.end = std::min(m_insertion.end, length);
    if (!m_strInsert.empty())
        m_strInsert.resize(static_cast<std::size_t>(m_insertion.end - m_insertion.start));
}

// A rewrite resets the display's selection; in insert mode the insertion stays selected, so
// that it stays in view and the user sees what the next key extends.
void StatisticsTool::ShowSample(bool scroll) {
    m_host.ShowSample(m_strSample);
    if (scroll && m_strSample.size() > kVisibleCharacters)
        m_host.ScrollSample(static_cast<int>(m_strSample.size() - kVisibleCharacters));
    if (m_bInsertMode) {
        FitInsertion();
        m_host.SetSampleSelection(m_insertion);
    }
}

} // namespace tarvo

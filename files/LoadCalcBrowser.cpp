#include "LoadCalcBrowser.h"

#include "CalcFileRewrite.h"

#include <algorithm>

namespace tarvo {

namespace {

const char* const kLoadError = "Load Error";
constexpr auto npos = std::string::npos;

} // namespace

LoadCalcBrowser::LoadCalcBrowser(ISettingsStore& settings, ILoadCalcHost& host)
    : m_settings(settings), m_host(host) {}

void LoadCalcBrowser::Open() {
    m_strPath = m_settings.ReadSettingString(kSettingsSection, "Path", "");
    LoadFile();
}

void LoadCalcBrowser::LoadError(const std::string& text) {
    m_host.ShowMessage(kLoadError, text);
}

void LoadCalcBrowser::ShowCount(BrowserField field, std::int64_t count) {
    m_host.ShowField(field, std::to_string(count));
}

void LoadCalcBrowser::LoadFile() {
    m_nCurrentItem = 1;
    m_nFirstRecordEnd = m_nRecordEnd = 0;
    if (!(m_version.size >= 0 && CurrentVersion(m_strPath) == m_version) && !ReadFile())
        return;
    const auto firstEnd = m_pBuffer.find('\n');
    m_nFirstRecordEnd = firstEnd == npos ? 0 : static_cast<std::uint32_t>(firstEnd);
    ShowCount(BrowserField::ItemCount, m_nItemCount);
    ParseRecord(0);
    ShowCount(BrowserField::CurrentItem, m_nCurrentItem);
}

// Reads the file into the buffer and counts its records; false, after saying why, when it
// cannot be read.
bool LoadCalcBrowser::ReadFile() {
    FileResult read = ReadCalcFile(m_strPath, std::move(m_pBuffer));
    m_pBuffer = std::move(read.bytes);
    if (read.status == FileStatus::Done) {
        m_version = read.version;
        m_nFileLength = static_cast<std::uint32_t>(m_pBuffer.size());
        m_nItemCount = std::count(m_pBuffer.begin(), m_pBuffer.end(), '\n');
        return true;
    }
    if (read.status == FileStatus::TooLarge)
        LoadError("Error #108 - Not enough memory available!  File may be too large.");
    else // nothing can be browsed: the browser stays empty rather than read what it cannot
        LoadError("Error - The calculation file \"" + m_strPath +
                  "\" cannot be opened: " + read.reason);
    // The buffer is kept only when a file too large was refused unread.
    if (m_pBuffer.size() != m_nFileLength || read.status == FileStatus::Failed)
        Forget();
    return false;
}

// No file is shown any more: every display is emptied.
void LoadCalcBrowser::Forget() {
    std::string().swap(m_pBuffer);
    m_version = {};
    m_nFileLength = 0;
    m_nItemCount = 0;
    m_nRecordStart = m_nRecordLength = 0;
    for (const BrowserField field : {BrowserField::CalcId, BrowserField::Time, BrowserField::Calc,
                                     BrowserField::ItemCount, BrowserField::CurrentItem})
        m_host.ShowField(field, "");
}

void LoadCalcBrowser::ParseRecord(std::uint32_t start) {
    m_nRecordStart = start;
    const auto end = start < m_pBuffer.size() ? m_pBuffer.find('\n', start) : npos;
    if (end == npos) {
        LoadError("Error #109 - Parsing Error. No line termination character found");
        return;
    }
    m_strLine = m_pBuffer.substr(start, end - start + 1);
    m_nRecordLength = static_cast<std::uint32_t>(m_strLine.size());
    m_nRecordEnd = static_cast<std::uint32_t>(end);
    const std::size_t last = m_strLine.size() - 1;
    std::size_t second = npos;
    ParseCalcId(second);
    const std::size_t brace = ParseTime(second, last);
    if (ParseCalc(brace, last))
        ShowCount(BrowserField::CurrentItem, m_nCurrentItem);
}

// Sets `second` to the index of the quotation mark that ends the ID, npos when there is none.
void LoadCalcBrowser::ParseCalcId(std::size_t& second) {
    const std::size_t first = m_strLine.find('"');
    if (first == npos)
        LoadError("Error #109 - Parsing Error. No preceding quotation marks found for "
                  "Calculation ID");
    second = m_strLine.find('"', first == npos ? 0 : first + 1);
    if (second == npos)
        LoadError("Error #109 - Parsing Error. No following quotation marks found for "
                  "Calculation ID");
    m_strCalcId.clear();
    if (first != npos && second != npos) {
        m_strCalcId = m_strLine.substr(first + 1, second - first - 1);
        m_host.ShowField(BrowserField::CalcId, m_strCalcId);
    }
}

// Returns the index of the "{" that starts the calculation, `last` when there is none.
std::size_t LoadCalcBrowser::ParseTime(std::size_t second, std::size_t last) {
    const std::size_t from = second == npos ? 0 : second + 1;
    const std::size_t brace = m_strLine.find('{', from);
    const std::size_t to = brace == npos || brace > last ? last : brace;
    m_strTime = m_strLine.substr(from, to > from ? to - from : 0);
    if (brace == npos || brace >= last) {
        LoadError("Error #109 - Parsing Error. No delimiter found for Calculation Time");
        return last;
    }
    m_host.ShowField(BrowserField::Time, m_strTime);
    return brace;
}

bool LoadCalcBrowser::ParseCalc(std::size_t brace, std::size_t last) {
    const std::size_t from = brace + 1;
    const std::size_t close = from < last ? m_strLine.find('}', from) : npos;
    const std::size_t to = close == npos || close > last ? last : close;
    m_strCalc = m_strLine.substr(std::min(from, last), to > from ? to - from : 0);
    if (close == npos || close >= last) {
        LoadError("Error #109 - Parsing Error. No delimiter found for Calculation");
        return false;
    }
    m_host.ShowField(BrowserField::Calc, m_strCalc);
    return true;
}

void LoadCalcBrowser::OnNext() {
    if (static_cast<std::uint64_t>(m_nRecordEnd) + 1 < m_nFileLength) {
        ++m_nCurrentItem;
        ParseRecord(m_nRecordEnd + 1);
    }
}

void LoadCalcBrowser::OnPrevious() {
    if (m_nRecordEnd == m_nFirstRecordEnd) {
        LoadFile();
        return;
    }
    // The line feed met first ends the previous record, the second the record before it.
    int met = 0;
    std::uint32_t offset = m_nRecordEnd;
    while (offset > 1 && met < 2) {
        --offset;
        if (m_pBuffer[offset] == '\n')
            ++met;
    }
    if (met < 2) {
        LoadFile();
        return;
    }
    m_nRecordEnd = offset;
    OnNext();
    m_nCurrentItem -= 2;
    ShowCount(BrowserField::CurrentItem, m_nCurrentItem);
}

BrowserResult LoadCalcBrowser::OnOverwrite() {
    return Load(BrowserResult::Overwrite);
}

BrowserResult LoadCalcBrowser::OnInsert() {
    m_bInsert = true;
    return Load(BrowserResult::Insert);
}

// The calculation as read from the file, not as the user may have changed it in the edit.
BrowserResult LoadCalcBrowser::Load(BrowserResult how) {
    m_settings.WriteSettingString(kSettingsSection, "LoadCalc", m_strCalc);
    OnClose();
    return how;
}

BrowserResult LoadCalcBrowser::OnClose() {
    std::string().swap(m_pBuffer);
    m_version = {};
    return BrowserResult::Closed;
}

// The line that the current item names, from its first byte through its line feed (a last
// line without one: to the end of the file), whether or not it parsed as a record; false in
// an empty file.
bool LoadCalcBrowser::LineRange(std::uint32_t& start, std::uint32_t& length) const {
    start = m_nCurrentItem == 1 ? 0 : m_nRecordStart;
    if (start >= m_pBuffer.size())
        return false;
    const auto end = m_pBuffer.find('\n', start);
    length = static_cast<std::uint32_t>((end == npos ? m_pBuffer.size() : end + 1) - start);
    return true;
}

void LoadCalcBrowser::OnDelete() {
    const MessageAnswer answer = m_host.ShowMessage(
        "Warning", "Are you sure you want to delete this calculation?", MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    if (LineRange(start, length))
        DeleteLine(start, length);
    m_strPath = m_settings.ReadSettingString(kSettingsSection, "Path", "");
    LoadFile();
}

// The file is rewritten without the line, only while it still holds what the buffer holds.
// The buffer then loses the line too, so that the file need not be read again.
void LoadCalcBrowser::DeleteLine(std::uint32_t start, std::uint32_t length) {
    const std::string_view content(m_pBuffer);
    CalcFileRewrite rewrite(m_strPath, content);
    rewrite.Write(content.substr(0, start));
    rewrite.Write(content.substr(start + length));
    const FileResult result = rewrite.Commit();
    switch (result.status) {
    case FileStatus::Done:
        m_nItemCount -= m_pBuffer[start + length - 1] == '\n';
        m_pBuffer.erase(start, length);
        m_nFileLength = static_cast<std::uint32_t>(m_pBuffer.size());
        m_version = result.version;
        break;
    case FileStatus::Changed:
        LoadError("Error - The calculation file was changed by another program. Nothing "
                  "was deleted; the file is read again.");
        m_version = {};
        break;
    default:
        LoadError("Error - The calculation file \"" + m_strPath +
                  "\" cannot be rewritten: " + result.reason + ". Nothing was deleted.");
        break;
    }
}

} // namespace tarvo

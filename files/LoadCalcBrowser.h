// The Load Calc browser: the calculation file read whole, one record shown at a time, with
// Next and Previous, Overwrite and Insert to load the record shown, and Delete.
#pragma once

#include "CalcFile.h"
#include "MessageBox.h"
#include "SettingsStore.h"

#include <cstdint>
#include <string>

namespace tarvo {

// The browser's displays, each a text.
enum class BrowserField { CalcId, Time, Calc, ItemCount, CurrentItem };

class ILoadCalcHost : public IMessageBox {
public:
    virtual void ShowField(BrowserField field, const std::string& text) = 0;
};

// How the browser ended: only Overwrite and Insert load a calculation.
enum class BrowserResult { Closed, Overwrite, Insert };

class LoadCalcBrowser {
public:
    LoadCalcBrowser(ISettingsStore& settings, ILoadCalcHost& host);

    // Reads the file named by "Path" and shows its first record.
    void Open();
    void OnNext();
    void OnPrevious();
    void OnDelete();
    BrowserResult OnOverwrite();
    BrowserResult OnInsert();
    // OK, Cancel, Escape and the close box all close without loading.
    BrowserResult OnClose();

    // The reader: LoadFile shows the file's first record, reading the file afresh unless the
    // buffer still holds it as it is now; ParseRecord shows the record at `start`.
    void LoadFile();
    void ParseRecord(std::uint32_t start);

    std::string m_strPath;
    std::string m_pBuffer; // the whole file content
    std::uint32_t m_nFileLength = 0;
    std::int64_t m_nItemCount = 0; // a 4 GiB file may hold more than 2^31 line feeds
    std::int64_t m_nCurrentItem = 1;
    std::uint32_t m_nRecordStart = 0;
    std::uint32_t m_nRecordLength = 0;
    std::uint32_t m_nRecordEnd = 0;
    std::uint32_t m_nFirstRecordEnd = 0;
    std::string m_strLine;
    std::string m_strCalcId;
    std::string m_strTime;
    std::string m_strCalc;
    bool m_bInsert = false;

private:
    bool ReadFile();
    void Forget();
    void LoadError(const std::string& text);
    void ShowCount(BrowserField field, std::int64_t count);
    void ParseCalcId(std::size_t& second);
    std::size_t ParseTime(std::size_t second, std::size_t last);
    bool ParseCalc(std::size_t brace, std::size_t last);
    BrowserResult Load(BrowserResult how);
    bool LineRange(std::uint32_t& start, std::uint32_t& length) const;
    void DeleteLine(std::uint32_t start, std::uint32_t length);

    ISettingsStore& m_settings;
    ILoadCalcHost& m_host;
    FileVersion m_version; // of the file that m_pBuffer holds
};

} // namespace tarvo

// What the Load Calc browser tests share: the browser on a real settings store and file, the
// five displays read back as one value, and the messages the browser gives.
#pragma once

#include "FileTestSupport.h"

#include <ostream>
#include <string>
#include <vector>

namespace tarvo::test {

inline const std::string kLoadError = "Load Error | Error #109 - Parsing Error. ";
inline const std::string kNoLineEnd = kLoadError + "No line termination character found";
inline const std::string kNoFirstQuote =
    kLoadError + "No preceding quotation marks found for Calculation ID";
inline const std::string kNoSecondQuote =
    kLoadError + "No following quotation marks found for Calculation ID";
inline const std::string kNoTimeEnd = kLoadError + "No delimiter found for Calculation Time";
inline const std::string kNoCalcEnd = kLoadError + "No delimiter found for Calculation";
inline const std::string kTooLarge =
    "Load Error | Error #108 - Not enough memory available!  File may be too large.";
inline const std::string kQuestion = "Warning | Are you sure you want to delete this calculation?";

using Messages = std::vector<std::string>;

// The five displays, in the order of BrowserField.
struct Displays {
    std::string calcId, time, calc, count, item;
};

inline void PrintTo(const Displays& d, std::ostream* out) {
    *out << "{" << d.calcId << "|" << d.time << "|" << d.calc << "|" << d.count << "|" << d.item
         << "}";
}

inline bool operator==(const Displays& a, const Displays& b) {
    return a.calcId == b.calcId && a.time == b.time && a.calc == b.calc && a.count == b.count &&
           a.item == b.item;
}

class BrowserTest : public FileTest {
protected:
    BrowserTest() { m_settings.WriteSettingString("Settings", "Path", m_path); }

    void WriteFile(const std::string& bytes) { WriteBytes(m_path, bytes); }
    std::string FileNow() const { return ReadBytes(m_path); }
    Displays Shown() const {
        return {m_host.Field(BrowserField::CalcId), m_host.Field(BrowserField::Time),
                m_host.Field(BrowserField::Calc), m_host.Field(BrowserField::ItemCount),
                m_host.Field(BrowserField::CurrentItem)};
    }
    void OpenWith(const std::string& bytes) {
        WriteFile(bytes);
        m_browser.Open();
    }
    // N Next, P Previous.
    void Press(const std::string& keys) {
        for (const char key : keys)
            key == 'N' ? m_browser.OnNext() : m_browser.OnPrevious();
    }

    const std::string m_path = PathOf("calcs.txt");
    RecordingBrowserHost m_host;
    LoadCalcBrowser m_browser{m_settings, m_host};
};

// Three records, as Delete and the file's safety tests use them.
inline const std::string kA = Record("A", "1 + 1 = 2; ");
inline const std::string kB = Record("B", "2 [sin]  = 0.0348995; ");
inline const std::string kC = Record("C", "");

} // namespace tarvo::test

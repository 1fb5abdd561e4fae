// The calculator document: it owns the calculation levels for the program's whole life. Its
// title heads the window's caption.
#pragma once

#include "CalcLevelStack.h"

#include <string>

namespace tarvo {

class CCalculatorDoc {
public:
    explicit CCalculatorDoc(IMessageBox& messages) : m_levels(messages) {}
    CCalculatorDoc(const CCalculatorDoc&) = delete;
    CCalculatorDoc& operator=(const CCalculatorDoc&) = delete;

    CCalcLevelStack& Levels() { return m_levels; }
    CCalcLevel& BaseLevel() { return m_levels.Base(); }

    // The new-document step of a start without a file.
    void OnNewDocument() { m_strTitle = "Drelkin Software"; }
    // A file named at start becomes the document: nothing is read from it, its name is the
    // title. False, with the reason, when it is no regular file or cannot be opened for
    // reading.
    bool OnOpenDocument(const std::string& path, std::string& reason);
    const std::string& GetTitle() const { return m_strTitle; }

private:
    CCalcLevelStack m_levels;
    std::string m_strTitle;
};

} // namespace tarvo

// The calculator document: it owns the base calculation level for the program's whole life
// and knows the level that receives input now. Its title heads the window's caption.
#pragma once

#include "CalcLevel.h"

#include <string>

namespace tarvo {

class CCalculatorDoc {
public:
    explicit CCalculatorDoc(IMessageBox& messages)
        : m_baseLevel(messages), m_pCurrentLevel(&m_baseLevel) {}
    CCalculatorDoc(const CCalculatorDoc&) = delete;
    CCalculatorDoc& operator=(const CCalculatorDoc&) = delete;

    CCalcLevel& BaseLevel() { return m_baseLevel; }

    // The new-document step of a start without a file.
    void OnNewDocument() { m_strTitle = "Drelkin Software"; }
    // A file named at start becomes the document: nothing is read from it, its name is the
    // title. False, with the reason, when it is no regular file or cannot be opened for
    // reading.
    bool OnOpenDocument(const std::string& path, std::string& reason);
    const std::string& GetTitle() const { return m_strTitle; }

private:
    CCalcLevel m_baseLevel;
    std::string m_strTitle;

public:
    CCalcLevel* m_pCurrentLevel;
};

} // namespace tarvo

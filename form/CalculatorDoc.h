// The calculator document: it owns the base calculation level for the program's whole life
// and knows the level that receives input now.
#pragma once

#include "CalcLevel.h"

namespace tarvo {

class CCalculatorDoc {
public:
    explicit CCalculatorDoc(IMessageBox& messages)
        : m_baseLevel(messages), m_pCurrentLevel(&m_baseLevel) {}
    CCalculatorDoc(const CCalculatorDoc&) = delete;
    CCalculatorDoc& operator=(const CCalculatorDoc&) = delete;

    CCalcLevel& BaseLevel() { return m_baseLevel; }

private:
    CCalcLevel m_baseLevel;

public:
    CCalcLevel* m_pCurrentLevel;
};

} // namespace tarvo

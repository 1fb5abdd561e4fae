// The base calculation and the parenthesis levels opened above it, innermost last. The stack
// alone creates and ends levels, so the shared registers and settings are handed on in one
// place.
#pragma once

#include "CalcLevel.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

class CCalcLevelStack {
public:
    // Open parentheses at the most: the original level table held 99.
    static constexpr int kMaxOpenLevels = 99;

    explicit CCalcLevelStack(IMessageBox& messages) : m_messages(messages), m_base(messages) {}
    CCalcLevelStack(const CCalcLevelStack&) = delete;
    CCalcLevelStack& operator=(const CCalcLevelStack&) = delete;

    CCalcLevel& Base() { return m_base; }
    CCalcLevel& Current() { return m_open.empty() ? m_base : *m_open.back(); }
    const CCalcLevel& Current() const { return m_open.empty() ? m_base : *m_open.back(); }
    int OpenCount() const { return static_cast<int>(m_open.size()); }
    bool IsFull() const { return OpenCount() >= kMaxOpenLevels; }

    // A new level above the current one, with its shared state.
    void Open();
    // The innermost level's value goes to its parent, which becomes current; the text of the
    // value, or none when the level's division failed and it stays open.
    std::optional<std::string> Close();
    // Every open level ends without handing over a value; the shared state goes down.
    void CloseAll();

private:
    void Pop();

    IMessageBox& m_messages;
    CCalcLevel m_base;
    std::vector<std::unique_ptr<CCalcLevel>> m_open;
};

} // namespace tarvo

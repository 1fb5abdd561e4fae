// The ring of the last twenty equation texts that Undo and Redo step through. The states
// undone stay stored: a new snapshot always goes after the newest, never after the one shown.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tarvo {

class UndoMemory {
public:
    static constexpr int kSlots = 20;

    void TakeSnapshot(const std::string& text);
    // A snapshot of the first `length` characters of a text that only grows until
    // ResolveDeferred gives it: a replay stores its snapshots without copying at each one.
    void TakeDeferredSnapshot(std::size_t length);
    void ResolveDeferred(const std::string& text);

    // Move to the entry before or after the one shown; false when there is none.
    bool StepBack();
    bool StepForward();
    const std::string& CurrentEntry() const { return m_strUndo[m_nUndoCurrent]; }

    // Empties the stored texts; counters and slots keep their values.
    void Clear();

private:
    void Advance();

    std::array<std::string, kSlots> m_strUndo;
    std::array<std::optional<std::size_t>, kSlots> m_deferredLength;
    int m_nUndoNext = 0;
    int m_nUndoLast = 0;
    int m_nUndoCurrent = 0;
    int m_nUndoCount = 0;
    int m_nUndoPos = 0;
};

} // namespace tarvo

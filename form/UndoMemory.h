// The ring of the last twenty equation texts that Undo and Redo step through. The states
// undone stay stored: a new snapshot always goes after the newest, never after the one shown.
// The texts share what they have in common: a calculation that grows by one equation at a
// time is stored once, each entry being the first so many characters of it.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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
    std::string_view CurrentEntry() const { return Text(m_nUndoCurrent); }

    // Empties the stored texts; counters and slots keep their values.
    void Clear();

private:
    // The first `length` characters of a text that entries share.
    struct Entry {
        std::shared_ptr<std::string> shared;
        std::size_t length = 0;
    };
    std::string_view Text(int slot) const;
    bool IsEmpty(int slot) const { return m_strUndo[slot].length == 0; }
    // A stored text that begins with this one, or that this one continues (and so grows).
    std::shared_ptr<std::string> Share(const std::string& text);
    void Advance();

    std::array<Entry, kSlots> m_strUndo;
    std::array<std::optional<std::size_t>, kSlots> m_deferredLength;
    int m_nUndoNext = 0;
    int m_nUndoLast = 0;
    int m_nUndoCurrent = 0;
    int m_nUndoCount = 0;
    int m_nUndoPos = 0;
};

} // namespace tarvo

// A change of a display's text, told to the host instead of the whole text again, so that a
// key costs the same however long the calculation is.
#pragma once

#include <cstddef>

namespace tarvo {

// The first `start` and the last `keptAtEnd` characters of the text stayed as they were; what
// lay between them was replaced. An append keeps the whole text before it; a new text keeps
// nothing.
struct TextChange {
    std::size_t start = 0;
    std::size_t keptAtEnd = 0;
};

// The part of the text a control shows that gives way, and the part of the new text that
// takes its place; both begin at `start`.
struct TextSplice {
    std::size_t start = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
};

// The changes made since a control last showed its text, merged into one, so that a host
// applies the changes of a whole command, a replay of any length too, in one step.
class PendingTextChange {
public:
    void Add(TextChange change);
    bool Pending() const { return m_pending; }
    // The merged change as a splice of the text shown, of shownLength characters, into the
    // text of newLength characters; nothing is pending afterwards.
    TextSplice Take(std::size_t shownLength, std::size_t newLength);

private:
    bool m_pending = false;
    TextChange m_change;
};

} // namespace tarvo

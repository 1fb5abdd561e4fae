#include "TextChange.h"

#include <algorithm>

namespace tarvo {

// Of two changes made one after the other, only what both kept at either end is kept.
void PendingTextChange::Add(TextChange change) {
    if (m_pending) {
        change.start = std::min(change.start, m_change.start);
        change.keptAtEnd = std::min(change.keptAtEnd, m_change.keptAtEnd);
    }
    m_change = change;
    m_pending = true;
}

TextSplice PendingTextChange::Take(std::size_t shownLength, std::size_t newLength) {
    m_pending = false;
    const std::size_t start = std::min({m_change.start, shownLength, newLength});
    const std::size_t kept = std::min({m_change.keptAtEnd, shownLength - start, newLength - start});
    return {start, shownLength - start - kept, newLength - start - kept};
}

} // namespace tarvo

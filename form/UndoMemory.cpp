#include "UndoMemory.h"

namespace tarvo {

void UndoMemory::TakeSnapshot(const std::string& text) {
    m_strUndo[m_nUndoNext] = text;
    m_deferredLength[m_nUndoNext].reset();
    Advance();
}

void UndoMemory::TakeDeferredSnapshot(std::size_t length) {
    m_strUndo[m_nUndoNext].clear();
    m_deferredLength[m_nUndoNext] = length;
    Advance();
}

void UndoMemory::Advance() {
    m_nUndoLast = m_nUndoNext;
    m_nUndoCurrent = m_nUndoNext;
    m_nUndoNext = (m_nUndoNext + 1) % kSlots;
    ++m_nUndoCount;
    m_nUndoPos = m_nUndoCount;
}

void UndoMemory::ResolveDeferred(const std::string& text) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (m_deferredLength[slot]) {
            m_strUndo[slot] = text.substr(0, *m_deferredLength[slot]);
            m_deferredLength[slot].reset();
        }
    }
}

bool UndoMemory::StepBack() {
    --m_nUndoPos;
    const bool beforeFirst =
        m_nUndoCount < kSlots ? m_nUndoPos <= 0 : m_nUndoCount - m_nUndoPos >= kSlots;
    if (beforeFirst) {
        ++m_nUndoPos;
        return false;
    }
    --m_nUndoCurrent;
    if (m_nUndoCurrent < 0)
        m_nUndoCurrent = m_strUndo[kSlots - 1].empty() ? m_nUndoLast : kSlots - 1;
    return true;
}

bool UndoMemory::StepForward() {
    ++m_nUndoPos;
    if (m_nUndoPos > m_nUndoCount) {
        --m_nUndoPos;
        return false;
    }
    m_nUndoCurrent = (m_nUndoCurrent + 1) % kSlots;
    if (m_strUndo[m_nUndoCurrent].empty())
        m_nUndoCurrent = m_nUndoLast;
    return true;
}

void UndoMemory::Clear() {
    for (auto& text : m_strUndo)
        text.clear();
    for (auto& length : m_deferredLength)
        length.reset();
}

} // namespace tarvo

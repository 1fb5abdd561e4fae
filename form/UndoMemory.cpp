#include "UndoMemory.h"

namespace tarvo {

std::string_view UndoMemory::Text(int slot) const {
    const Entry& entry = m_strUndo[slot];
    if (!entry.shared)
        return {};
    return std::string_view(*entry.shared).substr(0, entry.length);
}

// Only the newest stored text is looked at: a calculation grows from its last state.
std::shared_ptr<std::string> UndoMemory::Share(const std::string& text) {
    const std::shared_ptr<std::string>& newest = m_strUndo[m_nUndoLast].shared;
    if (m_nUndoCount > 0 && newest) {
        const std::string_view stored(*newest);
        if (stored.size() <= text.size() && text.compare(0, stored.size(), stored) == 0) {
            newest->append(text, stored.size());
            return newest;
        }
        if (text.size() < stored.size() && stored.compare(0, text.size(), text) == 0)
            return newest;
    }
    return std::make_shared<std::string>(text);
}

void UndoMemory::TakeSnapshot(const std::string& text) {
    m_strUndo[m_nUndoNext] = {text.empty() ? nullptr : Share(text), text.size()};
    m_deferredLength[m_nUndoNext].reset();
    Advance();
}

void UndoMemory::TakeDeferredSnapshot(std::size_t length) {
    m_strUndo[m_nUndoNext] = {};
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
    std::shared_ptr<std::string> shared;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!m_deferredLength[slot])
            continue;
        if (!shared) // the replay's text, which its last snapshot then shares too
            shared = std::make_shared<std::string>(text);
        m_strUndo[slot] = {*m_deferredLength[slot] == 0 ? nullptr : shared,
                           *m_deferredLength[slot]};
        m_deferredLength[slot].reset();
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
        m_nUndoCurrent = IsEmpty(kSlots - 1) ? m_nUndoLast : kSlots - 1;
    return true;
}

bool UndoMemory::StepForward() {
    ++m_nUndoPos;
    if (m_nUndoPos > m_nUndoCount) {
        --m_nUndoPos;
        return false;
    }
    m_nUndoCurrent = (m_nUndoCurrent + 1) % kSlots;
    if (IsEmpty(m_nUndoCurrent))
        m_nUndoCurrent = m_nUndoLast;
    return true;
}

void UndoMemory::Clear() {
    for (auto& entry : m_strUndo)
        entry = {};
    for (auto& length : m_deferredLength)
        length.reset();
}

} // namespace tarvo

#include "EditControl.h"

#include <algorithm>

namespace tarvo {

void EditControl::SetText(std::string text) {
    m_text = std::move(text);
    m_selection = {};
}

void EditControl::ApplySplice(const std::string& text, TextSplice splice) {
    m_text.replace(splice.start, splice.removed, text, splice.start, splice.inserted);
    m_selection = {};
}

int EditControl::Clamp(int position) const {
    return std::clamp(position, 0, static_cast<int>(m_text.size()));
}

void EditControl::Select(int start, int end) {
    start = Clamp(start);
    end = Clamp(end);
    m_selection = {std::min(start, end), std::max(start, end)};
}

void EditControl::ReplaceSelection(const std::string& text) {
    const auto start = static_cast<std::size_t>(m_selection.start);
    m_text.replace(start, static_cast<std::size_t>(m_selection.end - m_selection.start), text);
    const int caret = m_selection.start + static_cast<int>(text.size());
    m_selection = {caret, caret};
}

} // namespace tarvo

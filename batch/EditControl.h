// A model of an edit control: its text and selection, as the user and the program change
// them. Positions are byte offsets, clamped to the text.
#pragma once

#include "CalculatorHost.h"

#include <string>

namespace tarvo {

class EditControl {
public:
    // The program writes a whole text, or changes a part of it as a splice into the new text:
    // the selection returns to the start.
    void SetText(std::string text);
    void ApplySplice(const std::string& text, TextSplice splice);
    const std::string& Text() const { return m_text; }

    TextSelection Selection() const { return m_selection; }
    void Select(int start, int end);

    // Replaces the selection; the caret then stands behind the new text.
    void ReplaceSelection(const std::string& text);

private:
    int Clamp(int position) const;

    std::string m_text;
    TextSelection m_selection;
};

} // namespace tarvo

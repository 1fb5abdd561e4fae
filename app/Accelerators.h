// The calculator's keyboard: every key press in the window is matched against the keys of
// the keypad table before any control sees it.
#pragma once

#include "Keypad.h"

class QKeyEvent;

namespace tarvo {

enum class EditCommand { None, Copy, Paste, Ignored };

struct Accelerator {
    const CalculatorKey* key = nullptr;
    EditCommand edit = EditCommand::None;
    bool Matched() const { return key != nullptr || edit != EditCommand::None; }
};

Accelerator MatchAccelerator(const QKeyEvent& event);

} // namespace tarvo

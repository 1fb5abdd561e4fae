// Focus that a menu only borrows: an open context menu or the menu bar in keyboard mode holds
// the focus while it is in use and gives it back unchanged, so the controls' logic, which
// follows the focus, must not see these changes.
#pragma once

class QEvent;

namespace tarvo {

// True for a focus-in or focus-out event caused by a menu or the menu bar.
bool IsMenuFocusChange(const QEvent& event);

} // namespace tarvo

// The order in which Tab moves through a window's controls.
#pragma once

#include <vector>

class QWidget;

namespace tarvo {

// Tab moves from each control to the next in the list, and Shift+Tab back.
void SetTabOrder(const std::vector<QWidget*>& controls);

// The controls in reading order: row by row from the top, each row from left to right.
std::vector<QWidget*> InReadingOrder(std::vector<QWidget*> controls);

} // namespace tarvo

// The calculator's icons: SVG artwork in the resources, rendered once per size and kept.
#pragma once

#include <QIcon>
#include <QSize>

namespace tarvo {

// The icon named in the key table ("ms", "add", ...), or its variant that shows the key
// that presses it; sharp at the screen's device pixel ratio.
QIcon KeyIcon(const char* name, bool withKey, QSize size);

// The application's icon.
QIcon ApplicationIcon();

} // namespace tarvo

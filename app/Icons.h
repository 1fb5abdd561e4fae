// The calculator's icons: SVG artwork in the resources, drawn to match the dialog font of the
// button that shows them, and kept once drawn.
#pragma once

#include <QIcon>
#include <QSize>

class QAbstractButton;
class QFont;

namespace tarvo {

// The size of a key icon for this font: its letters as tall as the font's capitals, as the
// captions of the text keys are; at most room.
QSize KeyIconSize(const QFont& font, QSize room);

// The text of the badge that names a key's keyboard key, from the first of its accelerators
// ("S", "/", "Shift+X"); a shifted key starts with the shift arrow.
QString KeyBadgeText(const char* accelerators);

// The icon named in the key table ("ms", "add", ...) for this button: drawn in its text
// colour at its icon size and screen, with a badge showing badge (its keyboard key) in the
// button's font when badge is not empty.
QIcon KeyIcon(const char* name, const QString& badge, const QAbstractButton& button);

// The application's icon.
QIcon ApplicationIcon();

} // namespace tarvo

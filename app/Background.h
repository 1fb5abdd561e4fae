// The background of the calculator's windows: the stored colour, drawn solid or as one of
// six hatch patterns over white.
#pragma once

#include "CalculatorHost.h"

#include <QColor>

class QPainter;
class QRect;

namespace tarvo {

QColor ToQColor(Rgb rgb);
Rgb FromQColor(const QColor& color);

// hatch: 0 horizontal, 1 vertical, 2 decreasing diagonal, 3 increasing diagonal,
// 4 squares, 5 cross hatch; any other value a solid fill.
void PaintBackground(QPainter& painter, const QRect& area, Rgb color, int hatch);

} // namespace tarvo

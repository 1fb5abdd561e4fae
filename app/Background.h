// The background of the calculator's windows: the stored colour, drawn solid or as one of
// six hatch patterns over white.
#pragma once

#include "CalculatorHost.h"

#include <QColor>

class QPainter;
class QRect;
class QWidget;

namespace tarvo {

QColor ToQColor(Rgb rgb);
Rgb FromQColor(const QColor& color);

// hatch: 0 horizontal, 1 vertical, 2 decreasing diagonal, 3 increasing diagonal,
// 4 squares, 5 cross hatch; any other value a solid fill.
void PaintBackground(QPainter& painter, const QRect& area, Rgb color, int hatch);

// The colours a tool dialog gives its static texts and radio buttons: the background colour
// behind them, and black or white text, whichever reads better on it. Group titles stand on
// the background as it is painted: on the colour, or on the white of a hatch pattern.
void UseBackgroundForStatics(QWidget& dialog, Rgb color, int hatch);

// A static text or radio button filled with the background colour, so that it reads the
// same over every pattern.
void StandOnBackground(QWidget& control);

} // namespace tarvo

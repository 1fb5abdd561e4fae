// The background of the calculator's windows: the stored colour, drawn solid or as one of
// six hatch patterns over white.
#pragma once

#include "BackgroundSetting.h"

#include <QColor>

class QPainter;
class QRect;
class QWidget;

namespace tarvo {

QColor ToQColor(Rgb rgb);
Rgb FromQColor(const QColor& color);

void PaintBackground(QPainter& painter, const QRect& area, const Background& background);

// The colours a tool dialog gives its static texts and radio buttons: the background colour
// behind them, and black or white text, whichever reads better on it. Group titles stand on
// the background as it is painted: on the colour, or on the white of a hatch pattern.
void UseBackgroundForStatics(QWidget& dialog, const Background& background);

// A static text or radio button filled with the background colour, so that it reads the
// same over every pattern.
void StandOnBackground(QWidget& control);

} // namespace tarvo

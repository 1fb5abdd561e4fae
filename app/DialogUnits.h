// Dialog units, the way dialog templates place their controls: a horizontal unit is a quarter
// of the dialog font's average character width, a vertical unit an eighth of its height.
#pragma once

#include "Keypad.h"

#include <QFont>
#include <QRect>

namespace tarvo {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const { return (units * m_baseX + 2) / 4; }
    int Y(int units) const { return (units * m_baseY + 4) / 8; }
    QRect Rect(int x, int y, int width, int height) const;
    QRect Rect(const DialogRect& rect) const {
        return Rect(rect.x, rect.y, rect.width, rect.height);
    }

private:
    int m_baseX;
    int m_baseY;
};

// The font of the calculator's dialogs: the desktop's sans-serif face at 8 points.
QFont DialogFont();

} // namespace tarvo

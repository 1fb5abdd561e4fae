#include "Background.h"

#include <QPainter>

namespace tarvo {

QColor ToQColor(Rgb rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

Rgb FromQColor(const QColor& color) {
    return static_cast<Rgb>(color.red()) | static_cast<Rgb>(color.green()) << 8 |
           static_cast<Rgb>(color.blue()) << 16;
}

void PaintBackground(QPainter& painter, const QRect& area, Rgb color, int hatch) {
    static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    const bool hatched = hatch >= 0 && hatch < 6;
    if (hatched)
        painter.fillRect(area, Qt::white);
    painter.fillRect(area, QBrush(ToQColor(color), hatched ? styles[hatch] : Qt::SolidPattern));
}

} // namespace tarvo

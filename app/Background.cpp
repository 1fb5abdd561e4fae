#include "Background.h"

#include <QPainter>
#include <QWidget>

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

void UseBackgroundForStatics(QWidget& dialog, Rgb color) {
    const QColor background = ToQColor(color);
    // The luma of the colour, as the eye weighs red, green and blue.
    const double luma =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, luma < 0.5 ? Qt::white : Qt::black);
    dialog.setPalette(palette);
}

void StandOnBackground(QWidget& control) {
    control.setBackgroundRole(QPalette::Window);
    control.setAutoFillBackground(true);
}

} // namespace tarvo

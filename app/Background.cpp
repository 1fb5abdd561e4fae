#include "Background.h"

#include <QGroupBox>
#include <QPainter>
#include <QWidget>

namespace tarvo {

namespace {

bool IsHatched(BackgroundHatch hatch) {
    return hatch >= BackgroundHatch::Horizontal && hatch <= BackgroundHatch::CrossHatch;
}

// Black or white, whichever reads better on the colour, by its luma as the eye weighs red,
// green and blue.
QColor TextColorOn(const QColor& background) {
    const double luma =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return luma < 0.5 ? Qt::white : Qt::black;
}

} // namespace

QColor ToQColor(Rgb rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

Rgb FromQColor(const QColor& color) {
    return static_cast<Rgb>(color.red()) | static_cast<Rgb>(color.green()) << 8 |
           static_cast<Rgb>(color.blue()) << 16;
}

void PaintBackground(QPainter& painter, const QRect& area, const Background& background) {
    static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    const BackgroundHatch hatch = background.m_nBackgroundHatch;
    const bool hatched = IsHatched(hatch);
    if (hatched)
        painter.fillRect(area, Qt::white);
    painter.fillRect(area, QBrush(ToQColor(background.m_crBackground),
                                  hatched ? styles[static_cast<int>(hatch)] : Qt::SolidPattern));
}

void UseBackgroundForStatics(QWidget& dialog, const Background& colors) {
    const QColor background = ToQColor(colors.m_crBackground);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, TextColorOn(background));
    dialog.setPalette(palette);
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        QPalette title = group->palette();
        title.setColor(QPalette::WindowText,
                       TextColorOn(IsHatched(colors.m_nBackgroundHatch) ? Qt::white : background));
        group->setPalette(title);
    }
}

void StandOnBackground(QWidget& control) {
    control.setBackgroundRole(QPalette::Window);
    control.setAutoFillBackground(true);
}

} // namespace tarvo

#include "DialogLabels.h"

#include "Icons.h"

#include <QLabel>

namespace tarvo {

QLabel* NewWrappedText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel* NewApplicationIcon(QWidget* parent, const QPoint& place, int side) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(ApplicationIcon().pixmap(side, side));
    icon->setGeometry(place.x(), place.y(), side, side);
    return icon;
}

} // namespace tarvo

#include "ToggleKey.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tarvo {

ToggleKey::ToggleKey(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
}

void ToggleKey::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isChecked()) {
        option.palette.setColor(QPalette::Button, option.palette.color(QPalette::Highlight));
        option.palette.setColor(QPalette::ButtonText,
                                option.palette.color(QPalette::HighlightedText));
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tarvo

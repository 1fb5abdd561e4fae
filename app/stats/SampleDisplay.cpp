#include "SampleDisplay.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>

namespace tarvo {

SampleDisplay::SampleDisplay(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

void SampleDisplay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SampleDisplay::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    static const QRegularExpression lineBreaks("[\r\n\u2028\u2029]+");
    insertPlainText(source->text().replace(lineBreaks, " "));
}

} // namespace tarvo

// The labels the calculator's dialogs share: word-wrapped plain text, and the application's
// icon.
#pragma once

#include <QString>

class QLabel;
class QPoint;
class QWidget;

namespace tarvo {

QLabel* NewWrappedText(const QString& text, QWidget* parent);

// The application's icon, `side` pixels square, with its top left corner at `place`.
QLabel* NewApplicationIcon(QWidget* parent, const QPoint& place, int side);

} // namespace tarvo

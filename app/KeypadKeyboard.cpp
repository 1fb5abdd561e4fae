#include "KeypadKeyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tarvo {

namespace {

bool IsTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

bool IsNamedKey(int key, std::string_view name) {
    if (name == "Enter")
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    if (name == "Backspace")
        return key == Qt::Key_Backspace;
    if (name == "F9")
        return key == Qt::Key_F9;
    return false;
}

} // namespace

bool IsOneOfKeys(const QKeyEvent& event, std::string_view keys) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = event.text().toUpper();
    while (!keys.empty()) {
        const std::size_t blank = keys.find(' ');
        const std::string_view name = keys.substr(0, blank);
        keys = blank == std::string_view::npos ? std::string_view() : keys.substr(blank + 1);
        if (name.size() == 1 ? typed == QString(QChar(name[0])) : IsNamedKey(event.key(), name))
            return true;
    }
    return false;
}

KeypadKeyboard::KeypadKeyboard(QWidget& dialog, KeyFinder finder)
    : QObject(&dialog), m_finder(std::move(finder)) {
    dialog.installEventFilter(this);
}

void KeypadKeyboard::AddKey(QAbstractButton& key) {
    key.installEventFilter(this);
}

bool KeypadKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || IsTextField(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    QAbstractButton* key = m_finder(static_cast<const QKeyEvent&>(*event));
    if (!key || !key->isEnabled())
        return QObject::eventFilter(watched, event);
    key->click();
    return true;
}

} // namespace tarvo

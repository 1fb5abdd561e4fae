// A window as a screen reader meets it: the controls of its accessibility tree, found through
// Qt's accessibility interface as an assistive technology finds them.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMetaEnum>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace tarvo::test {

// The roles a user operates or reads as a control of its own.
inline bool IsControl(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Grouping:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// Every control on show in the window that has no accessible name, as "role class
// objectName"; hidden parts (a tool bar's overflow button) are not read out.
inline std::vector<std::string> UnnamedControls(QWidget& window) {
    std::vector<std::string> unnamed;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || !node->isValid())
            return;
        if (IsControl(node->role()) && !node->state().invisible &&
            node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = node->object();
            const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role());
            unnamed.push_back(std::string(role ? role : "?") + " " +
                              (object ? object->metaObject()->className() : "?") + " " +
                              (object ? object->objectName().toStdString() : ""));
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return unnamed;
}

// How many controls the tree holds, so that a test sees it walked the window at all.
inline int ControlCount(QWidget& window) {
    int count = 0;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || !node->isValid())
            return;
        count += IsControl(node->role()) ? 1 : 0;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(&window));
    return count;
}

} // namespace tarvo::test

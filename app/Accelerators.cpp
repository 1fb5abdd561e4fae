#include "Accelerators.h"

#include <QHash>
#include <QKeyEvent>
#include <QStringList>

namespace tarvo {

namespace {

// Lookup names: "char:+" for a typed character, "key:S" or "key:Shift+S" for a letter key,
// "key:Enter" for a named key.
QHash<QString, const CalculatorKey*> BuildTable() {
    QHash<QString, const CalculatorKey*> table;
    for (const CalculatorKey& key : CalculatorKeys()) {
        const QStringList names = QString(key.accelerators).split(' ', Qt::SkipEmptyParts);
        for (const QString& name : names) {
            const bool character = name.size() == 1 && !name[0].isLetter();
            table.insert((character ? "char:" : "key:") + name, &key);
        }
    }
    return table;
}

// Shift is part of the name: a key listed without it does not match with it held down.
QString KeyName(const QKeyEvent& event) {
    const QString shift = event.modifiers() & Qt::ShiftModifier ? "Shift+" : "";
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return shift + QChar('A' + (key - Qt::Key_A));
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return shift + "Enter";
    case Qt::Key_Backspace:
        return shift + "Backspace";
    case Qt::Key_F9:
        return shift + "F9";
    default:
        return {};
    }
}

EditCommand MatchEditCommand(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event.key();
    const auto is = [&](Qt::KeyboardModifiers m, int k) { return modifiers == m && key == k; };
    if (is(Qt::ControlModifier, Qt::Key_C) || is(Qt::ControlModifier, Qt::Key_Insert))
        return EditCommand::Copy;
    if (is(Qt::ControlModifier, Qt::Key_V) || is(Qt::ShiftModifier, Qt::Key_Insert))
        return EditCommand::Paste;
    // Cut, the edit controls' own undo and the pane keys do nothing in the calculator.
    if (is(Qt::ControlModifier, Qt::Key_X) || is(Qt::ShiftModifier, Qt::Key_Delete) ||
        is(Qt::ControlModifier, Qt::Key_Z) || is(Qt::AltModifier, Qt::Key_Backspace) ||
        is(Qt::NoModifier, Qt::Key_F6) || is(Qt::ShiftModifier, Qt::Key_F6))
        return EditCommand::Ignored;
    return EditCommand::None;
}

} // namespace

Accelerator MatchAccelerator(const QKeyEvent& event) {
    static const QHash<QString, const CalculatorKey*> table = BuildTable();
    if (const EditCommand edit = MatchEditCommand(event); edit != EditCommand::None)
        return {nullptr, edit};
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (const QString name = KeyName(event); !name.isEmpty())
        return {table.value("key:" + name), EditCommand::None};
    const QString text = event.text();
    if (text.size() == 1 && !text[0].isLetter())
        return {table.value("char:" + text), EditCommand::None};
    return {};
}

} // namespace tarvo

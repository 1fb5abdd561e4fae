// The keyboard of a tool's keypad: typed digits, letters and operator characters, Enter and
// Backspace press the keys that carry them, as long as no text field has the focus (a text
// field keeps every key typed into it).
#pragma once

#include <QObject>

#include <functional>
#include <string_view>

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace tarvo {

// Whether the key pressed is one of keys, a blank-separated list of typed characters
// (letters in either case) and the names "Enter", "Backspace" and "F9".
bool IsOneOfKeys(const QKeyEvent& event, std::string_view keys);

class KeypadKeyboard : public QObject {
public:
    // The key of the keypad that a key press stands for, or nullptr.
    using KeyFinder = std::function<QAbstractButton*(const QKeyEvent&)>;

    // Listens to the dialog and to each key of its keypad, before the focused key takes
    // Enter as its own click.
    KeypadKeyboard(QWidget& dialog, KeyFinder finder);
    void AddKey(QAbstractButton& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFinder m_finder;
};

} // namespace tarvo

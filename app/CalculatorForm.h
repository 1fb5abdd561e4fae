// The calculator form: the keypad, both displays and the painted background, laid out in
// dialog units. Every button, keyboard key and display notification runs one command of
// the form logic, after which the controls are brought up to date once.
#pragma once

#include "CalculatorView.h"
#include "FormHost.h"

#include <QEvent>
#include <QWidget>

#include <functional>

class QLineEdit;
class QMenu;
class QPlainTextEdit;

namespace tarvo {

struct CalculatorKey;

class CalculatorForm : public QWidget {
public:
    CalculatorForm(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings,
                   QWidget* parent = nullptr);
    ~CalculatorForm() override;

    CCalculatorView& View() { return m_view; }
    FormHost& Host() { return m_host; }
    QLineEdit* SmallDisplay() const { return m_small; }
    QPlainTextEdit* LargeDisplay() const { return m_large; }
    QAbstractButton* Button(int id) const { return m_buttons.at(id); }

    // Runs a command of the form logic and shows its outcome.
    void Run(const std::function<void(CCalculatorView&)>& command);
    // The context menu of a display (Copy, Paste, Select All); the caller owns it.
    QMenu* DisplayMenu(QWidget* display);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateKeys();
    void CreateDisplays();
    void CreateGroupFrames();
    void SetReadingTabOrder();
    bool HandleKeyPress(QKeyEvent& event);
    void HandleFocus(QObject* watched, QEvent::Type type);

    FormHost& m_host;
    CCalculatorView m_view;
    QLineEdit* m_small = nullptr;
    QPlainTextEdit* m_large = nullptr;
    std::map<int, QAbstractButton*> m_buttons;
};

} // namespace tarvo

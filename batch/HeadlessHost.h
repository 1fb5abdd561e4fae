// The calculator's window without a window: it prints the events a person would notice
// (message boxes, questions, the key click), keeps what the controls show, and plays the
// user's part in the large display: clicks, typing and leaving it.
#pragma once

#include "CalculatorHost.h"
#include "EditControl.h"

#include <ostream>

namespace tarvo {

class CCalculatorView;

class HeadlessHost final : public ICalculatorHost {
public:
    explicit HeadlessHost(std::ostream& out) : m_out(out) {}
    // The form that receives the notifications of the displays.
    void Attach(CCalculatorView& view) { m_view = &view; }

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;
    void Beep() override;
    void ShowSmallDisplay(const std::string& text) override { m_small = &text; }
    void ShowLargeDisplay(const std::string& text) override;
    void ScrollLargeDisplay(int, int) override {} // nothing is seen to scroll
    void ShowAngleMode(const std::string&) override {}
    void ShowHyperbolic(bool) override {}
    void ShowParenStatus(const std::string& text) override { m_status = text; }
    std::string LargeDisplayText() override { return Large().Text(); }
    TextSelection LargeSelection() override { return Large().Selection(); }
    void SetLargeSelection(TextSelection selection) override;
    void ReplaceLargeSelection(const std::string& text) override;
    int LargeFirstVisibleLine() override { return 0; }
    void FocusRecalcButton() override { LeaveLarge(); }

    // The user's actions.
    void SetAnswer(bool yes) { m_answerYes = yes; }
    void ClickLarge(int start, int length);
    bool LargeHasFocus() const { return m_largeFocus; }
    void TypeIntoLarge(const std::string& text);
    void ReplaceWholeLarge(const std::string& text);
    void LeaveLarge();
    void ClickSmall();

    // Prints what the calculator's controls show now.
    void PrintState();

private:
    // The large display, brought up to date with the form's latest text first: the form's
    // writes are taken when needed, not copied at every key.
    EditControl& Large();

    std::ostream& m_out;
    CCalculatorView* m_view = nullptr;
    bool m_answerYes = true;
    const std::string* m_small = nullptr;
    const std::string* m_pendingLarge = nullptr;
    EditControl m_large;
    bool m_largeFocus = false;
    std::string m_status;
};

} // namespace tarvo

// The calculator's window without a window: it prints the events a person would notice
// (message boxes, questions, the key click), keeps what the controls show, and plays the
// user's part: clicks into the displays, typing, and the clipboard.
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
    void ShowSmallDisplay(const std::string& text) override { m_pendingSmall = &text; }
    void ShowLargeDisplay(const std::string& text, TextChange change) override;
    void ScrollLargeDisplay(int, int) override {} // nothing is seen to scroll
    void ScrollLargeDisplayToEnd() override {}
    void RevealLargeDisplayPosition(int) override {}
    std::string LargeDisplayText() override { return Large().Text(); }
    TextSelection LargeSelection() override { return Large().Selection(); }
    void SetLargeSelection(TextSelection selection) override;
    int LargeFirstVisibleLine() override { return 0; }
    std::string SmallDisplayText() override { return Small().Text(); }
    void CopySmallSelection() override { CopySelection(Small()); }
    void CopyLargeSelection() override { CopySelection(Large()); }
    void PasteIntoSmall() override;
    void PasteIntoLarge() override { ReplaceLargeSelection(m_clipboard); }
    void FocusRecalcButton() override { MoveFocus(Focus::Button); }
    void ShowAngleMode(const std::string&) override {}
    void ShowHyperbolic(bool) override {}
    void ShowCaptions(bool) override {}
    void ShowParenStatus(const std::string& text) override { m_status = text; }
    void Repaint() override {}
    std::optional<Rgb> ChooseColor(CustomColors&) override { return std::nullopt; }
    Rgb GetSystemColor(SystemColor which) override;

    // The user's actions.
    void SetAnswer(bool yes) { m_answerYes = yes; }
    void ClickLarge(int start, int length);
    bool LargeHasFocus() const { return m_focus == Focus::Large; }
    void TypeIntoLarge(const std::string& text);
    void ReplaceWholeLarge(const std::string& text);
    void LeaveLarge();
    // Clicking into the small display selects its whole text, so that a paste replaces it.
    void ClickSmall();
    void SetClipboard(std::string text) { m_clipboard = std::move(text); }
    const std::string& Clipboard() const { return m_clipboard; }

    // Prints what the calculator's controls show now.
    void PrintState();

private:
    enum class Focus { Button, Large, Small };
    void MoveFocus(Focus focus);
    // The user replaces the large display's selection, a change the form is told of.
    void ReplaceLargeSelection(const std::string& text);
    // As an edit control copies: an empty selection leaves the clipboard as it was.
    void CopySelection(const EditControl& control);

    // The displays, brought up to date with the form's latest texts first: the form's
    // writes are taken when needed, not copied at every key.
    EditControl& Large();
    EditControl& Small();

    std::ostream& m_out;
    CCalculatorView* m_view = nullptr;
    bool m_answerYes = true;
    const std::string* m_pendingSmall = nullptr;
    const std::string* m_pendingLarge = nullptr;
    PendingTextChange m_largeChange;
    EditControl m_small;
    EditControl m_large;
    Focus m_focus = Focus::Button;
    std::string m_clipboard;
    std::string m_status;
};

} // namespace tarvo

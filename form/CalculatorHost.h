// What the calculator form needs from the window that shows it. The Qt window and the
// headless host of the batch program implement it; the form never calls the platform.
#pragma once

#include "BackgroundSetting.h"
#include "MessageBox.h"
#include "TextChange.h"

#include <array>
#include <optional>
#include <string>

namespace tarvo {

using CustomColors = std::array<Rgb, 16>;

enum class SystemColor { ButtonFace, Desktop };

// A selection of the large display, in characters from its start; start = end is a caret.
struct TextSelection {
    int start = 0;
    int end = 0;
};

class ICalculatorHost : public IMessageBox {
public:
    // The key click.
    virtual void Beep() = 0;

    // The controls now show these texts. The referenced strings are the form's own members
    // and outlive the call, so a host may defer reading them to coalesce updates. The large
    // display learns what changed in its text, usually an append, and receives only that.
    virtual void ShowSmallDisplay(const std::string& text) = 0;
    virtual void ShowLargeDisplay(const std::string& text, TextChange change) = 0;

    // Scrolls the large display relative to its current position, or to its end.
    virtual void ScrollLargeDisplay(int characters, int lines) = 0;
    virtual void ScrollLargeDisplayToEnd() = 0;
    // Scrolls the large display sideways, as little as needed, so that the character at this
    // position (or the end of the line it ends) is in view.
    virtual void RevealLargeDisplayPosition(int position) = 0;

    // The large display as the user may have edited it; the user's changes reach the form
    // as OnLargeDisplayChange. Showing a change resets its selection to the start.
    virtual std::string LargeDisplayText() = 0;
    virtual TextSelection LargeSelection() = 0;
    virtual void SetLargeSelection(TextSelection selection) = 0;
    virtual int LargeFirstVisibleLine() = 0;

    // The small display's text, as a paste into it left it.
    virtual std::string SmallDisplayText() = 0;

    // The clipboard through the displays: a paste replaces the display's selection and is
    // notified to the form as a change of that display.
    virtual void CopySmallSelection() = 0;
    virtual void CopyLargeSelection() = 0;
    virtual void PasteIntoSmall() = 0;
    virtual void PasteIntoLarge() = 0;

    // Moves the keyboard focus to the RC button; the large display is notified of its loss.
    virtual void FocusRecalcButton() = 0;

    // The angle switch's caption and the hyp check box.
    virtual void ShowAngleMode(const std::string& caption) = 0;
    virtual void ShowHyperbolic(bool checked) = 0;
    // Every key shows its plain caption and icon, or the ones that name its keyboard key.
    virtual void ShowCaptions(bool plain) = 0;

    // The parenthesis status text or the background changed; the form is to be repainted.
    virtual void ShowParenStatus(const std::string& text) = 0;
    virtual void Repaint() = 0;

    // The colour dialog, starting from no colour with these custom colours, which it may
    // change; the chosen colour, or nothing when cancelled.
    virtual std::optional<Rgb> ChooseColor(CustomColors& customColors) = 0;
    virtual Rgb GetSystemColor(SystemColor which) = 0;
};

} // namespace tarvo

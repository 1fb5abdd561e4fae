// What the hexadecimal tool needs from the dialog that shows it. The Qt dialog and the batch
// program's surface implement it; the tool never calls the platform.
#pragma once

#include "MessageBox.h"

#include <string>

namespace tarvo {

class IHexToolHost : public IMessageBox {
public:
    // The controls now show these texts. These writes are not reported back as changes: the
    // tool runs its own change handlers after each write, as after each keystroke.
    virtual void ShowDisplay(const std::string& text) = 0; // the calculator display
    virtual void ShowHex(const std::string& text) = 0;
    virtual void ShowDecimal(const std::string& text) = 0;
    virtual void ShowBinary(const std::string& text) = 0;
    virtual void ShowByteOrder(const std::string& caption) = 0; // "Mot" or "Int"

    // The edits' texts, as the user may have typed them.
    virtual std::string DisplayText() = 0;
    virtual std::string HexText() = 0;
    virtual std::string DecimalText() = 0;

    // Typing that would make the HEX text longer than this is refused; a longer text that is
    // already there stays.
    virtual void SetHexLimit(int characters) = 0;
};

} // namespace tarvo

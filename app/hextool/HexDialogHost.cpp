#include "HexDialogHost.h"

#include "DisplayText.h"
#include "HexLengthLimit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace tarvo {

MessageAnswer HexDialogHost::ShowMessage(const std::string& title, const std::string& text,
                                         MessageButtons buttons) {
    return Present(m_presenter, m_controls.owner, title, text, buttons);
}

// Texts set by the program emit no textEdited, so they do not come back as the user's typing.
void HexDialogHost::ShowDisplay(const std::string& text) {
    m_controls.display->setText(ToQString(text));
}

void HexDialogHost::ShowHex(const std::string& text) {
    m_controls.hex->setText(ToQString(text));
}

void HexDialogHost::ShowDecimal(const std::string& text) {
    m_controls.decimal->setText(ToQString(text));
}

void HexDialogHost::ShowBinary(const std::string& text) {
    m_controls.binary->setText(ToQString(text));
}

void HexDialogHost::ShowByteOrder(const std::string& caption) {
    m_controls.byteOrder->setText(ToQString(caption));
}

std::string HexDialogHost::DisplayText() {
    return ToStdString(m_controls.display->text());
}

std::string HexDialogHost::HexText() {
    return ToStdString(m_controls.hex->text());
}

std::string HexDialogHost::DecimalText() {
    return ToStdString(m_controls.decimal->text());
}

void HexDialogHost::SetHexLimit(int characters) {
    m_controls.hexLimit->SetLimit(characters);
}

} // namespace tarvo

#include "HexDialogHost.h"

#include "HexLengthLimit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace tarvo {

namespace {

QString FromBytes(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

MessageAnswer HexDialogHost::ShowMessage(const std::string& title, const std::string& text,
                                         MessageButtons buttons) {
    return m_presenter(m_controls.owner, FromBytes(title), FromBytes(text), buttons);
}

// Texts set by the program emit no textEdited, so they do not come back as the user's typing.
void HexDialogHost::ShowDisplay(const std::string& text) {
    m_controls.display->setText(FromBytes(text));
}

void HexDialogHost::ShowHex(const std::string& text) {
    m_controls.hex->setText(FromBytes(text));
}

void HexDialogHost::ShowDecimal(const std::string& text) {
    m_controls.decimal->setText(FromBytes(text));
}

void HexDialogHost::ShowBinary(const std::string& text) {
    m_controls.binary->setText(FromBytes(text));
}

void HexDialogHost::ShowByteOrder(const std::string& caption) {
    m_controls.byteOrder->setText(FromBytes(caption));
}

std::string HexDialogHost::DisplayText() {
    return ToBytes(m_controls.display->text());
}

std::string HexDialogHost::HexText() {
    return ToBytes(m_controls.hex->text());
}

std::string HexDialogHost::DecimalText() {
    return ToBytes(m_controls.decimal->text());
}

void HexDialogHost::SetHexLimit(int characters) {
    m_controls.hexLimit->SetLimit(characters);
}

} // namespace tarvo

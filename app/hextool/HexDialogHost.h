// The hexadecimal tool's window side: it shows the tool's texts in the dialog's controls and
// its messages in message boxes.
#pragma once

#include "HexToolHost.h"
#include "MessagePresenter.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarvo {

class HexLengthLimit;

class HexDialogHost final : public IHexToolHost {
public:
    struct Controls {
        QWidget* owner = nullptr; // the dialog, which owns the message boxes
        QLineEdit* display = nullptr;
        QLineEdit* hex = nullptr;
        QLineEdit* decimal = nullptr;
        QLabel* binary = nullptr;
        QAbstractButton* byteOrder = nullptr;
        HexLengthLimit* hexLimit = nullptr;
    };

    void Attach(const Controls& controls) { m_controls = controls; }
    // Tests answer message boxes here instead of leaving them modal.
    void SetMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;
    void ShowDisplay(const std::string& text) override;
    void ShowHex(const std::string& text) override;
    void ShowDecimal(const std::string& text) override;
    void ShowBinary(const std::string& text) override;
    void ShowByteOrder(const std::string& caption) override;
    std::string DisplayText() override;
    std::string HexText() override;
    std::string DecimalText() override;
    void SetHexLimit(int characters) override;

private:
    Controls m_controls;
    MessagePresenter m_presenter = ShowMessageBox;
};

} // namespace tarvo

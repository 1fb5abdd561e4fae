// Message boxes of the calculator's windows. Tests put their own presenter in place so that
// no box stays modal.
#pragma once

#include "MessageBox.h"

#include <QString>

#include <functional>

namespace tarvo {

using MessagePresenter =
    std::function<MessageAnswer(const QString& title, const QString& text, MessageButtons)>;

// A modal QMessageBox without an icon, over the active window.
MessageAnswer ShowMessageBox(const QString& title, const QString& text, MessageButtons buttons);

// The message boxes of the logic, through a presenter.
class PresentedMessages : public IMessageBox {
public:
    explicit PresentedMessages(MessagePresenter presenter) : m_presenter(std::move(presenter)) {}
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;

private:
    MessagePresenter m_presenter;
};

} // namespace tarvo

// Message boxes of the calculator's windows. Each box is owned by the window that raised it,
// so that it opens over that window and goes with it. Tests put their own presenter in place
// so that no box stays modal.
#pragma once

#include "MessageBox.h"

#include <string>

#include <QString>

#include <functional>

class QWidget;

namespace tarvo {

using MessagePresenter = std::function<MessageAnswer(QWidget* owner, const QString& title,
                                                     const QString& text, MessageButtons)>;

// A modal QMessageBox without an icon, over its owner.
MessageAnswer ShowMessageBox(QWidget* owner, const QString& title, const QString& text,
                             MessageButtons buttons);

// A message box of the logic, through the presenter, over its owner.
MessageAnswer Present(const MessagePresenter& presenter, QWidget* owner, const std::string& title,
                      const std::string& text, MessageButtons buttons);

// The message boxes of the logic, through a presenter, owned by one window.
class PresentedMessages : public IMessageBox {
public:
    PresentedMessages(MessagePresenter presenter, QWidget* owner)
        : m_presenter(std::move(presenter)), m_owner(owner) {}
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        return Present(m_presenter, m_owner, title, text, buttons);
    }

private:
    MessagePresenter m_presenter;
    QWidget* m_owner;
};

} // namespace tarvo

#include "MessagePresenter.h"

#include "DisplayText.h"

#include <QMessageBox>

namespace tarvo {

MessageAnswer ShowMessageBox(QWidget* owner, const QString& title, const QString& text,
                             MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    owner);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

MessageAnswer Present(const MessagePresenter& presenter, QWidget* owner, const std::string& title,
                      const std::string& text, MessageButtons buttons) {
    return presenter(owner, ToQString(title), ToQString(text), buttons);
}

} // namespace tarvo

#include "MessagePresenter.h"

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

MessageAnswer PresentedMessages::ShowMessage(const std::string& title, const std::string& text,
                                             MessageButtons buttons) {
    const auto convert = [](const std::string& s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    return m_presenter(m_owner, convert(title), convert(text), buttons);
}

} // namespace tarvo

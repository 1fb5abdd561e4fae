// Message boxes recorded instead of shown, as "TITLE | TEXT" with their buttons. An OK box
// answers Ok; a Yes/No question gets `answer`, after `onQuestion` has run. Host is the
// interface whose boxes are recorded, where it asks for more than the boxes.
#pragma once

#include "MessageBox.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvo::test {

template <class Host = IMessageBox> class RecordedMessages : public Host {
public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        messages.push_back(title + " | " + text);
        this->buttons.push_back(buttons);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (onQuestion)
            onQuestion();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<MessageButtons> buttons;
    MessageAnswer answer = MessageAnswer::Yes;
    std::function<void()> onQuestion;
};

} // namespace tarvo::test

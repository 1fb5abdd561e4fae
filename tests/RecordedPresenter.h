// Message boxes of the windows recorded instead of shown, each with the window it stands over,
// and answered as RecordedMessages answers them.
#pragma once

#include "MessagePresenter.h"
#include "RecordedMessages.h"

#include <QString>

namespace tarvo::test {

class RecordedPresenter : public RecordedMessages<> {
public:
    MessagePresenter Presenter() {
        return [this](QWidget* owner, const QString& title, const QString& text,
                      MessageButtons buttons) {
            owners.push_back(owner);
            return ShowMessage(title.toStdString(), text.toStdString(), buttons);
        };
    }

    std::vector<QWidget*> owners;
};

} // namespace tarvo::test

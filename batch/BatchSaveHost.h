// The Calculation ID dialog and the file dialog of Save, answered by the script.
#pragma once

#include "SaveCommand.h"

namespace tarvo {

class BatchSaveHost final : public ISaveHost {
public:
    // Nothing for an answer: that dialog is cancelled.
    BatchSaveHost(IMessageBox& messages, std::optional<std::string> id,
                  std::optional<std::string> file)
        : m_messages(messages), m_id(std::move(id)), m_file(std::move(file)) {}

    std::optional<std::string> AskCalculationId() override { return m_id; }
    std::optional<std::string> AskSaveFile(bool) override { return m_file; }
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        return m_messages.ShowMessage(title, text, buttons);
    }

private:
    IMessageBox& m_messages;
    std::optional<std::string> m_id;
    std::optional<std::string> m_file;
};

} // namespace tarvo

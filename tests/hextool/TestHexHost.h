// A host for the hexadecimal tool's logic in tests: the controls as texts, and the message
// boxes shown.
#pragma once

#include "HexControlTexts.h"

#include <vector>

namespace tarvo::test {

class RecordedMessages : public IMessageBox {
public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons) override {
        messages.push_back(title + " | " + text);
        return MessageAnswer::Ok;
    }
    std::vector<std::string> messages;
};

class TestHexHost final : public RecordedMessages, public HexControlTexts {
public:
    TestHexHost() : HexControlTexts(static_cast<RecordedMessages&>(*this)) {}
    using HexControlTexts::ShowMessage;
};

} // namespace tarvo::test

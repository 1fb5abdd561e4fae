// The hexadecimal tool's controls kept as plain texts, for hosts without widgets: the batch
// program and the tests. Message boxes go to the given IMessageBox.
#pragma once

#include "HexToolHost.h"

#include <climits>
#include <string>

namespace tarvo {

class HexControlTexts : public IHexToolHost {
public:
    explicit HexControlTexts(IMessageBox& messages) : m_messages(messages) {}
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        return m_messages.ShowMessage(title, text, buttons);
    }
    void ShowDisplay(const std::string& text) override { display = text; }
    void ShowHex(const std::string& text) override { hex = text; }
    void ShowDecimal(const std::string& text) override { decimal = text; }
    void ShowBinary(const std::string& text) override { binary = text; }
    void ShowByteOrder(const std::string& caption) override { order = caption; }
    std::string DisplayText() override { return display; }
    std::string HexText() override { return hex; }
    std::string DecimalText() override { return decimal; }
    void SetHexLimit(int characters) override { hexLimit = characters; }

    std::string display;
    std::string hex;
    std::string decimal;
    std::string binary;
    std::string order = "Mot";
    int hexLimit = INT_MAX; // an edit has no limit of its own until the tool sets one

private:
    IMessageBox& m_messages;
};

} // namespace tarvo

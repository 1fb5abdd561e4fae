// A host for the hexadecimal tool's logic in tests: it keeps what each control shows, the
// HEX edit's length limit, and the message boxes shown.
#pragma once

#include "HexToolHost.h"

#include <climits>
#include <vector>

namespace tarvo::test {

class TestHexHost final : public IHexToolHost {
public:
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons) override {
        messages.push_back(title + " | " + text);
        return MessageAnswer::Ok;
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
    int hexLimit = INT_MAX;
    std::vector<std::string> messages;
};

} // namespace tarvo::test

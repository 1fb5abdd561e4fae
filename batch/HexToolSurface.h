// The hexadecimal tool as tarvo-batch drives it: its key and data-type tokens, typing into
// its three edits, the three ways to close it, and the state a person would see.
#pragma once

#include "HexTool.h"

#include <climits>
#include <ostream>
#include <string>
#include <string_view>

namespace tarvo {

class HexToolSurface {
public:
    // Opens the tool; its message boxes go to messages.
    HexToolSurface(ISettingsStore& settings, IMessageBox& messages, std::ostream& out);
    HexToolSurface(const HexToolSurface&) = delete;
    HexToolSurface& operator=(const HexToolSurface&) = delete;

    static bool IsKey(std::string_view token); // 0-9 A-F CLR + - * / ~ ^ & | << >> % = Mot Transfer
    static bool IsDataType(std::string_view token); // char uchar int uint long ulong float double
    // Both throw std::invalid_argument for a token that is none of these.
    void Press(std::string_view token);
    void ChooseDataType(std::string_view token);
    enum class Field { Hex, Decimal, Display };
    // The edit gains the focus, its whole text is deleted, text is typed one character at a
    // time (the HEX edit refuses what passes its length limit), and the edit loses the focus.
    void Type(Field field, const std::string& text);
    enum class Closing { Ok, Esc, Box };
    bool Close(Closing how);      // true when the dialog ended accepted (result OK)
    double TransferValue() const; // m_dTransferValue
    void PrintState();            // display:/hex:/decimal:/binary:/order: lines

private:
    // What the dialog's controls show: the tool writes them, the script types into them.
    class Controls final : public IHexToolHost {
    public:
        explicit Controls(IMessageBox& messages) : m_messages(messages) {}
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

    // An edit's text and the tool's notifications about it.
    struct Edit {
        std::string Controls::*text;
        void (CHexTool::*setFocus)();
        void (CHexTool::*change)();
        void (CHexTool::*killFocus)();
    };
    static const Edit& EditOf(Field field);
    bool Refuses(Field field, std::size_t length) const;

    Controls m_controls;
    CHexTool m_tool;
    std::ostream& m_out;
};

} // namespace tarvo

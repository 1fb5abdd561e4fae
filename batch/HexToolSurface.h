// The hexadecimal tool as tarvo-batch drives it: its key and data-type tokens, typing into
// its three edits, the three ways to close it, and the state a person would see.
#pragma once

#include "HexControlTexts.h"
#include "HexTool.h"
#include "ToolClosing.h"

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
    bool Close(ToolClosing how);  // true when the dialog ended accepted (result OK)
    double TransferValue() const; // m_dTransferValue
    void PrintState();            // display:/hex:/decimal:/binary:/order: lines

private:
    // What the dialog's controls show: the tool writes them, the script types into them.
    using Controls = HexControlTexts;

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

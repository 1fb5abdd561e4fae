// The hexadecimal tool's buttons as data: one row per button drives the dialog's layout and
// the batch program's tokens.
#pragma once

#include "Keypad.h"

#include <span>
#include <string_view>

namespace tarvo {

class CHexTool;

struct HexKey {
    int id;              // control and command id
    const char* caption; // as the button is given it: "&&" shows one ampersand
    const char* token;   // the name a script presses the button by
    const char* keys;    // typed characters that press it, or "Enter", separated by blanks
    const char* name;    // what the key is called, as a screen reader says it
    const char* prompt;  // what it does, as its tool tip and accessible description say
    DialogRect rect;
    void (*press)(CHexTool& tool);
};

// The calculator's keys and the Transfer button.
std::span<const HexKey> HexKeys();

// The button with this script token, or nullptr.
const HexKey* FindHexKeyByToken(std::string_view token);

// Id of the byte-order switch, whose caption changes.
inline constexpr int kByteOrderKeyId = 1086;

} // namespace tarvo

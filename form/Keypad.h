// The calculator's keys as data: one row per key drives the window's buttons, their
// captions in both modes, their icons and keyboard keys, and the batch program's tokens.
#pragma once

#include <span>
#include <string_view>

namespace tarvo {

class CCalculatorView;

// A rectangle in dialog units, which the window converts to pixels from its font.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

enum class KeyKind { Push, Default, Toggle };

struct CalculatorKey {
    int id;                 // control and command id
    const char* caption;    // plain caption as the form writes it
    const char* keyCaption; // caption naming the keyboard key ("&" marks the underlined letter)
    const char* icon;       // icon name, shown instead of the caption; nullptr for text keys
    // Keyboard keys, separated by blanks: a printed character ("+", "(") matched on the typed
    // character, a letter with or without "Shift+" matched on the key, or a named key.
    const char* accelerators;
    const char* token;  // the name a script presses the key by
    const char* name;   // what the key is called, as a screen reader says it
    const char* prompt; // what it does, as its tool tip and accessible description say
    DialogRect rect;
    KeyKind kind;
    void (*press)(CCalculatorView& view);
};

std::span<const CalculatorKey> CalculatorKeys();

// The key with this script token, or nullptr.
const CalculatorKey* FindKeyByToken(std::string_view token);

} // namespace tarvo

// The calculator's keys as data: one row per key drives the window's buttons, their
// accelerators and the batch program's tokens.
#pragma once

#include <span>
#include <string_view>

namespace tarvo {

class CCalculatorView;

struct CalculatorKey {
    int id;              // control and command id
    const char* caption; // caption as the form writes it
    const char* token;   // the name a script presses the key by
    void (*press)(CCalculatorView& view);
};

std::span<const CalculatorKey> CalculatorKeys();

// The key with this script token, or nullptr.
const CalculatorKey* FindKeyByToken(std::string_view token);

} // namespace tarvo

// The statistics tool's keys and result choices as data: one row each drives the dialog's
// controls and the batch program's tokens.
#pragma once

#include "Keypad.h"
#include "ResultChoice.h"

#include <span>
#include <string_view>

namespace tarvo {

class StatisticsTool;

struct StatisticsKey {
    int id; // control and command id
    const char* caption;
    const char* token; // the name a script presses the key by
    // Keyboard keys, separated by blanks: typed characters, or "Enter", "Backspace", "F9".
    const char* keys;
    const char* name;   // what the key is called, as a screen reader says it
    const char* prompt; // what it does, as its tool tip and accessible description say
    DialogRect rect;
    void (*press)(StatisticsTool& tool);
};

struct StatisticsResult {
    ResultChoice choice; // of the radio button
    int radioId;
    int editId;
    const char* caption;
    const char* token;
    DialogRect radioRect;
    DialogRect editRect;
};

std::span<const StatisticsKey> StatisticsKeys();
std::span<const StatisticsResult> StatisticsResults();

// The row with this script token, or nullptr.
const StatisticsKey* FindStatisticsKey(std::string_view token);
const StatisticsResult* FindStatisticsResult(std::string_view token);

} // namespace tarvo

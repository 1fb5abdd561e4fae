// The background of the form and of the tool dialogs: a colour, where it came from and a hatch
// pattern, kept in the settings store as three integers.
#pragma once

#include "SettingsStore.h"

#include <cstdint>

namespace tarvo {

// A colour as the settings store it: red in the low byte, then green, then blue.
using Rgb = std::uint32_t;

// Where the background colour came from, as "Color Flag" stores it.
enum class ColorSource : int {
    System = 0,        // the system's colour of button faces
    Chosen = 1,        // the colour dialog
    Desktop = 2,       // the desktop's colour
    NotSet = 12632256, // the start value, which no colour command shows as checked
};

// The pattern drawn over the background, as "Background Hatch" stores it; other stored values
// draw no pattern.
enum class BackgroundHatch : int {
    Horizontal = 0,
    Vertical = 1,
    DecreasingDiagonal = 2,
    IncreasingDiagonal = 3,
    Squares = 4,
    CrossHatch = 5,
    None = 6,
};

struct Background {
    Rgb m_crBackground = 6579300; // red, green and blue 100 each
    ColorSource m_nColorFlag = ColorSource::NotSet;
    BackgroundHatch m_nBackgroundHatch = BackgroundHatch::None;
};

// The stored background; a value that is missing or unreadable keeps its start value.
Background ReadBackground(ISettingsStore& settings);

} // namespace tarvo

// The ids of the main window's menu commands.
#pragma once

namespace tarvo {

enum class CommandId : int {
    Exit = 57665,
    Save = 32807,
    SaveAs = 32809,
    Load = 32808,
    SetBackgroundColor = 32792,
    ResetSystemColor = 32801,
    SetDesktopColor = 32802,
    NoPattern = 32797,
    HorizontalPattern = 32794,
    VerticalPattern = 32795,
    DecreasingDiagonalPattern = 32796,
    IncreasingDiagonalPattern = 32798,
    SquaresPattern = 32799,
    CrossHatchPattern = 32800,
    Topmost = 32773,
    LowPrecision = 32784,
    NormalPrecision = 32786,
    HighPrecision = 32780,
    RememberLastCalculation = 32789,
    KeySound = 32790,
    ClearUndoMemory = 32791,
    Nixet = 32788,
    Statistics = 32803,
    Converter = 32810,
    About = 57664,
    HelpInfo = 57670,
    ShowAcceleratorKeys = 32772,
    UserManual = 32805,
};

} // namespace tarvo

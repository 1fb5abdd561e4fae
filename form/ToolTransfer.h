// The hand-over of a tool's value when its dialog ends accepted: the tool's own register
// always, and the transfer register that Xfer recalls unless the value is 0.
#pragma once

#include "CalcLevel.h"

namespace tarvo {

enum class Tool { HexTool, Statistics };

void AcceptToolTransfer(CCalcLevel& level, Tool tool, double value);

} // namespace tarvo

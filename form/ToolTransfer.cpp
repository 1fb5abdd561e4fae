#include "ToolTransfer.h"

namespace tarvo {

void AcceptToolTransfer(CCalcLevel& level, Tool tool, double value) {
    (tool == Tool::HexTool ? level.m_shared.m_dNixetResult : level.m_shared.m_dStatResult) = value;
    if (value != 0)
        level.m_shared.m_dTransfer = value;
}

} // namespace tarvo

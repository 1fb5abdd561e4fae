#include "CalcLevelStack.h"

namespace tarvo {

void CCalcLevelStack::Open() {
    auto level = std::make_unique<CCalcLevel>(m_messages);
    level->m_shared = Current().m_shared;
    m_open.push_back(std::move(level));
}

std::optional<std::string> CCalcLevelStack::Close() {
    CCalcLevel& level = Current();
    std::string result = level.ApplyOperator(CalcOperator::Equals);
    if (level.m_bDivideError)
        return std::nullopt;
    const double value = level.m_dLeft;
    const OperandState state = level.m_nLeftState;
    Pop();
    Current().TakeParenthesisValue(value, state);
    return result;
}

void CCalcLevelStack::CloseAll() {
    while (!m_open.empty())
        Pop();
}

void CCalcLevelStack::Pop() {
    SharedLevelState shared = m_open.back()->m_shared;
    m_open.pop_back();
    Current().m_shared = shared;
}

} // namespace tarvo

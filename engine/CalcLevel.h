// One calculation level: the operands, operators and registers of the base calculation or of
// one open parenthesis, and the precedence machine that combines them.
#pragma once

#include "MessageBox.h"

#include <string>
#include <tuple>

namespace tarvo {

// The operator keys as a level keeps them: waiting, current and deferred.
enum class CalcOperator : int {
    Equals = -1,
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
};

// One of the four operations, rather than "=" or nothing.
constexpr bool IsArithmetic(CalcOperator op) {
    return op > CalcOperator::None;
}

// Where an operand came from; only whether there is one decides what a key does.
enum class OperandState { Empty, Typed, Computed };

// The two-phase power waiting in a level for its second number.
enum class PendingPower { None, Power, Root };

// How a calculation chosen in the browser joins the equation text at the next ReCalc.
enum class LoadMode { Replace, Insert };

// The display precision the Settings menu chose. The menu keeps three check marks that may
// all be off (or, from an edited settings file, several on); High wins over Low, and Normal
// is what remains.
enum class Precision { Low, Normal, High };

// An on/off setting as the settings file keeps it. Any value but 0 is on; toggling turns 1
// off and any other value into 1; a value read is stored again unchanged until toggled.
class SettingFlag {
public:
    constexpr SettingFlag(int stored = 0) : m_nStored(stored) {}
    bool IsOn() const { return m_nStored != 0; }
    // The restore of the last calculation asks for exactly 1.
    bool IsOne() const { return m_nStored == 1; }
    void Toggle() { m_nStored = m_nStored == 1 ? 0 : 1; }
    int Stored() const { return m_nStored; }

private:
    int m_nStored;
};

// What a parenthesis level takes over from its parent and hands back when it closes: to the
// user these are one value however deep the parentheses.
struct SharedLevelState {
    double m_dMemory = 0;      // MS / MR
    double m_dTransfer = 0;    // Xfer: the last non-zero value a tool handed over
    double m_dNixetResult = 0; // the hexadecimal tool's last value
    double m_dStatResult = 0;  // the statistics tool's last value
    bool m_bNormalPrecision = true;
    bool m_bHighPrecision = false;
    bool m_bLowPrecision = false;
    SettingFlag m_bKeySound;
    SettingFlag m_bSaveLast; // "Remember Last Calculation"
};

class CCalcLevel {
public:
    explicit CCalcLevel(IMessageBox& messages) : m_messages(messages) {}
    virtual ~CCalcLevel() = default;
    CCalcLevel(const CCalcLevel&) = delete;
    CCalcLevel& operator=(const CCalcLevel&) = delete;

    // An operator key, = or ) arrives; returns the text of the value computed last, or "".
    std::string ApplyOperator(CalcOperator op);
    // Applies m_nPendingOp to m_dLeft and m_dRight; "" when nothing was computed. After a
    // division by zero m_bDivideError tells that the last operator key failed.
    std::string Evaluate();
    double GetEntryValue() const;
    double GetValue(const std::string& text) const;
    void ClearEntry() { m_strEntry.clear(); }
    void ShiftOperator(CalcOperator op);
    void Reset();
    void ResetOperands();
    // A closed parenthesis hands its value over: as the left operand while no operation
    // waits, otherwise as the right one.
    void TakeParenthesisValue(double value, OperandState state);
    // The operand a closed parenthesis handed over is let go, as a power does that takes it.
    void ReleaseParenthesisValue();

    // The next ReCalc loads the calculation that the browser left in the settings.
    void RequestLoad(LoadMode mode);

    static std::string StripTrailingZeros(std::string text);
    static std::string FormatHighPrecision(double value);
    // The text of an engine result at this level's precision.
    std::string FormatResult(double value) const;
    // The text of a function or register value in the small display: fixed point where it
    // fits, trailing zeros removed.
    std::string FormatDisplayValue(double value) const;
    Precision DisplayPrecision() const;

    SharedLevelState m_shared;
    LoadMode m_nLoadMode = LoadMode::Replace;
    bool m_bLoadPending = false;
    bool m_bFunctionValue = false;
    bool m_bLeftFromParen = false;
    bool m_bRightFromParen = false;
    double m_dLastResult = 0;
    double m_dFunctionValue = 0;
    double m_dPowerA = 0;
    double m_dPowerB = 0;
    // Which power waits: a base of 0 waits as well as any other.
    PendingPower m_nPendingPower = PendingPower::None;
    double m_dLeft = 0;
    double m_dRight = 0;
    double m_dSaved = 0;
    OperandState m_nLeftState = OperandState::Empty;
    OperandState m_nRightState = OperandState::Empty;
    OperandState m_nSavedState = OperandState::Empty;
    bool m_bDivideError = false;
    CalcOperator m_nCurrentOp = CalcOperator::None;
    CalcOperator m_nPendingOp = CalcOperator::None;
    CalcOperator m_nSavedOp = CalcOperator::None;
    std::string m_strEntry;

private:
    // What an operator key may change, copied whole before the key so that a failed division
    // can change nothing.
    auto OperatorFields() {
        return std::tie(m_dLeft, m_dRight, m_dSaved, m_dLastResult, m_nLeftState, m_nRightState,
                        m_nSavedState, m_nCurrentOp, m_nPendingOp, m_nSavedOp, m_bLeftFromParen,
                        m_bRightFromParen, m_strEntry);
    }

    std::string ApplyOperatorOnce(CalcOperator op);
    std::string ApplyDeferred(CalcOperator op);
    std::string ReplaceDeferredOperator(CalcOperator op);
    std::string ResolveDeferred(CalcOperator op);
    std::string ApplyWithoutDeferred(CalcOperator op);

    IMessageBox& m_messages;
};

} // namespace tarvo

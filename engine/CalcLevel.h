// One calculation level: the operands, operators and registers of the base calculation or of
// one open parenthesis, and the precedence machine that combines them.
#pragma once

#include "MessageBox.h"

#include <string>

namespace tarvo {

enum OperatorCode : int {
    OP_EQUALS = -1,
    OP_NONE = 0,
    OP_ADD = 1,
    OP_SUBTRACT = 2,
    OP_MULTIPLY = 3,
    OP_DIVIDE = 4,
};

// The two-phase power waiting in a level for its second number.
enum class PendingPower { None, Power, Root };

class CCalcLevel {
public:
    explicit CCalcLevel(IMessageBox& messages) : m_messages(messages) {}
    virtual ~CCalcLevel() = default;
    CCalcLevel(const CCalcLevel&) = delete;
    CCalcLevel& operator=(const CCalcLevel&) = delete;

    // An operator key, = or ) arrives; returns the text of the value computed last, or "".
    std::string ApplyOperator(int op);
    // Applies m_nPendingOp to m_dLeft and m_dRight; "" when nothing was computed. After a
    // division by zero m_bDivideError tells that the last operator key failed.
    std::string Evaluate();
    double GetEntryValue() const;
    double GetValue(const std::string& text) const;
    void ClearEntry() { m_strEntry.clear(); }
    void ShiftOperator(int op);
    void Reset();
    void ResetOperands();
    void SetMemory(double value) { m_dMemory = value; }
    double GetMemory() const { return m_dMemory; }

    // Precision flags, key sound, save-last and the four registers are one global value to
    // the user: a parenthesis level takes them over from its parent and hands them back.
    void CopySharedStateFrom(const CCalcLevel& other);

    static std::string StripTrailingZeros(std::string text);
    static std::string FormatHighPrecision(double value);
    // The text of an engine result at this level's precision.
    std::string FormatResult(double value) const;
    bool IsHighPrecision() const { return m_bHighPrecision != 0; }
    bool IsLowPrecision() const { return !IsHighPrecision() && m_bLowPrecision != 0; }

    int m_nLoadMode = 0;
    int m_bLoadPending = 0;
    int m_bFunctionValue = 0;
    int m_bLeftFromParen = 0;
    int m_bRightFromParen = 0;
    int m_bKeySound = 0;
    int m_bSaveLast = 0;
    int m_bNormalPrecision = 1;
    int m_bHighPrecision = 0;
    int m_bLowPrecision = 0;
    double m_dStatResult = 0;
    double m_dTransfer = 0;
    double m_dNixetResult = 0;
    double m_dLastResult = 0;
    double m_dFunctionValue = 0;
    double m_dPowerA = 0;
    double m_dPowerB = 0;
    // Which power waits: a base of 0 waits as well as any other.
    PendingPower m_nPendingPower = PendingPower::None;
    double m_dLeft = 0;
    double m_dRight = 0;
    double m_dSaved = 0;
    double m_dMemory = 0;
    int m_nLeftState = 0;
    int m_nRightState = 0;
    int m_nSavedState = 0;
    int m_bDivideError = 0;
    int m_nCurrentOp = OP_NONE;
    int m_nPendingOp = OP_NONE;
    int m_nSavedOp = OP_NONE;
    std::string m_strEntry;
    CCalcLevel* m_pParent = nullptr;

private:
    // What an operator key may change, kept so that a failed division changes nothing.
    struct OperatorState {
        double left, right, saved, lastResult;
        int leftState, rightState, savedState, currentOp, pendingOp, savedOp;
        int leftFromParen, rightFromParen;
        std::string entry;
    };
    OperatorState SaveOperatorState() const;
    void RestoreOperatorState(OperatorState state);

    std::string ApplyOperatorOnce(int op);
    std::string ApplyDeferred(int op);
    std::string ReplaceDeferredOperator(int op);
    std::string ResolveDeferred(int op);
    std::string ApplyWithoutDeferred(int op);

    IMessageBox& m_messages;
};

} // namespace tarvo

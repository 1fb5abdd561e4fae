// The hexadecimal tool "Nixet": an integer calculator over hex operands that runs strictly
// from left to right, and a converter between hex, decimal and binary texts, both under the
// chosen data type. The dialog calls the handlers; the host shows the state.
#pragma once

#include "BackgroundSetting.h"
#include "HexOperands.h"
#include "HexOperator.h"
#include "HexToolHost.h"
#include "SettingsStore.h"

#include <memory>
#include <string>

namespace tarvo {

enum class HexClosing { Ok, Escape, CloseBox };

class CHexTool {
public:
    // Opening the tool reads its background from the settings.
    CHexTool(IHexToolHost& host, ISettingsStore& settings);

    // Calculator keys.
    void OnDigit(int digit);
    void OnOperator(HexOperator op);
    void OnEquals();
    void OnClear();

    // Converter, data type, byte-order switch and Transfer.
    void OnDataType(HexDataType type);
    void OnByteOrder();
    void OnTransfer();

    // Notifications of the three edits.
    void OnDisplaySetFocus() { m_bDisplayFocus = true; }
    void OnDisplayKillFocus();
    void OnDisplayChange();
    void OnHexSetFocus() { m_bHexFocus = true; }
    void OnHexKillFocus() { m_bHexFocus = false; }
    void OnHexChange();
    void OnDecimalSetFocus() { m_bDecimalFocus = true; }
    void OnDecimalKillFocus() { m_bDecimalFocus = false; }
    void OnDecimalChange();

    // Every way of closing ends the dialog accepted; returns whether it did.
    bool OnClose(HexClosing how);

    HexDataType m_nDataType = HexDataType::UnsignedLong;
    bool m_bFirst = true;        // F
    bool m_bSecond = false;      // S
    bool m_bChained = false;     // H: a result exists and becomes operand 1 when operand 2 is typed
    bool m_bAfterEquals = false; // R: "=" was the last key
    HexOperator m_nOperator = HexOperator::None;
    int m_nDigitCount = 0;
    int m_nDigit = 0;
    std::unique_ptr<CHexOperands> m_pCalc = std::make_unique<CHexOperands>();
    std::unique_ptr<CHexOperands> m_pShow = std::make_unique<CHexOperands>();
    double m_dTransferValue = 0.0;
    std::string m_strHex;
    std::string m_strDecimal;
    bool m_bHexFocus = false;
    bool m_bDecimalFocus = false;
    bool m_bDisplayFocus = false;
    Background m_background;

private:
    const HexDataTypeInfo& Type() const { return TypeInfo(m_nDataType); }
    bool CheckIntegralType();
    std::uint32_t Operand(int index) const { return m_pCalc->Value(m_nDataType, index); }
    void SetOperand(int index, std::uint32_t value) {
        m_pCalc->SetValue(m_nDataType, index, value);
    }

    // The entry state machine.
    bool EntersOperand1() const { return !m_bChained && m_bFirst && !m_bSecond; }
    bool TakesDigits() const { return EntersOperand1() || (m_bFirst && m_bSecond); }
    void StartNewCalculation();
    void EnterOperandText(std::string text);
    void ContinueFromResult(bool rereadOperand2);
    void CompletingOperator(HexOperator op);
    void ReplacingOperator(HexOperator op);
    void OnComplement();
    void Advance();
    void EvaluatePending();
    void ShowOperandAsResult();

    // Writing the displays; the edits' change handlers follow each write.
    void Refresh(bool withDisplay);
    std::string BinaryOf(std::uint32_t value);
    void WriteDisplay(const std::string& text);
    void WriteHex(const std::string& text);
    void WriteDecimal(const std::string& text);
    void WriteBinary(const std::string& text);
    void SetByteOrder(bool intel);
    template <class Real> void ConvertReal(Real value);

    IHexToolHost& m_host;
};

} // namespace tarvo

// The calculator form's state and key handlers: the entry, both displays, the equation text,
// the parenthesis levels, memory, functions. Widgets call the handlers; the host shows state.
#pragma once

#include "CalculatorDoc.h"
#include "CalculatorHost.h"
#include "SettingsStore.h"

#include <array>
#include <memory>
#include <string>

namespace tarvo {

class CCalculatorView {
public:
    static constexpr int kLevelTableSize = 99;

    CCalculatorView(CCalculatorDoc& doc, ICalculatorHost& host, ISettingsStore& settings);
    ~CCalculatorView();
    CCalculatorView(const CCalculatorView&) = delete;
    CCalculatorView& operator=(const CCalculatorView&) = delete;

    // Keypad entry.
    void OnDigit(int digit);
    void OnDecimalPoint();
    void OnExponent();
    void OnChangeSign();
    void OnBackspace();
    void OnClearEntry();
    void OnClear();
    void OnClearToResult();
    void OnScientificNotation();

    // Operators, parentheses and equals.
    void OnDivide();
    void OnMultiply();
    void OnSubtract();
    void OnAdd();
    void OnOpenParen();
    void OnCloseParen();
    void OnEquals();

    // Memory, transfer register and angle units.
    void OnMemoryStore();
    void OnMemoryRecall();
    void OnTransferRecall();
    void OnAngleMode();
    void OnHyperbolic();

    // Functions.
    void OnReciprocal();
    void OnPercent();
    void OnSquare();
    void OnSquareRoot();
    void OnExp();
    void OnLn();
    void OnTenPower();
    void OnLog();
    void OnPower();
    void OnRoot();
    void OnPi();
    void OnSin();
    void OnCos();
    void OnTan();
    void OnAsin();
    void OnAcos();
    void OnAtan();
    void OnFactorial();

    CCalcLevel& CurrentLevel() { return *m_doc.m_pCurrentLevel; }
    std::string AngleCaption() const;

    std::string m_strSmallDisplay;
    std::string m_strLargeDisplay;
    std::string m_strEquation;
    std::string m_strParenStatus;
    int m_bResultShown = 0;
    int m_bExponentEntry = 0;
    int m_bRecalcRunning = 0;
    int m_nEquationCount = 0;
    int m_nLastLineEnd = 0;
    int m_nAngleMode = 0;
    int m_bHyperbolic = 0;
    int m_nOpenLevel = -1;

private:
    // Shared routines of the keys.
    void EnterText(const std::string& text);
    double GetCurrentOperand();
    double GetFunctionArgument(const std::string& tag);
    void ShowFunctionResult(const std::string& tag, double value);
    void ScrollLargeDisplay();
    void FormatDisplayValue(double value);
    bool CheckMathError();
    void ShowSmallDisplay();
    void AppendToLargeDisplay(const std::string& text);
    void SetParenStatus();

    // The parenthesis level table.
    void OpenLevel();
    std::string CloseLevel();
    void DeleteOpenLevels();

    // Pieces of the keys.
    void ApplyOperatorKey(const char* segment, int op);
    void CompletePendingPower();
    void ChangeExponentSign();
    void ChangeValueSign();
    void StoreOperandValue(double value);
    void RecallRegister(double value);
    double BeginFunction(const std::string& tag);
    void FinishFunction(const std::string& tag, double result);
    void ComputeUnary(const std::string& tag, double (*compute)(double));
    void ComputeTrig(const std::string& tag, double (*circular)(double),
                     double (*hyperbolic)(double));
    void ComputeInverseTrig(const std::string& tag, double (*inverse)(double));
    void ComputeWithZeroError(const std::string& tag, double (*compute)(double),
                              const char* recalcText);
    void ShowConstantResult(const std::string& tag);
    double StartPower(const std::string& tag);
    void ShowPowerResult(double result, const char* nanText);

    CCalculatorDoc& m_doc;
    ICalculatorHost& m_host;
    ISettingsStore& m_settings;
    std::array<std::unique_ptr<CCalcLevel>, kLevelTableSize> m_pLevels;
    int m_nMathError = 0; // the functions' error indicator
};

} // namespace tarvo

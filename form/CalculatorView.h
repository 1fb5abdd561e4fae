// The calculator form's state and key handlers: the entry, both displays, the equation text,
// the parenthesis levels, memory, functions. Widgets call the handlers; the host shows state.
#pragma once

#include "CalculatorDoc.h"
#include "CalculatorHost.h"
#include "MathError.h"
#include "SettingsStore.h"
#include "UndoMemory.h"

#include <optional>
#include <string>

namespace tarvo {

struct RecalcToken;

// The angle unit of the trigonometric keys, switched in this order.
enum class AngleMode { Degrees, Radians, Grads };

class CCalculatorView {
public:
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

    // Equation edit, ReCalc and the undo memory.
    void ReCalc();
    // The calculation that the browser left in the settings replaces or follows the equation.
    void LoadCalculation(LoadMode mode);
    void OnUndo();
    void OnRedo();
    void OnClearUndoMemory();

    // Notifications of the displays, from the window.
    void OnLargeDisplaySetFocus();
    void OnLargeDisplayKillFocus();
    // The user replaced `removed` characters from `start` on by `inserted`.
    void OnLargeDisplayChange(std::size_t start, std::size_t removed, const std::string& inserted);
    void OnSmallDisplaySetFocus();
    void OnSmallDisplayKillFocus();
    void OnSmallDisplayChange();

    // Keyboard captions and the clipboard.
    void OnShowAcceleratorKeys();
    void OnEditCopy();
    void OnEditPaste();

    // Background colour and pattern.
    void OnSetBackgroundColor();
    void OnResetSystemColor();
    void OnSetDesktopColor();
    void OnSetPattern(BackgroundHatch hatch);

    // Start-up reads the settings and restores the last calculation; exit stores it.
    void OnInitialUpdate();
    void OnDestroy();

    CCalcLevel& CurrentLevel() { return m_doc.Levels().Current(); }
    std::string AngleCaption() const;

    std::string m_strSmallDisplay;
    std::string m_strLargeDisplay;
    std::string m_strEquation;
    std::string m_strParenStatus;
    bool m_bResultShown = false;
    bool m_bExponentEntry = false;
    bool m_bRecalcRunning = false;
    int m_nEquationCount = 0;
    int m_nLastLineEnd = 0;
    AngleMode m_nAngleMode = AngleMode::Degrees;
    bool m_bHyperbolic = false;
    bool m_bEditMode = false;
    bool m_bInsertPending = false;
    std::string m_strInsertBuffer;
    int m_nCaretPos = 0;
    int m_nFirstVisibleLine = 0;
    bool m_bEquationEdited = false;
    bool m_bReplaying = false;
    bool m_bLargeDisplayFocus = false;
    bool m_bSmallDisplayFocus = false;
    bool m_bPlainCaptions = true;
    bool m_bPastePending = false;
    std::string m_strSmallEditText;
    Background m_background;
    CustomColors m_crCustomColors{};

private:
    // Shared routines of the keys.
    void EnterText(const std::string& text);
    double GetCurrentOperand();
    // The operand of a function key; none after an insertion into the edited equation.
    std::optional<double> GetFunctionArgument(const std::string& tag);
    // The operand of a function key: none while the small display is empty.
    std::optional<double> GetDisplayedOperand();
    // The current operand, taken out of the level where a parenthesis delivered it.
    double TakeOperand();
    void ShowFunctionResult(const std::string& tag, double value);
    void ScrollLargeDisplay();
    void FormatDisplayValue(double value);
    bool CheckMathError();
    void SetSmallDisplay(std::string text);
    void ShowSmallDisplay();
    void AppendToLargeDisplay(const std::string& text);
    // The large display shows the text again, which changed after its first characters.
    void ShowLargeDisplayFrom(std::size_t unchanged);
    void SetParenStatus();

    // Insertion into the edited equation, replay and undo.
    bool InsertIntoEditedEquation(const std::string& text, const char* separator = "");
    void AppendToInsertion(const std::string& text, const char* separator = "");
    void InsertAtCaret(const std::string& text);
    void FlushInsertion(const char* separator);
    void ReplaceLargeText(TextSelection selection, const std::string& text);
    void InsertSignChange();
    bool SignChangeFits(std::string text, int caretPos);
    void SetBackgroundColor(Rgb color, ColorSource source);
    struct ReplayState;
    void ReplayEquation();
    void ReplayToken(ReplayState& state, const RecalcToken& token);
    void ReplayNumberKey(ReplayState& state, const RecalcToken& token);
    void ReplayOperator(const ReplayState& state, char symbol);
    void LoadPendingCalculation();
    void ShowReplayedText();
    void FinishReplayedEquations();
    void TakeUndoSnapshot();
    void ReplayUndoEntry();

    // The parenthesis levels; the small display no longer shows the current level's entry.
    void OpenLevel();
    // The text of the level's value; none when its division failed and the level stays open.
    std::optional<std::string> CloseLevel();
    void DeleteOpenLevels();

    // Pieces of the keys.
    void ApplyOperatorKey(const char* segment, CalcOperator op);
    void CompletePendingPower();
    void ChangeExponentSign();
    void ChangeValueSign();
    bool RemoveSignChangedNumber();
    void StoreOperandValue(double value);
    void RecallRegister(double value);
    std::optional<double> BeginFunction(const std::string& tag);
    void FinishFunction(const std::string& tag, double result);
    void ComputeUnary(const std::string& tag, double (*compute)(double));
    void ComputeTrig(const std::string& tag, double (*circular)(double),
                     double (*hyperbolic)(double));
    void ComputeInverseTrig(const std::string& tag, double (*inverse)(double));
    void ComputeWithZeroError(const std::string& tag, double (*compute)(double),
                              const char* recalcText);
    void ShowConstantResult(const std::string& tag);
    void StartPower(PendingPower kind, const std::string& tag);
    void CompletePower();
    void CompleteRoot();
    void ShowPowerResult(double result, const char* nanText);

    CCalculatorDoc& m_doc;
    ICalculatorHost& m_host;
    ISettingsStore& m_settings;
    MathErrorCode m_nMathError = MATH_OK; // the functions' error indicator
    UndoMemory m_undo;
    // The text the large display shows while a replay runs: the display learns the replay's
    // changes once, at its end.
    std::optional<std::string> m_shownBeforeReplay;
    // Where the equation text ended at the last "=" of the replay running now.
    std::optional<std::size_t> m_replayedEquationLength;
    // The small display holds the current level's entry as EnterText last wrote it.
    bool m_bSmallDisplayIsEntry = false;
};

} // namespace tarvo

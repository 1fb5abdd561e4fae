// The "Nixet" dialog: the hex calculator's keypad and display, the converter's HEX, DECIMAL
// and BINARY fields and the data types, laid out in dialog units. Every button, edit and
// focus change runs a handler of the tool's logic; the host shows what it writes.
#pragma once

#include "HexDialogHost.h"
#include "HexTool.h"

#include <QDialog>

#include <map>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvo {

class DialogUnits;
class HexLengthLimit;

class CHexToolDlg : public QDialog {
public:
    explicit CHexToolDlg(ISettingsStore& settings, QWidget* parent = nullptr);
    ~CHexToolDlg() override;

    // The value Transfer took: after an accepted end, the caller hands it to the calculator.
    double TransferValue() const { return m_tool.m_dTransferValue; }
    // Tests answer message boxes here instead of leaving them modal.
    void SetMessagePresenter(MessagePresenter presenter) {
        m_host.SetMessagePresenter(std::move(presenter));
    }

    const CHexTool& Tool() const { return m_tool; }
    QPushButton* Button(int id) const { return m_buttons.at(id); }
    QRadioButton* DataTypeButton(HexDataType type) const { return m_dataTypes.at(type); }
    QLineEdit* Display() const { return m_pDisplay; }
    QLineEdit* HexEdit() const { return m_pHex; }
    QLineEdit* DecimalEdit() const { return m_pDecimal; }
    QLabel* Binary() const { return m_pBinary; }
    const HexLengthLimit& HexLimit() const { return *m_pHexLimit; }
    QPushButton* HelpButton() const { return m_pHelp; }
    QPushButton* OkButton() const { return m_pOk; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // the close box
    void reject() override;                       // the Esc key
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An edit and the tool's notifications of its focus.
    struct FocusHandlers {
        QLineEdit* edit;
        void (CHexTool::*setFocus)();
        void (CHexTool::*killFocus)();
    };

    void CreateFrames(const DialogUnits& units);
    void CreateCalculator(const DialogUnits& units);
    void CreateConverter(const DialogUnits& units);
    void CreateDataTypes(const DialogUnits& units);
    void CreateDialogButtons(const DialogUnits& units);
    void CreateKeyboard();
    void SetTabOrder();
    QLineEdit* NewEdit(const QRect& place, void (CHexTool::*setFocus)(), void (CHexTool::*change)(),
                       void (CHexTool::*killFocus)());
    QLabel* NewStatic(const QString& text, const QRect& place);
    void NewCaption(const QString& text, const QRect& above);
    void End(HexClosing how);

    HexDialogHost m_host;
    CHexTool m_tool;
    std::map<int, QPushButton*> m_buttons;
    std::map<HexDataType, QRadioButton*> m_dataTypes;
    std::vector<FocusHandlers> m_focusHandlers;
    QLineEdit* m_pDisplay = nullptr;
    QLineEdit* m_pHex = nullptr;
    QLineEdit* m_pDecimal = nullptr;
    QLabel* m_pBinary = nullptr;
    HexLengthLimit* m_pHexLimit = nullptr;
    QPushButton* m_pHelp = nullptr;
    QPushButton* m_pOk = nullptr;
};

} // namespace tarvo

// The Help Info dialog: hints on using the calculator, and two buttons that step through the
// keypad's keys one click at a time, each showing what the key it imitates does.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvo {

class DialogUnits;

class CHelpInfoDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHelpInfoDlg(QWidget* parent = nullptr);

    // The demonstration buttons and the definitions beside them.
    QPushButton* TextKeyButton() const { return m_pTextKeyButton; }
    QLabel* TextKeyDefinition() const { return m_pTextKeyDefinition; }
    QPushButton* IconKeyButton() const { return m_pIconKeyButton; }
    QLabel* IconKeyDefinition() const { return m_pIconKeyDefinition; }
    QPushButton* CancelButton() const { return m_pCancelButton; }

private:
    int CreateTextGroups(const DialogUnits& units);
    void CreateButtonDefinitions(const DialogUnits& units, int top);
    void CreateMisc(const DialogUnits& units, int top);

    void OnTextKeyButton();
    void OnIconKeyButton();

    QPushButton* m_pTextKeyButton = nullptr;
    QLabel* m_pTextKeyDefinition = nullptr;
    QPushButton* m_pIconKeyButton = nullptr;
    QLabel* m_pIconKeyDefinition = nullptr;
    QPushButton* m_pCancelButton = nullptr;
    int m_nTextKeyIndex = -1;
    int m_nIconKeyIndex = -1;
};

} // namespace tarvo

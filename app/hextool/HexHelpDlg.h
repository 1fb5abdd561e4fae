// The "Nixet Help" dialog: hints on the hexadecimal tool's two sections and its buttons.
#pragma once

#include <QDialog>

class QPushButton;

namespace tarvo {

class CHexHelpDlg : public QDialog {
public:
    explicit CHexHelpDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

private:
    int CreateHints(int left, int top, int width);

    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};

} // namespace tarvo

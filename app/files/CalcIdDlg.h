// The Calculation ID dialog of Save and Save As.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

namespace tarvo {

enum class CalcIdButton : int { Ok = 1118, Cancel = 1129 };

class CCalcIdDlg : public QDialog {
public:
    explicit CCalcIdDlg(QWidget* parent = nullptr);

    std::string m_strCalcId;
    QLineEdit* Edit() const { return m_edit; }

protected:
    // The title bar's close box saves as OK does.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TakeText();

    QLineEdit* m_edit;
    bool m_bEditFocus = false;
};

} // namespace tarvo

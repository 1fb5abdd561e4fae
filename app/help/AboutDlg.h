// The About box: the program's name, version and maker.
#pragma once

#include <QDialog>

class QPushButton;

namespace tarvo {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_pOkButton; }

private:
    QPushButton* m_pOkButton = nullptr;
};

} // namespace tarvo

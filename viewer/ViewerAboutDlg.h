// The viewer's About box.
#pragma once

#include <QDialog>

class QPushButton;

namespace mirelle {

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_pOkButton; }

private:
    QPushButton* m_pOkButton = nullptr;
};

} // namespace mirelle

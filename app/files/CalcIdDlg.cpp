#include "CalcIdDlg.h"

#include "ControlName.h"
#include "DialogUnits.h"
#include "DisplayText.h"
#include "MenuFocus.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvo {

CCalcIdDlg::CCalcIdDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Calculation ID");
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.X(291), units.Y(90));
    auto* label = new QLabel("Enter Calculation I.D. (64 characters max)", this);
    label->setGeometry(units.Rect(10, 10, 271, 10));
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(units.Rect(10, 26, 271, 14));
    m_edit->setAccessibleName("Calculation ID");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName(ControlName(CalcIdButton::Ok));
    ok->setGeometry(units.Rect(170, 66, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName(ControlName(CalcIdButton::Cancel));
    cancel->setGeometry(units.Rect(231, 66, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (m_bEditFocus)
            TakeText();
    });
    m_edit->installEventFilter(this);
    m_edit->setFocus();
}

void CCalcIdDlg::TakeText() {
    m_strCalcId = ToStdString(m_edit->text());
}

bool CCalcIdDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && !IsMenuFocusChange(*event)) {
        if (event->type() == QEvent::FocusIn)
            m_bEditFocus = true;
        else if (event->type() == QEvent::FocusOut)
            m_bEditFocus = false;
        else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                TakeText();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CCalcIdDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    accept();
}

} // namespace tarvo

#include "ViewerAboutDlg.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace mirelle {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Mirelle");
    const int em = fontMetrics().height();

    auto* icon = new QLabel;
    icon->setPixmap(windowIcon().pixmap(2 * em, 2 * em));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel("Mirelle 2.0");
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    name->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(em / 4);
    texts->addWidget(name);
    texts->addWidget(new QLabel("The manual viewer of the Tarvo calculator"));
    texts->addWidget(new QLabel("Drelkin Software"));

    auto* top = new QHBoxLayout;
    top->setSpacing(em);
    top->addWidget(icon);
    top->addLayout(texts);

    m_pOkButton = new QPushButton("OK");
    m_pOkButton->setDefault(true);
    connect(m_pOkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(em);
    layout->addLayout(top);
    layout->addWidget(m_pOkButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace mirelle

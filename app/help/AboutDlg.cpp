#include "AboutDlg.h"

#include "DialogUnits.h"
#include "Icons.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tarvo {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Tarvo");
    setFont(DialogFont());
    const DialogUnits units(font());

    const int side = units.Y(20);
    auto* icon = new QLabel;
    icon->setPixmap(ApplicationIcon().pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel("Tarvo 2.0");
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    name->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(units.Y(2));
    texts->addWidget(name);
    texts->addWidget(new QLabel("Scientific calculator"));
    texts->addWidget(new QLabel("Drelkin Software"));

    auto* top = new QHBoxLayout;
    top->setSpacing(units.X(12));
    top->addWidget(icon);
    top->addLayout(texts);

    m_pOkButton = new QPushButton("OK");
    m_pOkButton->setDefault(true);
    m_pOkButton->setFixedSize(units.X(50), units.Y(14));
    connect(m_pOkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.X(12), units.Y(10), units.X(12), units.Y(8));
    layout->setSpacing(units.Y(8));
    layout->addLayout(top);
    layout->addWidget(m_pOkButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tarvo

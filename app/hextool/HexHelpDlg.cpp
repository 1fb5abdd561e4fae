#include "HexHelpDlg.h"

#include "DialogLabels.h"
#include "DialogUnits.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace tarvo {

namespace {

struct Hint {
    const char* text;
    int indent; // dialog units
};

constexpr int kOperationIndent = 10;

constexpr Hint kHints[] = {
    {"Nixet is divided into two functional sections, Hex Calculator and Hex Converter.", 0},
    {"The Hex Calculator only functions with integral data types such as short, long, and "
     "chars.  It does not function with reals such as floats or doubles. ",
     0},
    {"The Hex Converter can convert between Hex and Decimal or Decimal and Hex for all integral "
     "types but will only convert from Decimal to Hex for real types.",
     0},
    {"Transfer - transfers the decimal display value to the Memory Transfer (XF)", 0},
    {"Button Operations :", 0},
    {"CLR  Clears display to start new calculation", kOperationIndent},
    {"%  Modulus operator", kOperationIndent},
    {"~ Complement operator", kOperationIndent},
    {"^  Exclusive OR operator", kOperationIndent},
    {"&  Bitwise AND operator", kOperationIndent},
    {"|  Bitwise OR operator", kOperationIndent},
    {"<<  Shift Left operator,  >>  Shift Right operator", kOperationIndent},
    {"=  Equal, displays total or subtotal", kOperationIndent},
    {"Mot/Int switches between Big Endian (Motorola or Raw) data storage format and Little "
     "Endian (Intel) format.",
     0},
};

constexpr const char* kWebAddress = "www.drelkin-software.example";

// Geometry in dialog units; the heights of the texts follow from how they wrap.
constexpr int kDialogWidth = 260;
constexpr int kMargin = 7;
constexpr int kIconSide = 20;
constexpr int kBesideGap = 8;
constexpr int kInset = 7;
constexpr int kTitleHeight = 13;
constexpr int kHintGap = 3;
constexpr int kOperationGap = 1;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

} // namespace

CHexHelpDlg::CHexHelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Nixet Help");
    setFont(DialogFont());
    const DialogUnits units(font());

    NewApplicationIcon(this, QPoint(units.X(kMargin), units.Y(kMargin)), units.Y(kIconSide));

    const int groupLeft = kMargin + kIconSide + kBesideGap;
    const int groupWidth = kDialogWidth - kMargin - groupLeft;
    const int groupBottom = CreateHints(units.X(groupLeft), units.Y(kMargin), units.X(groupWidth));

    auto* address = new QLabel(kWebAddress, this);
    address->setGeometry(units.X(groupLeft), groupBottom + units.Y(kHintGap), units.X(groupWidth),
                         address->sizeHint().height());

    const int buttonTop = address->geometry().bottom() + units.Y(kMargin);
    const int right = units.X(kDialogWidth - kMargin);
    m_pCancel = new QPushButton("Cancel", this);
    m_pCancel->setGeometry(right - units.X(kButtonWidth), buttonTop, units.X(kButtonWidth),
                           units.Y(kButtonHeight));
    m_pOk = new QPushButton("OK", this);
    m_pOk->setGeometry(m_pCancel->x() - units.X(kMargin + kButtonWidth), buttonTop,
                       units.X(kButtonWidth), units.Y(kButtonHeight));
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(units.X(kDialogWidth), m_pOk->geometry().bottom() + 1 + units.Y(kMargin));
}

// The frame with the hints stacked inside, each as tall as it wraps; returns its bottom.
int CHexHelpDlg::CreateHints(int left, int top, int width) {
    const DialogUnits units(font());
    auto* frame = new QGroupBox(" Hints and Instructions ", this);
    int y = top + units.Y(kTitleHeight);
    for (const Hint& hint : kHints) {
        if (&hint != kHints) // the button operations stand closer together
            y += units.Y(hint.indent ? kOperationGap : kHintGap);
        const int x = left + units.X(kInset + hint.indent);
        const int textWidth = left + width - units.X(kInset) - x;
        QLabel* label = NewWrappedText(hint.text, this);
        const int height = label->heightForWidth(textWidth);
        label->setGeometry(x, y, textWidth, height);
        y += height;
    }
    const int bottom = y + units.Y(kInset);
    frame->setGeometry(left, top, width, bottom - top);
    return bottom;
}

} // namespace tarvo

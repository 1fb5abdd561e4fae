#include "HelpInfoDlg.h"

#include "DialogLabels.h"
#include "DialogUnits.h"
#include "Icons.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <iterator>
#include <span>

namespace tarvo {

namespace {

// A hint and the number of lines it wraps to across a group box.
struct HelpText {
    const char* text;
    int lines;
};

constexpr HelpText kBasicOperations[] = {
    {"CE clears entry, Clear clears all, CTR clears to result on large display", 1},
    {"Use Menu->Settings->Topmost Window to have the calculator always remain the top window", 1},
    {"Use Menu->Settings->Precision to set the number of decimal places (2, 6 or  10)", 1},
    {"Use Menu->Settings->Key Sound On to turn on key click sound feeback", 1},
    {"Use Menu->Help->Show Accelerator Keys to view the accelerator keys ", 1},
    {"hyp check box is used to activate hyperbolic sine, (sin) cosine (cos), or tangent (tan)", 1},
    {"To input a negative number, input the number then hit the change sign button (+/-).   To "
     "input a negative exponent, input the exponent then hit the change sign button (+/-).",
     2},
};

constexpr HelpText kEditCalcFunctions[] = {
    {"Equations shown in the large display can be edited and recalculated with new values or "
     "functions",
     1},
    {"Use the backspace key,  <- to edit an equation before the equal key is pressed", 1},
    {"Once the equal key has been pressed.  you can edit the calculation shown in the large "
     "display and then recalculate with the new values or functions",
     2},
    {"Use the cursor to select the display item to be changed and the numeric buttons to change "
     "values or the function buttons to change functions",
     2},
    {"After the display has been edited, press the RC (recalc) button to recalculate with the "
     "edit changes",
     1},
    {"The Undo and Redo buttons are used to return to previous calculations", 1},
    {"To edit the sign of a number, place cursor BEHIND the desired number and press the change "
     "sign button (+/-).  Place the cursor BEHIND e to change the sign of an exponent.",
     2},
    {"Maximum level of parenthesis is 100", 1},
    {"Order of Precedence for arithmetic operations: multiplication and division (* ,  / ) then "
     "addition and subtraction ( + ,  -)",
     2},
};

struct TextGroup {
    const char* title;
    std::span<const HelpText> texts;
};

constexpr TextGroup kTextGroups[] = {
    {"Basic Operations", kBasicOperations},
    {"Edit Calc Funtions", kEditCalcFunctions},
};

// What a demonstration button shows and the key's definition.
struct KeyDefinition {
    const char* shown; // the caption
    const char* definition;
};

// A key shown as an icon, with the name a screen reader gives it.
struct IconKeyDefinition {
    const char* shown; // the icon
    const char* name;
    const char* definition;
};

constexpr KeyDefinition kTextKeys[] = {
    {"=", "Equals, =, shows results of current calculation"},
    {"%", "Percent, [%], multiplies number by 0.01"},
    {"1/x", "Reciprocal, [1/x], gives the reciprocal of a number"},
    {"pi", "pi constant, [pi], equals 3.14159265358979"},
    {"CE", "Clear Entry, clears current entry in Small Display"},
    {"Clear", "Clear, clears current calculation and resets"},
    {"(", "Open Parenthesis, (, used to separate operators for clarity and begins a "
          "subcalculation"},
    {")", "Close Parenthesis, ). used to separate operators for clarity and completes a "
          "subcalculation"},
    {"E", "Converts number to scientific notation format"},
    {"n !", "gives the factorial, [n!], of the argument"},
    {"<-", "Backspace, backspace edit for Small Display"},
    {"sin", "sine, [sin],takes the sine of a number"},
    {"cos", "cosine, [cos], takes the cosine of a number"},
    {"tan", "tangent, [tan], takes the tangent of a number"},
    {"asin", "arc sine, [asin], takes the inverse sine of a number"},
    {"acos", "arc cosine, [acos], takes the inverse cosine of a number"},
    {"atan", "arc tangent, [atan], takes the inverse tangent of a number"},
    {"deg", "deg - rad - grad, toggles to set angular units"},
    {"+/-", "sign change or takes negative, [neg], of the argument"},
    {"FE", "toggles small display between scientific notation and floating point"},
};

constexpr IconKeyDefinition kIconKeys[] = {
    {"divide", "Divide", "Division"},
    {"multiply", "Multiply", "Multiplication"},
    {"subtract", "Subtract", "Subtraction"},
    {"add", "Add", "Addition"},
    {"square", "Square", "Square, [x^2], squares the value displayed"},
    {"sqrt", "Square root", "Square Root, [sqrt], takes the square root of a number"},
    {"power", "y to the power x",
     "Exponent Function, y to the x power, [y^x], the 1st number entered is base (y), "
     "the 2nd number entered is the exponent (x)"},
    {"root", "x-th root of y",
     "Calculates the xth root of y, [y^1/x], 1st number entered is base (y), the 2nd "
     "number entered is the xth root"},
    {"exp", "e to the power x", "inverse natural log, [e^x], takes e raised to the x power"},
    {"ln", "Natural logarithm",
     "natural log, [ln], gives the natural logarithm \n(base e) of the displayed value"},
    {"tenpower", "10 to the power x",
     "inverse log (base 10), [10^x] displays 1 x 10 to the x power"},
    {"log", "Logarithm",
     "log (base 10), [log], takes the base 10 logarithm of the value in the display"},
    {"ms", "Memory store", "MS, memory store - stores the Small Display number into memory"},
    {"mr", "Memory recall", "MR, memory recall - recalls the Small Display number from memory"},
    {"xfer", "Transfer recall",
     "XF, memory transfer - loads the value transfered into the Memory Transfer Register"},
    {"recalc", "ReCalc", "RC, ReCalc, recalulates edit modified equation in Large Display."},
    {"undo", "Undo",
     "Undo, undoes last edit operation in Large Display.  There are 20 levels of undo"},
    {"redo", "Redo",
     "Redo, redoes last edit operation in Large Display.  There are 20 levels of redo"},
    {"ctr", "Clear to result", "Clear To Result, clears all Large Display data except the result"},
};

// Geometry in dialog units.
constexpr int kDialogWidth = 386;
constexpr int kDialogHeight = 334;
constexpr int kMargin = 7;       // dialog edge to group box, and between side-by-side boxes
constexpr int kGroupGap = 5;     // between stacked group boxes
constexpr int kInset = 7;        // group box side to its contents
constexpr int kTitleHeight = 15; // group box top to its first control, below title and frame
constexpr int kBottomInset = 5;  // last control to the group box bottom
constexpr int kLineHeight = 8;
constexpr int kTextGap = 2;
constexpr int kBesideGap = 6; // a button or icon to the text beside it
constexpr int kGroupWidth = kDialogWidth - 2 * kMargin;

// Bottom row: the definitions box, and the Misc box above Cancel.
constexpr int kMiscWidth = 120;
constexpr int kDefinitionsWidth = kGroupWidth - kMiscWidth - kMargin;
constexpr int kKeyButtonWidth = 26; // a keypad button, slightly enlarged
constexpr int kKeyButtonHeight = 18;
constexpr int kDefinitionLines = 3;
constexpr int kKeyRowHeight = kDefinitionLines * kLineHeight;
constexpr int kKeyRowGap = 4;
constexpr int kBottomGroupHeight = kTitleHeight + 2 * kKeyRowHeight + kKeyRowGap + kBottomInset;
constexpr int kIconSide = 20;
constexpr int kMiscTextLines = 3;
constexpr int kCancelWidth = 50;
constexpr int kCancelHeight = 14;

QLabel* NewText(const QString& text, QWidget* parent) {
    QLabel* label = NewWrappedText(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A group box with its hints stacked inside; returns the box's bottom.
int CreateTextGroup(QWidget* dialog, const DialogUnits& units, const TextGroup& group, int top) {
    auto* box = new QGroupBox(group.title, dialog);
    int y = top + kTitleHeight;
    for (const HelpText& text : group.texts) {
        const int height = text.lines * kLineHeight;
        NewText(text.text, dialog)
            ->setGeometry(units.Rect(kMargin + kInset, y, kGroupWidth - 2 * kInset, height));
        y += height + kTextGap;
    }
    const int bottom = y - kTextGap + kBottomInset;
    box->setGeometry(units.Rect(kMargin, top, kGroupWidth, bottom - top));
    return bottom;
}

} // namespace

CHelpInfoDlg::CHelpInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Help Info");
    setFont(DialogFont());
    const DialogUnits units(font());

    const int top = CreateTextGroups(units) + kGroupGap;
    CreateButtonDefinitions(units, top);
    CreateMisc(units, top);

    // Cancel closes the column under Misc, level with the bottom of the definitions.
    m_pCancelButton = new QPushButton("Cancel", this);
    m_pCancelButton->setGeometry(units.Rect(kDialogWidth - kMargin - kCancelWidth,
                                            top + kBottomGroupHeight - kCancelHeight, kCancelWidth,
                                            kCancelHeight));
    connect(m_pCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(units.X(kDialogWidth), units.Y(kDialogHeight));
}

int CHelpInfoDlg::CreateTextGroups(const DialogUnits& units) {
    int top = kMargin;
    for (const TextGroup& group : kTextGroups)
        top = CreateTextGroup(this, units, group, top) + kGroupGap;
    return top - kGroupGap;
}

void CHelpInfoDlg::CreateButtonDefinitions(const DialogUnits& units, int top) {
    auto* box = new QGroupBox("Button Definitions", this);
    box->setGeometry(units.Rect(kMargin, top, kDefinitionsWidth, kBottomGroupHeight));

    const int buttonLeft = kMargin + kInset + 1;
    const int textLeft = buttonLeft + kKeyButtonWidth + kBesideGap;
    const int textWidth = kMargin + kDefinitionsWidth - kInset - textLeft;
    const auto newRow = [&](int y, QPushButton*& button, QLabel*& definition) {
        const int buttonTop = y + (kKeyRowHeight - kKeyButtonHeight) / 2;
        button = new QPushButton(this);
        button->setGeometry(units.Rect(buttonLeft, buttonTop, kKeyButtonWidth, kKeyButtonHeight));
        definition = NewText(QString(), this);
        definition->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        definition->setGeometry(units.Rect(textLeft, y, textWidth, kKeyRowHeight));
    };
    const int firstRow = top + kTitleHeight;
    newRow(firstRow, m_pTextKeyButton, m_pTextKeyDefinition);
    newRow(firstRow + kKeyRowHeight + kKeyRowGap, m_pIconKeyButton, m_pIconKeyDefinition);

    // Before the first click each button shows its first key, with no definition yet.
    m_pTextKeyButton->setText(kTextKeys[0].shown);
    // The icon as on the keypad, its letters as tall as the captions'.
    m_pIconKeyButton->setIconSize(KeyIconSize(font(), m_pIconKeyButton->size() - QSize(6, 4)));
    m_pIconKeyButton->setIcon(KeyIcon(kIconKeys[0].shown, QString(), *m_pIconKeyButton));
    m_pIconKeyButton->setAccessibleName(kIconKeys[0].name);
    for (QPushButton* button : {m_pTextKeyButton, m_pIconKeyButton})
        button->setAccessibleDescription("Shows the next key and its definition");

    connect(m_pTextKeyButton, &QPushButton::clicked, this, &CHelpInfoDlg::OnTextKeyButton);
    connect(m_pIconKeyButton, &QPushButton::clicked, this, &CHelpInfoDlg::OnIconKeyButton);
}

void CHelpInfoDlg::CreateMisc(const DialogUnits& units, int top) {
    const int left = kMargin + kDefinitionsWidth + kMargin;
    const int contentTop = top + kTitleHeight;
    const int textHeight = kMiscTextLines * kLineHeight;
    auto* box = new QGroupBox("Misc", this);
    box->setGeometry(units.Rect(left, top, kMiscWidth, kTitleHeight + textHeight + kBottomInset));

    NewApplicationIcon(this, QPoint(units.X(left + kInset), units.Y(contentTop)),
                       units.Y(kIconSide));

    const int textLeft = left + kInset + kIconSide + kBesideGap;
    NewText("Additional Help information is available in the Tarvo User Manual", this)
        ->setGeometry(
            units.Rect(textLeft, contentTop, left + kMiscWidth - kInset - textLeft, textHeight));
}

void CHelpInfoDlg::OnTextKeyButton() {
    m_nTextKeyIndex = (m_nTextKeyIndex + 1) % static_cast<int>(std::size(kTextKeys));
    const KeyDefinition& key = kTextKeys[m_nTextKeyIndex];
    m_pTextKeyButton->setText(key.shown);
    m_pTextKeyDefinition->setText(key.definition);
}

void CHelpInfoDlg::OnIconKeyButton() {
    m_nIconKeyIndex = (m_nIconKeyIndex + 1) % static_cast<int>(std::size(kIconKeys));
    const auto& key = kIconKeys[m_nIconKeyIndex];
    m_pIconKeyButton->setIcon(KeyIcon(key.shown, QString(), *m_pIconKeyButton));
    m_pIconKeyButton->setAccessibleName(key.name);
    m_pIconKeyDefinition->setText(key.definition);
}

} // namespace tarvo

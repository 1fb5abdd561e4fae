#include "HelpInfoDlg.h"

#include "DialogUnits.h"
#include "Icons.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

struct Hint {
    const char* group;
    const char* text;
};

const Hint kHints[] = {
    {"Basic Operations",
     "CE clears entry, Clear clears all, CTR clears to result on large display"},
    {"Basic Operations",
     "Use Menu->Settings->Topmost Window to have the calculator always remain the top window"},
    {"Basic Operations",
     "Use Menu->Settings->Precision to set the number of decimal places (2, 6 or  10)"},
    {"Basic Operations", "Use Menu->Settings->Key Sound On to turn on key click sound feeback"},
    {"Basic Operations", "Use Menu->Help->Show Accelerator Keys to view the accelerator keys "},
    {"Basic Operations",
     "hyp check box is used to activate hyperbolic sine, (sin) cosine (cos), or tangent (tan)"},
    {"Basic Operations",
     "To input a negative number, input the number then hit the change sign button (+/-).   To "
     "input a negative exponent, input the exponent then hit the change sign button (+/-)."},
    {"Edit Calc Funtions", "Equations shown in the large display can be edited and recalculated "
                           "with new values or functions"},
    {"Edit Calc Funtions",
     "Use the backspace key,  <- to edit an equation before the equal key is pressed"},
    {"Edit Calc Funtions",
     "Once the equal key has been pressed.  you can edit the calculation shown in the large "
     "display and then recalculate with the new values or functions"},
    {"Edit Calc Funtions",
     "Use the cursor to select the display item to be changed and the numeric buttons to change "
     "values or the function buttons to change functions"},
    {"Edit Calc Funtions", "After the display has been edited, press the RC (recalc) button to "
                           "recalculate with the edit changes"},
    {"Edit Calc Funtions", "The Undo and Redo buttons are used to return to previous calculations"},
    {"Edit Calc Funtions",
     "To edit the sign of a number, place cursor BEHIND the desired number and press the change "
     "sign button (+/-).  Place the cursor BEHIND e to change the sign of an exponent."},
    {"Edit Calc Funtions", "Maximum level of parenthesis is 100"},
    {"Edit Calc Funtions",
     "Order of Precedence for arithmetic operations: multiplication and division (* ,  / ) then "
     "addition and subtraction ( + ,  -)"},
    {"Misc", "Additional Help information is available in the Tarvo User Manual"},
};

struct Shown {
    const char* shown; // caption, or icon name
    const char* definition;
};

const Shown kTextKeys[] = {
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

const Shown kIconKeys[] = {
    {"divide", "Division"},
    {"multiply", "Multiplication"},
    {"subtract", "Subtraction"},
    {"add", "Addition"},
    {"square", "Square, [x^2], squares the value displayed"},
    {"sqrt", "Square Root, [sqrt], takes the square root of a number"},
    {"power", "Exponent Function, y to the x power, [y^x], the 1st number entered is base (y), "
              "the 2nd number entered is the exponent (x)"},
    {"root", "Calculates the xth root of y, [y^1/x], 1st number entered is base (y), the 2nd "
             "number entered is the xth root"},
    {"exp", "inverse natural log, [e^x], takes e raised to the x power"},
    {"ln", "natural log, [ln], gives the natural logarithm \n(base e) of the displayed value"},
    {"tenpower", "inverse log (base 10), [10^x] displays 1 x 10 to the x power"},
    {"log", "log (base 10), [log], takes the base 10 logarithm of the value in the display"},
    {"ms", "MS, memory store - stores the Small Display number into memory"},
    {"mr", "MR, memory recall - recalls the Small Display number from memory"},
    {"xfer", "XF, memory transfer - loads the value transfered into the Memory Transfer Register"},
    {"recalc", "RC, ReCalc, recalulates edit modified equation in Large Display."},
    {"undo", "Undo, undoes last edit operation in Large Display.  There are 20 levels of undo"},
    {"redo", "Redo, redoes last edit operation in Large Display.  There are 20 levels of redo"},
    {"ctr", "Clear To Result, clears all Large Display data except the result"},
};

QImage IconImage(const QIcon& icon, QSize size) {
    return icon.pixmap(size).toImage();
}

// Whether the button shows the key icon of that name.
bool ShowsIcon(const QPushButton* button, const char* name) {
    return IconImage(button->icon(), button->iconSize()) ==
           IconImage(KeyIcon(name, QString(), *button), button->iconSize());
}

// A word-wrapped text shows whole when its label is tall enough for the wrapped lines.
bool ShowsWhole(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

const QGroupBox* FindGroup(const QDialog& dialog, const char* title) {
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == title)
            return box;
    return nullptr;
}

TEST(HelpInfoDlgTest, IsAFixedDialogOfItsSizeInDialogUnits) {
    CHelpInfoDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Help Info");
    const DialogUnits units(DialogFont());
    const QSize expected(units.X(386), units.Y(334));
    EXPECT_EQ(dialog.minimumSize(), expected);
    EXPECT_EQ(dialog.maximumSize(), expected);
}

TEST(HelpInfoDlgTest, EveryHintStandsWholeInItsGroupBox) {
    CHelpInfoDlg dialog;
    for (const Hint& hint : kHints) {
        SCOPED_TRACE(hint.text);
        const QGroupBox* group = FindGroup(dialog, hint.group);
        ASSERT_NE(group, nullptr) << hint.group;
        int found = 0;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text() != hint.text)
                continue;
            ++found;
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(group->geometry().contains(label->geometry()));
            EXPECT_TRUE(ShowsWhole(label));
        }
        EXPECT_EQ(found, 1);
    }
    EXPECT_NE(FindGroup(dialog, "Button Definitions"), nullptr);
}

TEST(HelpInfoDlgTest, ControlsDoNotOverlapAndStayInside) {
    CHelpInfoDlg dialog;
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QGroupBox*>(child))
            controls << child;
    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 4);
    for (const QGroupBox* group : groups)
        EXPECT_TRUE(dialog.rect().contains(group->geometry())) << group->title().toStdString();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        EXPECT_TRUE(dialog.rect().contains(place)) << i;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place.intersects(controls[j]->geometry())) << i << " and " << j;
    }
    for (qsizetype i = 0; i < groups.size(); ++i)
        for (qsizetype j = i + 1; j < groups.size(); ++j)
            EXPECT_FALSE(groups[i]->geometry().intersects(groups[j]->geometry()));
}

TEST(HelpInfoDlgTest, EachDefinitionStandsBesideItsButton) {
    CHelpInfoDlg dialog;
    const QRect group = FindGroup(dialog, "Button Definitions")->geometry();
    const struct {
        const char* name;
        QPushButton* button;
        QLabel* definition;
    } rows[] = {
        {"text key", dialog.TextKeyButton(), dialog.TextKeyDefinition()},
        {"icon key", dialog.IconKeyButton(), dialog.IconKeyDefinition()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect button = row.button->geometry();
        const QRect definition = row.definition->geometry();
        EXPECT_TRUE(group.contains(button));
        EXPECT_TRUE(group.contains(definition));
        EXPECT_GT(definition.left(), button.right());
        EXPECT_TRUE(definition.top() <= button.center().y() &&
                    button.center().y() <= definition.bottom());
    }
}

TEST(HelpInfoDlgTest, OpensShowingTheFirstKeysWithoutDefinitions) {
    CHelpInfoDlg dialog;
    EXPECT_EQ(dialog.TextKeyButton()->text(), "=");
    EXPECT_EQ(dialog.TextKeyDefinition()->text(), "");
    EXPECT_TRUE(dialog.IconKeyButton()->text().isEmpty());
    EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), "divide"));
    EXPECT_EQ(dialog.IconKeyDefinition()->text(), "");
}

TEST(HelpInfoDlgTest, TextButtonStepsThroughTheKeysAndStartsOver) {
    CHelpInfoDlg dialog;
    ASSERT_EQ(std::size(kTextKeys), 20u);
    for (int round = 0; round < 2; ++round) {
        for (const Shown& key : kTextKeys) {
            SCOPED_TRACE(std::to_string(round) + " " + key.shown);
            dialog.TextKeyButton()->click();
            EXPECT_EQ(dialog.TextKeyButton()->text(), key.shown);
            EXPECT_EQ(dialog.TextKeyDefinition()->text(), key.definition);
            EXPECT_TRUE(ShowsWhole(dialog.TextKeyDefinition()));
        }
    }
    EXPECT_EQ(dialog.IconKeyDefinition()->text(), "");
    EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), "divide"));
}

TEST(HelpInfoDlgTest, IconButtonStepsThroughTheKeysAndStartsOver) {
    CHelpInfoDlg dialog;
    ASSERT_EQ(std::size(kIconKeys), 19u);
    for (int round = 0; round < 2; ++round) {
        for (const Shown& key : kIconKeys) {
            SCOPED_TRACE(std::to_string(round) + " " + key.shown);
            dialog.IconKeyButton()->click();
            EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), key.shown));
            EXPECT_EQ(dialog.IconKeyDefinition()->text(), key.definition);
            EXPECT_TRUE(ShowsWhole(dialog.IconKeyDefinition()));
        }
    }
    EXPECT_EQ(dialog.TextKeyButton()->text(), "=");
    EXPECT_EQ(dialog.TextKeyDefinition()->text(), "");
}

// Otherwise the icon button would not visibly change on a click.
TEST(HelpInfoDlgTest, NeighbouringKeyIconsLookDifferent) {
    QPushButton button;
    button.setIconSize(QSize(48, 32));
    const auto image = [&](const char* name) {
        return IconImage(KeyIcon(name, QString(), button), button.iconSize());
    };
    for (size_t i = 0; i < std::size(kIconKeys); ++i) {
        const char* name = kIconKeys[i].shown;
        const char* next = kIconKeys[(i + 1) % std::size(kIconKeys)].shown;
        EXPECT_NE(image(name), image(next)) << name << " and " << next;
    }
}

TEST(HelpInfoDlgTest, CancelClosesIt) {
    CHelpInfoDlg dialog;
    dialog.open();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace tarvo

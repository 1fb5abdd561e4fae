// The Calculation ID dialog on the offscreen platform: what is typed becomes the ID, and how
// each way of ending it is taken.
#include "CalcIdDlg.h"
#include "ControlName.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tarvo {
namespace {

void ShowActive(CCalcIdDlg& dialog) {
    dialog.open();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(dialog.Edit()->hasFocus());
}

// Typed one character at a time, as key events carrying text (QTest's keys are ASCII only).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void Click(CCalcIdDlg& dialog, CalcIdButton id) {
    auto* button = dialog.findChild<QPushButton*>(ControlName(id));
    ASSERT_NE(button, nullptr) << static_cast<int>(id);
    button->click();
}

struct EndingCase {
    const char* name;
    QString typed;
    std::function<void(CCalcIdDlg&)> end;
    int result;
    std::string id; // when accepted
};

const EndingCase kEndingCases[] = {
    {"OkButton", "first calc", [](CCalcIdDlg& d) { Click(d, CalcIdButton::Ok); }, QDialog::Accepted,
     "first calc"},
    {"EnterKey", "by enter", [](CCalcIdDlg& d) { QTest::keyClick(d.Edit(), Qt::Key_Return); },
     QDialog::Accepted, "by enter"},
    {"CloseBoxSavesAsOkDoes", "closed", [](CCalcIdDlg& d) { d.close(); }, QDialog::Accepted,
     "closed"},
    {"EmptyIdIsAccepted", "", [](CCalcIdDlg& d) { Click(d, CalcIdButton::Ok); }, QDialog::Accepted,
     ""},
    {"IdOverSixtyFourCharactersIsWhole", QString(70, 'a') + QString(30, 'b'),
     [](CCalcIdDlg& d) { Click(d, CalcIdButton::Ok); }, QDialog::Accepted,
     std::string(70, 'a') + std::string(30, 'b')},
    {"NonAsciiIdAsUtf8",
     QString::fromUtf8("Gr\xc3\xb6\xc3\x9f"
                       "e"),
     [](CCalcIdDlg& d) { Click(d, CalcIdButton::Ok); }, QDialog::Accepted,
     "Gr\xc3\xb6\xc3\x9f"
     "e"},
    {"CancelButton", "x", [](CCalcIdDlg& d) { Click(d, CalcIdButton::Cancel); }, QDialog::Rejected,
     ""},
    {"EscapeKey", "x", [](CCalcIdDlg& d) { QTest::keyClick(d.Edit(), Qt::Key_Escape); },
     QDialog::Rejected, ""},
};

void PrintTo(const EndingCase& row, std::ostream* out) {
    *out << row.name;
}

class CalcIdDlgEndingTest : public ::testing::TestWithParam<EndingCase> {};

TEST_P(CalcIdDlgEndingTest, TypedTextBecomesTheIdWhenAccepted) {
    const EndingCase& row = GetParam();
    CCalcIdDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Calculation ID");
    EXPECT_EQ(dialog.m_strCalcId, "");
    ShowActive(dialog);
    Type(dialog.Edit(), row.typed);
    row.end(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), row.result);
    if (row.result == QDialog::Accepted) {
        EXPECT_EQ(dialog.m_strCalcId, row.id);
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, CalcIdDlgEndingTest, ::testing::ValuesIn(kEndingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcIdDlgTest, ChangesWhileTheEditLacksTheFocusWaitForEnter) {
    CCalcIdDlg dialog;
    ShowActive(dialog);
    QTest::keyClicks(dialog.Edit(), "typed");
    auto* ok = dialog.findChild<QPushButton*>(ControlName(CalcIdButton::Ok));
    ok->setFocus();
    dialog.Edit()->setText("set from elsewhere");
    EXPECT_EQ(dialog.m_strCalcId, "typed");
    QTest::keyClick(dialog.Edit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strCalcId, "set from elsewhere");
}

TEST(CalcIdDlgTest, LabelAndButtons) {
    CCalcIdDlg dialog;
    const auto labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(), "Enter Calculation I.D. (64 characters max)");
    const auto* ok = dialog.findChild<QPushButton*>(ControlName(CalcIdButton::Ok));
    const auto* cancel = dialog.findChild<QPushButton*>(ControlName(CalcIdButton::Cancel));
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dialog.Edit()->maxLength(), QLineEdit().maxLength()); // no limit of its own
}

} // namespace
} // namespace tarvo

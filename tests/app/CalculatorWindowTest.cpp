// The calculator window on the offscreen platform, with the real settings store in a
// temporary folder; message boxes are answered through the host.
#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo {
namespace {

class CalculatorWindowTest : public ::testing::Test {
protected:
    CalculatorWindowTest() {
        m_host.SetMessagePresenter(
            [this](QWidget* owner, const QString& title, const QString& text, MessageButtons) {
                m_messages.push_back(title + " | " + text);
                m_owners.push_back(owner);
                return MessageAnswer::Yes;
            });
    }

    CMainFrame& Start() {
        m_doc.OnNewDocument();
        m_frame = std::make_unique<CMainFrame>(m_doc, m_host, m_settings);
        return *m_frame;
    }
    CMainFrame& StartShown() {
        Start().show();
        m_frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        return *m_frame;
    }

    CalculatorForm& Form() { return m_frame->Form(); }
    void Click(std::initializer_list<int> ids) {
        for (const int id : ids)
            Form().Button(id)->click();
    }
    QString Small() { return Form().SmallDisplay()->text(); }
    QString Large() { return Form().LargeDisplay()->toPlainText(); }
    bool Checked(int command) {
        m_frame->UpdateCheckMarks();
        return m_frame->Command(command)->isChecked();
    }
    void Trigger(int command) { m_frame->Command(command)->trigger(); }
    int Stored(const char* key) { return m_settings.ReadSettingInt("Settings", key, -99); }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    FormHost m_host;
    CCalculatorDoc m_doc{m_host};
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<QString> m_messages;
    std::vector<QWidget*> m_owners;
};

// Key ids of the digits and operators used below.
enum : int { K2 = 1003, K3 = 1004, K4 = 1005, K5 = 1006, K7 = 1008, K0 = 1011 };
enum : int { ADD = 1013, MUL = 1014, DIV = 1015, EQUALS = 1019, RC = 1053, ANGLE = 1043 };

TEST_F(CalculatorWindowTest, FirstStartShowsTheDefaults) {
    CMainFrame& frame = StartShown();
    EXPECT_EQ(frame.windowTitle(), "Drelkin Software - Tarvo 2.0");
    EXPECT_TRUE(Checked(32786));
    for (const int unchecked : {32784, 32780, 32789, 32790, 32773, 32792, 32801, 32802, 32772})
        EXPECT_FALSE(Checked(unchecked)) << unchecked;
    EXPECT_TRUE(Checked(32797));
    EXPECT_EQ(Form().View().m_crBackground, 6579300u);
    EXPECT_EQ(Form().Button(ANGLE)->text(), "deg");
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    EXPECT_EQ(Large(), "");
}

// A document file named at start takes the company's place in the caption.
TEST_F(CalculatorWindowTest, AnOpenedDocumentNamesTheWindow) {
    const QString path = m_folder.path() + "/sums.txt";
    QFile(path).open(QIODevice::WriteOnly);
    ASSERT_TRUE(m_doc.OnOpenDocument(path.toStdString()));
    m_frame = std::make_unique<CMainFrame>(m_doc, m_host, m_settings);
    EXPECT_EQ(m_frame->windowTitle(), "sums.txt - Tarvo 2.0");
}

TEST_F(CalculatorWindowTest, StartRestoresTheStoredSettingsAndLastCalculation) {
    m_settings.WriteSettingInt("Settings", "Save Last", 1);
    m_settings.WriteSettingString("Settings", "Last Calc", "2 + 3 * 4 = 0; \r\n");
    m_settings.WriteSettingInt("Settings", "LowResolution", 1);
    m_settings.WriteSettingInt("Settings", "NormalResolution", 0);
    m_settings.WriteSettingInt("Settings", "Key Sound", 1);
    m_settings.WriteSettingInt("Settings", "Background Hatch", 4);
    m_settings.WriteSettingInt("Settings", "Color Flag", 2);
    Start();
    EXPECT_EQ(Large(), "2 + 3 * 4 = 14.00; \n");
    EXPECT_EQ(Small(), "14.00");
    for (const int checked : {32784, 32789, 32790, 32799, 32802})
        EXPECT_TRUE(Checked(checked)) << checked;
    EXPECT_FALSE(Checked(32786));
}

TEST_F(CalculatorWindowTest, ButtonsRunTheirKeys) {
    Start();
    Click({K2, ADD, K3, MUL, K4, EQUALS});
    EXPECT_EQ(Small(), "14");
    EXPECT_EQ(Large(), "2 + 3 * 4 = 14; \n");
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Current Calc"), "2 + 3 * 4 = 14; \r\n");
}

TEST_F(CalculatorWindowTest, KeyboardKeysRunTheirCommandsWhateverHasTheFocus) {
    StartShown();
    QWidget* target = Form().Button(K7);
    QTest::keyClicks(target, "2+3*4");
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(Small(), "14");
    QTest::keyClicks(target, "9");
    QTest::keyClick(target, Qt::Key_Q); // square root
    EXPECT_EQ(Small(), "3");
    QTest::keyClick(target, Qt::Key_D); // angle unit
    EXPECT_EQ(Form().Button(ANGLE)->text(), "rad");
    QTest::keyClick(target, Qt::Key_L); // Clear
    EXPECT_EQ(Large(), "");
}

// Named keys match only with the modifiers of their table entry.
TEST_F(CalculatorWindowTest, ShiftedNamedKeysAreNoAccelerators) {
    StartShown();
    QWidget* target = Form().Button(K7);
    QTest::keyClicks(target, "12+3");
    QTest::keyClick(target, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(target, Qt::Key_Backspace, Qt::ShiftModifier);
    QTest::keyClick(target, Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(Small(), "3");
    QTest::keyClick(target, Qt::Key_F9);
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Small(), "9");
}

TEST_F(CalculatorWindowTest, ShiftSInTheFocusedLargeDisplayInsertsTheSineTag) {
    StartShown();
    Click({K2, EQUALS});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus();
    QTextCursor cursor = large->textCursor();
    cursor.setPosition(1);
    large->setTextCursor(cursor);
    QTest::keyClick(large, Qt::Key_S, Qt::ShiftModifier);
    // The tag, and a blank after its first character, as every insertion at the caret.
    EXPECT_EQ(Large(), "2  [sin]  = 2; \n");
}

// A menu only borrows the focus: the equation display keeps its edit state, and letters typed
// while the menu bar is in keyboard mode choose menus, not keys.
TEST_F(CalculatorWindowTest, TheMenuBarBorrowsTheFocusWithoutEndingAnEdit) {
    StartShown();
    Click({K2, EQUALS});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(Form().View().m_bLargeDisplayFocus, 1);
    m_frame->menuBar()->setFocus(Qt::MenuBarFocusReason);
    QTest::keyClick(m_frame->menuBar(), Qt::Key_S);
    large->setFocus(Qt::MenuBarFocusReason);
    EXPECT_EQ(Form().View().m_bLargeDisplayFocus, 1);
    EXPECT_EQ(Form().View().m_bInsertPending, 0);
    EXPECT_EQ(m_doc.BaseLevel().GetMemory(), 0.0);
}

TEST_F(CalculatorWindowTest, CaptionsSwitchBetweenPlainAndKeyNames) {
    Start();
    const qint64 plainIcon = Form().Button(ADD)->icon().cacheKey();
    Trigger(32772);
    EXPECT_TRUE(Checked(32772));
    EXPECT_EQ(Form().Button(1001)->text(), "&1");
    EXPECT_EQ(Form().Button(1010)->text(), "&9");
    EXPECT_EQ(Form().Button(1042)->text(), "^&sin");
    EXPECT_EQ(Form().Button(ANGLE)->text(), "&deg");
    EXPECT_NE(Form().Button(ADD)->icon().cacheKey(), plainIcon);
    Trigger(32772);
    EXPECT_EQ(Form().Button(1001)->text(), "1");
    EXPECT_EQ(Form().Button(1010)->text(), "9");
    EXPECT_EQ(Form().Button(ANGLE)->text(), "deg");
    EXPECT_EQ(Form().Button(ADD)->icon().cacheKey(), plainIcon);
}

TEST_F(CalculatorWindowTest, AnEditedCalculationIsRecalculated) {
    StartShown();
    Click({K2, ADD, K3, EQUALS});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus();
    QTextCursor cursor = large->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    cursor.insertText("4");
    Click({RC});
    EXPECT_EQ(Large(), "2 + 4 = 6; \n");
    EXPECT_EQ(Small(), "6");
}

TEST_F(CalculatorWindowTest, PasteIntoTheSmallDisplayBecomesTheEntry) {
    StartShown();
    QGuiApplication::clipboard()->setText("12.5");
    QLineEdit* small = Form().SmallDisplay();
    small->setFocus();
    QTest::keyClick(small, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Large(), "12.5");
    Click({MUL, K2, EQUALS});
    EXPECT_EQ(Small(), "25");
}

TEST_F(CalculatorWindowTest, CopyTakesTheSelectionOfTheFocusedDisplay) {
    StartShown();
    Click({K2, ADD, K3, EQUALS});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus();
    large->selectAll();
    QTest::keyClick(large, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2 + 3 = 5; \n");
}

TEST_F(CalculatorWindowTest, PrecisionItemsCheckAndStoreWithTheirToggleRule) {
    Start();
    Trigger(32780);
    EXPECT_TRUE(Checked(32780));
    EXPECT_FALSE(Checked(32786));
    EXPECT_EQ(Stored("HighResolution"), 1);
    EXPECT_EQ(Stored("NormalResolution"), 0);
    Trigger(32780);
    EXPECT_FALSE(Checked(32780));
    EXPECT_EQ(Stored("HighResolution"), 1);
}

TEST_F(CalculatorWindowTest, KeySoundAndTopmostAreStoredAtOnce) {
    Start();
    Trigger(32790);
    EXPECT_TRUE(Checked(32790));
    EXPECT_EQ(Stored("Key Sound"), 1);
    Trigger(32773);
    EXPECT_TRUE(Checked(32773));
    EXPECT_TRUE(m_frame->windowFlags() & Qt::WindowStaysOnTopHint);
    Trigger(32773);
    EXPECT_EQ(Stored("Topmost"), 0);
}

// Any stored value but 0 keeps the window on top; only 1 shows the check mark.
TEST_F(CalculatorWindowTest, TopmostOtherThanOneIsOnTopWithoutCheckMark) {
    m_settings.WriteSettingInt("Settings", "Topmost", 2);
    Start();
    EXPECT_TRUE(m_frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(Checked(32773));
    Trigger(32773);
    EXPECT_TRUE(Checked(32773));
    EXPECT_EQ(Stored("Topmost"), 1);
}

TEST_F(CalculatorWindowTest, PatternAndColorChoicesAreStored) {
    Start();
    Trigger(32799);
    EXPECT_EQ(Stored("Background Hatch"), 4);
    EXPECT_TRUE(Checked(32799));
    Trigger(32801);
    EXPECT_EQ(Stored("Color Flag"), 0);
    EXPECT_TRUE(Checked(32801));
    EXPECT_EQ(Stored("Background Color"), static_cast<int>(Form().View().m_crBackground));
}

TEST_F(CalculatorWindowTest, ExitStoresTheLastCalculationWhenRemembered) {
    Start();
    Trigger(32789);
    Click({K7, EQUALS});
    Trigger(57665);
    EXPECT_EQ(Stored("Save Last"), 1);
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Last Calc"), "7 = 7; \r\n");
}

TEST_F(CalculatorWindowTest, ExitWithoutRememberingStoresOnlyTheChoice) {
    Start();
    Click({K7, EQUALS});
    m_frame->close();
    EXPECT_EQ(Stored("Save Last"), 0);
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Last Calc", "none"), "none");
}

TEST_F(CalculatorWindowTest, MessagesGoThroughTheHostWithTheirTitles) {
    Start();
    Click({K5, DIV, K0, EQUALS});
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].startsWith("Tarvo 2.0 | Error - Illegal divide by zero!"));
    EXPECT_EQ(m_owners, std::vector<QWidget*>{m_frame.get()});
}

TEST_F(CalculatorWindowTest, TheParenthesisStatusIsPaintedOnTheForm) {
    Start();
    Click({1029});
    EXPECT_EQ(m_host.ParenStatus(), "Open Parentheses = 1");
    Click({1030});
    EXPECT_EQ(m_host.ParenStatus(), "");
}

} // namespace
} // namespace tarvo

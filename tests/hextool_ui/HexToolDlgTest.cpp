// The "Nixet" dialog on the offscreen platform, with the real settings store in a temporary
// folder; message boxes are answered through the host.
#include "HexToolDlg.h"
#include "Background.h"
#include "HexLengthLimit.h"
#include "IniSettingsStore.h"
#include "RecordedPresenter.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo {
namespace {

enum : int { K0 = 1078, K1 = 1058, K2, K3, K4, K5, K6, K7, K8, K9 };
enum : int { KF = 1072, CLR = 1081, ADD = 1073, SUB = 1074, EQUALS = 1077 };
enum : int { MOT = 1086, TRANSFER = 1099 };

class HexToolDlgTest : public ::testing::Test {
protected:
    CHexToolDlg& Open() {
        m_dialog = std::make_unique<CHexToolDlg>(m_settings);
        m_dialog->SetMessagePresenter(m_boxes.Presenter());
        return *m_dialog;
    }
    CHexToolDlg& OpenShown() {
        Open().show();
        m_dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
        return *m_dialog;
    }
    void Click(std::initializer_list<int> ids) {
        for (const int id : ids)
            m_dialog->Button(id)->click();
    }
    // Clicks into the edit, selects its text and types over it.
    void TypeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString Display() const { return m_dialog->Display()->text(); }
    QString Hex() const { return m_dialog->HexEdit()->text(); }
    QString Decimal() const { return m_dialog->DecimalEdit()->text(); }
    QString Binary() const { return m_dialog->Binary()->text(); }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    std::unique_ptr<CHexToolDlg> m_dialog;
    test::RecordedPresenter m_boxes;
};

TEST_F(HexToolDlgTest, OpensOnUnsignedLongWithEmptyDisplays) {
    CHexToolDlg& dialog = Open();
    for (const HexDataTypeInfo& type : HexDataTypes())
        EXPECT_EQ(dialog.DataTypeButton(type.type)->isChecked(),
                  type.type == HexDataType::UnsignedLong)
            << type.token;
    EXPECT_EQ(dialog.Button(MOT)->text(), "Mot");
    EXPECT_EQ(Display(), "");
    EXPECT_EQ(Hex(), "");
    EXPECT_EQ(Binary(), "");
}

TEST_F(HexToolDlgTest, KeysShowTheirOutcomeInAllFourDisplays) {
    Open();
    Click({K5, ADD, K3, EQUALS});
    EXPECT_EQ(Display(), "8");
    EXPECT_EQ(Hex(), "00000008");
    EXPECT_EQ(Decimal(), "8");
    EXPECT_EQ(Binary(), "0000 0000 0000 0000 0000 0000 0000 1000");
    Click({MOT});
    EXPECT_EQ(m_dialog->Button(MOT)->text(), "Int");
    EXPECT_EQ(Hex(), "08000000");
    EXPECT_EQ(Binary(), "0000 1000 0000 0000 0000 0000 0000 0000 ");
    m_dialog->DataTypeButton(HexDataType::Char)->click();
    EXPECT_FALSE(m_dialog->DataTypeButton(HexDataType::UnsignedLong)->isChecked());
    Click({K3, SUB, K5, EQUALS});
    EXPECT_EQ(Display(), "FFFFFFFE");
    EXPECT_EQ(Decimal(), "-2");
    EXPECT_EQ(Binary(), "1111 1110");
}

TEST_F(HexToolDlgTest, KeysUnderARealTypeShowTheMessage) {
    CHexToolDlg& dialog = Open();
    dialog.DataTypeButton(HexDataType::Double)->click();
    Click({K5});
    EXPECT_EQ(m_boxes.messages, std::vector<std::string>{
                                    "ERROR | Must select Integral Data Type for this function."});
    EXPECT_EQ(m_boxes.owners, std::vector<QWidget*>{&dialog});
    EXPECT_EQ(Display(), "");
}

TEST_F(HexToolDlgTest, TypingIntoTheConverterConverts) {
    CHexToolDlg& dialog = OpenShown();
    dialog.DataTypeButton(HexDataType::Char)->click();
    TypeInto(dialog.HexEdit(), "FF");
    EXPECT_EQ(Decimal(), "-1");
    EXPECT_EQ(Binary(), "1111 1111");
    TypeInto(dialog.DecimalEdit(), "300");
    EXPECT_EQ(Hex(), "12C"); // the typed value, before the cut to a byte
    EXPECT_EQ(Binary(), "0010 1100");
    EXPECT_EQ(Display(), "");
    TypeInto(dialog.HexEdit(), "123");
    EXPECT_EQ(Hex(), "12");
}

TEST_F(HexToolDlgTest, ALongerHexTextKeepsItsLengthUntilItIsShortEnough) {
    CHexToolDlg& dialog = OpenShown();
    dialog.DataTypeButton(HexDataType::Long)->click();
    TypeInto(dialog.DecimalEdit(), "-1");
    ASSERT_EQ(Hex(), "FFFFFFFF");
    dialog.DataTypeButton(HexDataType::Char)->click();
    QLineEdit* hex = dialog.HexEdit();
    hex->setFocus();
    hex->end(false);
    QTest::keyClicks(hex, "1");
    EXPECT_EQ(Hex(), "FFFFFFFF");
    for (int length = 7; length >= 2; --length) {
        QTest::keyClick(hex, Qt::Key_Backspace);
        QTest::keyClicks(hex, "1"); // refused while the text is not shorter than two
        EXPECT_EQ(Hex(), QString(length, 'F')) << length;
    }
    QTest::keyClick(hex, Qt::Key_Backspace);
    QTest::keyClicks(hex, "1");
    EXPECT_EQ(Hex(), "F1");
    EXPECT_EQ(Decimal(), "-15");
}

TEST_F(HexToolDlgTest, TypingIntoTheDisplayEntersTheOperand) {
    CHexToolDlg& dialog = OpenShown();
    TypeInto(dialog.Display(), "1F");
    EXPECT_EQ(Hex(), "1F");
    EXPECT_EQ(Decimal(), "31");
    EXPECT_TRUE(dialog.Tool().m_bDisplayFocus);
    dialog.Button(ADD)->setFocus(); // leaving the display refreshes every display
    EXPECT_FALSE(dialog.Tool().m_bDisplayFocus);
    Click({ADD, K1, EQUALS});
    EXPECT_EQ(Display(), "20");
}

TEST_F(HexToolDlgTest, FocusFlagsFollowTheFocusButNotAContextMenu) {
    CHexToolDlg& dialog = OpenShown();
    dialog.HexEdit()->setFocus();
    EXPECT_TRUE(dialog.Tool().m_bHexFocus);
    dialog.DecimalEdit()->setFocus();
    EXPECT_FALSE(dialog.Tool().m_bHexFocus);
    EXPECT_TRUE(dialog.Tool().m_bDecimalFocus);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(dialog.DecimalEdit(), &popup);
    EXPECT_TRUE(dialog.Tool().m_bDecimalFocus);
}

TEST_F(HexToolDlgTest, EveryWayOfClosingEndsAccepted) {
    const struct {
        const char* name;
        void (*close)(CHexToolDlg& dialog);
    } ways[] = {
        {"OK", [](CHexToolDlg& d) { d.OkButton()->click(); }},
        {"Esc", [](CHexToolDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](CHexToolDlg& d) { d.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        CHexToolDlg& dialog = OpenShown();
        Click({KF, TRANSFER, CLR}); // Transfer takes the DECIMAL text and does not close
        EXPECT_TRUE(dialog.isVisible());
        Click({K5, TRANSFER}); // pressed again, it replaces the value
        way.close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.TransferValue(), 5.0);
        EXPECT_EQ(dialog.Tool().m_strHex, "5");
        EXPECT_EQ(dialog.Tool().m_strDecimal, "5");
    }
}

TEST_F(HexToolDlgTest, HelpOpensTheNixetHelpModally) {
    CHexToolDlg& dialog = OpenShown();
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* help = QApplication::activeModalWidget();
        title = help->windowTitle();
        help->close();
    });
    dialog.HelpButton()->click();
    EXPECT_EQ(title, "Nixet Help");
    EXPECT_TRUE(dialog.isVisible());
}

// "=" has the focus at first; typed digits, letters and operators press the keys, Enter "=",
// while the converter's edits keep what is typed into them.
TEST_F(HexToolDlgTest, TypedKeysPressTheKeypadOutsideTheEdits) {
    OpenShown();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, m_dialog->Button(EQUALS));
    QTest::keyClicks(focused, "a+F");
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(Display(), "19");
    QTest::keyClicks(focused, "8<2=");
    EXPECT_EQ(Display(), "20");
    TypeInto(m_dialog->HexEdit(), "ff");
    EXPECT_EQ(Hex(), "ff");
    EXPECT_EQ(Decimal(), "255");
    EXPECT_EQ(Display(), "20");
}

TEST_F(HexToolDlgTest, PaintsWithTheStoredColourAndHatch) {
    const Rgb green = 0x00A000;
    m_settings.WriteSettingInt("Settings", "Background Color", static_cast<int>(green));
    m_settings.WriteSettingInt("Settings", "Background Hatch", 6);
    Open();
    const QImage solid = m_dialog->grab().toImage();
    EXPECT_EQ(solid.pixelColor(2, 2), ToQColor(green));

    m_settings.WriteSettingInt("Settings", "Background Hatch", 4);
    Open();
    const QImage hatched = m_dialog->grab().toImage();
    bool white = false;
    bool lines = false;
    for (int x = 0; x < 16; ++x) {
        white |= hatched.pixelColor(x, 2) == Qt::white;
        lines |= hatched.pixelColor(x, 2) == ToQColor(green);
    }
    EXPECT_TRUE(white && lines);
    for (const QLabel* label : m_dialog->findChildren<QLabel*>()) { // texts on plain colour
        EXPECT_TRUE(label->autoFillBackground()) << label->text().toStdString();
        EXPECT_EQ(label->palette().color(label->backgroundRole()), ToQColor(green));
    }
    const QRadioButton* radio = m_dialog->DataTypeButton(HexDataType::Int);
    EXPECT_EQ(radio->palette().color(radio->backgroundRole()), ToQColor(green));
}

} // namespace
} // namespace tarvo

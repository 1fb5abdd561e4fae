// The statistics dialog on the offscreen platform, with the real settings store in a
// temporary folder; message boxes are answered through the presenter.
#include "StatisticsDlg.h"
#include "DialogUnits.h"
#include "IniSettingsStore.h"
#include "RecordedPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo {
namespace {

// Control ids.
enum : int { K1 = 1001, K2 = 1003, K5 = 1006, K7 = 1008, SIGN = 1017, ENTER = 1023, CLR = 1021 };
enum : int { BACK = 1022, HELP = 1098, TRANSFER = 1099, OK = 1118, SAMPLE = 1026 };
enum : int { SUM_RADIO = 1113, MEAN_RADIO = 1114, SD1_RADIO = 1117 };
enum : int { SUM = 1032, MEAN = 1014, VAR = 1015, SD = 1018, SD1 = 1019 };

const char kWorkedSample[] = "2, 4, 4, 4, 5, 5, 7, 9, ";

class StatisticsDlgTest : public ::testing::Test {
protected:
    CStatisticsDlg& Open(const std::string& stored = "") {
        m_settings.WriteSettingString("Settings", "Sumra1", stored);
        m_dialog = std::make_unique<CStatisticsDlg>(m_settings, m_boxes.Presenter());
        m_dialog->show();
        m_dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
        return *m_dialog;
    }

    QAbstractButton* Button(int id) {
        return qobject_cast<QAbstractButton*>(m_dialog->Control(id));
    }
    // A person's click: the button takes the focus first.
    void Click(std::initializer_list<int> ids) {
        for (const int id : ids)
            QTest::mouseClick(Button(id), Qt::LeftButton);
    }
    QString Text(int id) { return qobject_cast<QLineEdit*>(m_dialog->Control(id))->text(); }
    QString Sample() { return m_dialog->Sample()->toPlainText(); }
    QString Count() { return m_dialog->CountStatic()->text(); }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    test::RecordedPresenter m_boxes;
    std::unique_ptr<CStatisticsDlg> m_dialog;
};

struct Placed {
    int id;
    const char* caption; // nullptr: not a button
    QRect rect;          // dialog units; an empty size checks the position only
};

// The corners of the keypad and its side column, every result row, the buttons on the right.
const Placed kPlaces[] = {
    {SAMPLE, nullptr, {9, 11, 303, 25}},
    {K7, "7", {14, 64, 18, 14}},
    {K5, "5", {35, 80, 18, 14}},
    {SIGN, "+/-", {56, 114, 18, 14}},
    {K2, "2", {35, 97, 18, 14}},
    {CLR, "CLR", {86, 64, 31, 14}},
    {BACK, "<--", {86, 97, 31, 14}},
    {ENTER, "Enter", {86, 113, 31, 14}},
    {SUM_RADIO, "Sum", {136, 45, 58, 0}},
    {SUM, nullptr, {198, 45, 70, 14}},
    {MEAN, nullptr, {198, 62, 70, 14}},
    {VAR, nullptr, {198, 80, 70, 14}},
    {SD, nullptr, {198, 99, 70, 14}},
    {SD1_RADIO, "Std Dev (n-1)", {136, 117, 58, 0}},
    {SD1, nullptr, {198, 117, 70, 14}},
    {HELP, "Help", {283, 44, 0, 0}},
    {TRANSFER, "Transfer", {283, 62, 0, 0}},
    {OK, "OK", {279, 117, 0, 0}},
};

TEST_F(StatisticsDlgTest, IsLaidOutInDialogUnits) {
    CStatisticsDlg& dialog = Open();
    EXPECT_EQ(dialog.windowTitle(), "Tarvo Statistics");
    const DialogUnits units(DialogFont());
    EXPECT_EQ(dialog.minimumSize(), QSize(units.X(323), units.Y(146)));
    EXPECT_EQ(dialog.maximumSize(), dialog.minimumSize());
    for (const Placed& place : kPlaces) {
        SCOPED_TRACE(place.id);
        const QRect actual = dialog.Control(place.id)->geometry();
        const QRect& r = place.rect;
        const QRect expected = units.Rect(r.x(), r.y(), r.width(), r.height());
        EXPECT_EQ(actual.topLeft(), expected.topLeft());
        EXPECT_EQ(r.width() > 0 ? actual.width() : 0, expected.width());
        EXPECT_EQ(r.height() > 0 ? actual.height() : 0, expected.height());
        EXPECT_EQ(place.caption ? Button(place.id)->text() : "",
                  place.caption ? place.caption : "");
    }
    // Inside the dialog, apart from each other, each caption whole.
    QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](QWidget* w) { return qobject_cast<QGroupBox*>(w) != nullptr; });
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        EXPECT_TRUE(dialog.rect().contains(place)) << i;
        if (auto* radio = qobject_cast<QRadioButton*>(controls[i])) {
            EXPECT_LE(radio->sizeHint().width(), radio->width()) << radio->text().toStdString();
        } else if (auto* button = qobject_cast<QPushButton*>(controls[i])) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width());
        }
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place.intersects(controls[j]->geometry())) << i << " and " << j;
    }
}

TEST_F(StatisticsDlgTest, OpensWithTheStoredSampleCountedAndTheKeysAddToIt) {
    CStatisticsDlg& dialog = Open(kWorkedSample);
    EXPECT_EQ(Sample(), kWorkedSample);
    EXPECT_EQ(Count(), "8");
    EXPECT_EQ(QStringList({Text(SUM), Text(MEAN), Text(VAR), Text(SD), Text(SD1)}),
              QStringList({"40.000000", "5.000000", "4.000000", "2.000000", "2.138090"}));
    for (int radio = SUM_RADIO; radio <= SD1_RADIO; ++radio)
        EXPECT_FALSE(Button(radio)->isChecked()) << radio;
    EXPECT_EQ(dialog.focusWidget(), dialog.Control(ENTER));
    Click({K1, SIGN, ENTER});
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Sumra1"),
              std::string(kWorkedSample) + "-1, ");
    Click({CLR});
    EXPECT_EQ(Sample() + Count() + Text(SD1), "");
}

TEST_F(StatisticsDlgTest, KeysInsertAtTheCaretTheDisplayWasLeftWith) {
    CStatisticsDlg& dialog = Open("1, 2, 3, ");
    QPlainTextEdit* display = dialog.Sample();
    display->setFocus();
    QTextCursor cursor = display->textCursor();
    cursor.setPosition(3);
    display->setTextCursor(cursor);
    Click({K7, K5});
    EXPECT_EQ(Sample(), "1, 752, 3, ");
    EXPECT_EQ(display->textCursor().selectedText(), "75");
    Click({ENTER});
    EXPECT_EQ(Text(SUM), "756.000000");
}

TEST_F(StatisticsDlgTest, TypedAndPastedTextStaysOneLineSample) {
    CStatisticsDlg& dialog = Open("1, 2, ");
    QPlainTextEdit* display = dialog.Sample();
    display->setFocus();
    display->moveCursor(QTextCursor::End);
    QTest::keyClicks(display, "3,4");
    EXPECT_EQ(dialog.Tool().m_strSample, "1, 2, 3,4");
    // Return presses the default key, Enter.
    QTest::keyClick(display, Qt::Key_Return);
    EXPECT_EQ(Sample(), "1, 2, 3,4");
    EXPECT_EQ(Count(), "3");
    QGuiApplication::clipboard()->setText("\n5,\r\n6");
    display->paste();
    EXPECT_EQ(dialog.Tool().m_strSample, "1, 2, 3,4 5, 6");
}

TEST_F(StatisticsDlgTest, ALongSampleShowsItsEnd) {
    std::string sample;
    for (int i = 0; i < 100; ++i)
        sample += "12.5, ";
    const QScrollBar* bar = Open(sample).Sample()->horizontalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(StatisticsDlgTest, TheLimitIsReportedInAMessageBox) {
    std::string sample;
    for (int i = 0; i < 100; ++i)
        sample += "1, ";
    Open(sample);
    Click({K2, ENTER});
    EXPECT_EQ(m_boxes.messages,
              std::vector<std::string>{"Warning Message | Maximum number of inputs exceeded"});
    EXPECT_EQ(m_boxes.owners, std::vector<QWidget*>{m_dialog.get()});
    EXPECT_EQ(Count(), "100");
}

TEST_F(StatisticsDlgTest, OkAndTheCloseBoxAcceptEscCancelsTheTransferStays) {
    const std::pair<void (*)(CStatisticsDlg&), QDialog::DialogCode> closings[] = {
        {[](CStatisticsDlg& d) { qobject_cast<QAbstractButton*>(d.Control(OK))->click(); },
         QDialog::Accepted},
        {[](CStatisticsDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
        {[](CStatisticsDlg& d) { d.close(); }, QDialog::Accepted},
    };
    for (const auto& [close, result] : closings) {
        CStatisticsDlg& dialog = Open("7, 9, ");
        Click({SUM_RADIO, MEAN_RADIO});
        EXPECT_FALSE(Button(SUM_RADIO)->isChecked());
        EXPECT_EQ(dialog.TransferValue(), 0.0);
        Click({TRANSFER});
        EXPECT_TRUE(dialog.isVisible());
        close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), result);
        EXPECT_EQ(dialog.TransferValue(), 8.0);
    }
}

TEST_F(StatisticsDlgTest, HelpOpensTheStatisticsHelp) {
    Open(kWorkedSample);
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* help = QApplication::activeModalWidget();
        title = help->windowTitle();
        help->close();
    });
    Click({HELP});
    EXPECT_EQ(title, "Statistics Help");
    EXPECT_EQ(Sample(), kWorkedSample);
}

std::set<QRgb> CornerColors(CStatisticsDlg& dialog) {
    const QImage image = dialog.grab(QRect(0, 0, 12, 12)).toImage();
    std::set<QRgb> colors;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colors.insert(image.pixel(x, y));
    return colors;
}

TEST_F(StatisticsDlgTest, PaintsTheStoredColourAndHatch) {
    EXPECT_EQ(CornerColors(Open()), std::set<QRgb>{qRgb(100, 100, 100)});
    m_settings.WriteSettingInt("Settings", "Background Color", 0x0000FF);
    EXPECT_EQ(CornerColors(Open()), std::set<QRgb>{qRgb(255, 0, 0)});
    m_settings.WriteSettingInt("Settings", "Background Hatch", 4);
    EXPECT_EQ(CornerColors(Open()), (std::set<QRgb>{qRgb(255, 0, 0), qRgb(255, 255, 255)}));
    // The count and the result choices stand on the colour itself, as Nixet's texts do.
    for (QWidget* control : {static_cast<QWidget*>(m_dialog->CountStatic()),
                             m_dialog->Control(SUM_RADIO), m_dialog->Control(SD1_RADIO)}) {
        EXPECT_TRUE(control->autoFillBackground());
        EXPECT_EQ(control->palette().color(control->backgroundRole()), QColor(255, 0, 0));
    }
}

// Typed keys press the keypad's keys while no text field has the focus; Enter is the
// keypad's Enter even on another key.
TEST_F(StatisticsDlgTest, TypedKeysPressTheKeypadOutsideTheSample) {
    Open();
    QWidget* key = Button(K7);
    key->setFocus();
    QTest::keyClicks(key, "12.5");
    QTest::keyClick(key, Qt::Key_Return);
    QTest::keyClicks(key, "34");
    QTest::keyClick(key, Qt::Key_Backspace);
    QTest::keyClick(key, Qt::Key_F9);
    QTest::keyClick(key, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Sample(), "12.5, -3, ");
    EXPECT_EQ(Count(), "2");
    m_dialog->Sample()->setFocus();
    QTest::keyClicks(m_dialog->Sample(), "7");
    EXPECT_EQ(Sample().count('7'), 1); // typed into the text, not pressed as the key
    EXPECT_EQ(Count(), "2");
}

} // namespace
} // namespace tarvo

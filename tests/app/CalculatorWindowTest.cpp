// The calculator window on the offscreen platform, with the real settings store in a
// temporary folder; message boxes are answered through the host.
#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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
    // The large display gains the focus with its caret at this position.
    QPlainTextEdit* FocusLargeAt(int position) {
        QPlainTextEdit* large = Form().LargeDisplay();
        large->setFocus();
        QTextCursor cursor = large->textCursor();
        cursor.setPosition(position);
        large->setTextCursor(cursor);
        return large;
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
    std::string reason;
    ASSERT_TRUE(m_doc.OnOpenDocument(path.toStdString(), reason));
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
    QPlainTextEdit* large = FocusLargeAt(1);
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
    EXPECT_EQ(m_doc.BaseLevel().m_shared.m_dMemory, 0.0);
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

TEST_F(CalculatorWindowTest, TheResultOfALongLineIsInViewAfterEquals) {
    StartShown();
    QTest::keyClicks(Form().Button(K7), "123456789+987654321*2-55555555+4444444444/7+1234567*3=");
    QPlainTextEdit* large = Form().LargeDisplay();
    QTextCursor lineEnd(large->document());
    lineEnd.setPosition(static_cast<int>(Large().indexOf(';')) + 1);
    const QRect place = large->cursorRect(lineEnd);
    EXPECT_GT(large->horizontalScrollBar()->value(), 0);
    EXPECT_GE(place.left(), 0);
    EXPECT_LE(place.right(), large->viewport()->width());
}

TEST_F(CalculatorWindowTest, F9InTheFocusedLargeDisplayInsertsTheSignChangeAtTheCaret) {
    StartShown();
    Click({K2, EQUALS});
    QPlainTextEdit* large = FocusLargeAt(1);
    QTest::keyClick(large, Qt::Key_F9);
    EXPECT_EQ(Large(), "2  [neg]  = 2; \n");
    EXPECT_EQ(Small(), "2");
}

QColor Average(const QImage& image) {
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            red += pixel.redF();
            green += pixel.greenF();
            blue += pixel.blueF();
        }
    const double count = image.width() * image.height();
    return QColor::fromRgbF(red / count, green / count, blue / count);
}

double Distance(const QColor& a, const QColor& b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// The "on" state shows at a glance: the key turns to the selection colour.
TEST_F(CalculatorWindowTest, TheHypKeyTakesTheSelectionColourWhileOn) {
    StartShown();
    QAbstractButton* hyp = Form().Button(1049);
    const QColor selection = hyp->palette().color(QPalette::Highlight);
    const double off = Distance(Average(hyp->grab().toImage()), selection);
    QTest::keyClick(hyp, Qt::Key_H);
    ASSERT_TRUE(hyp->isChecked());
    const double on = Distance(Average(hyp->grab().toImage()), selection);
    EXPECT_LT(on, off / 2);
}

// The rows an icon's ink of this kind covers.
template <class Ink> int InkHeight(const QImage& image, Ink ink) {
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixelColor(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

// Icon letters as tall and as dark as the captions, the key badge's letter as tall too.
TEST_F(CalculatorWindowTest, KeyIconsAndTheirBadgesMatchTheCaptionFont) {
    Start();
    QAbstractButton* store = Form().Button(1022); // MS
    const double capital = QFontMetricsF(store->font()).capHeight();
    const QImage plain = store->icon().pixmap(store->iconSize()).toImage();
    const auto dark = [](const QColor& c) { return c.alpha() > 128 && c.lightness() < 96; };
    EXPECT_NEAR(InkHeight(plain, dark), capital, 2.5);
    const auto darkest = [&] {
        int lightness = 255;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixelColor(x, y).alpha() == 255)
                    lightness = std::min(lightness, plain.pixelColor(x, y).lightness());
        return lightness;
    };
    EXPECT_LE(darkest(), store->palette().color(QPalette::ButtonText).lightness() + 24);
    Trigger(32772);
    const QImage keyed = store->icon().pixmap(store->iconSize()).toImage();
    const auto white = [](const QColor& c) { return c.alpha() > 200 && c.lightness() > 200; };
    EXPECT_NEAR(InkHeight(keyed, white), capital, 1.5);
}

TEST_F(CalculatorWindowTest, TheDisplaysMenusCopyAndPasteAsTheKeysDo) {
    StartShown();
    QGuiApplication::clipboard()->setText("12.5");
    const auto item = [](QMenu& menu, const QString& text) {
        for (QAction* action : menu.actions())
            if (action->text().startsWith(text))
                return action;
        return static_cast<QAction*>(nullptr);
    };
    std::unique_ptr<QMenu> small(Form().DisplayMenu(Form().SmallDisplay()));
    EXPECT_FALSE(item(*small, "&Copy")->isEnabled()); // nothing selected
    item(*small, "&Paste")->trigger();
    EXPECT_EQ(Large(), "12.5");
    Click({MUL, K2, EQUALS});
    std::unique_ptr<QMenu> large(Form().DisplayMenu(Form().LargeDisplay()));
    item(*large, "Select &All")->trigger();
    large.reset(Form().DisplayMenu(Form().LargeDisplay()));
    item(*large, "&Copy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12.5 * 2 = 25; \n");
}

// Answers each modal dialog as it opens until answer says it is done.
void AnswerModals(const std::function<bool(QWidget&)>& answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout,
                     [timer, answer, last = QPointer<QWidget>()]() mutable {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (!modal || modal == last)
                             return;
                         last = modal;
                         if (answer(*modal)) {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start(10);
}

// Save As offers "quenda.txt" beside the current file, in a dialog wide enough for the size,
// type and date of the files.
TEST_F(CalculatorWindowTest, SaveAsStartsInTheFolderOfTheCurrentFile) {
    const QString folder = m_folder.path() + "/calcs";
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"/sums.txt", "/a-rather-long-name-of-a-calculation-file.txt"}) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    m_settings.WriteSettingString("Settings", "Path", (folder + "/sums.txt").toStdString());
    StartShown();
    QString directory;
    QString chosen;
    bool columnsFit = false;
    AnswerModals([&](QWidget& modal) {
        auto* files = qobject_cast<QFileDialog*>(&modal);
        if (!files) {
            qobject_cast<QDialog*>(&modal)->accept(); // the calculation ID
            return false;
        }
        directory = files->directory().absolutePath();
        chosen = files->selectedFiles().value(0);
        auto* view = files->findChild<QTreeView*>("treeView");
        const QModelIndex root = view->rootIndex();
        const bool loaded = QTest::qWaitFor([&] { return view->model()->rowCount(root) == 2; });
        QTest::qWait(50); // the columns follow the rows at the next layout
        columnsFit = loaded && view->header()->length() <= view->viewport()->width();
        for (int column = 1; column < view->header()->count(); ++column)
            for (int row = 0; row < 2; ++row)
                columnsFit =
                    columnsFit &&
                    view->header()->sectionSize(column) >=
                        view->sizeHintForIndex(view->model()->index(row, column, root)).width();
        files->reject();
        return true;
    });
    Trigger(32809);
    EXPECT_EQ(directory, folder);
    EXPECT_EQ(chosen, folder + "/quenda.txt");
    EXPECT_TRUE(columnsFit);
}

} // namespace
} // namespace tarvo

// The calculator window's keys, keyboard, displays and painting.
#include "CalculatorWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>

#include <cmath>

namespace tarvo::test {
namespace {

// A document file named at start takes the company's place in the caption.
TEST_F(CalculatorWindowTest, AnOpenedDocumentNamesTheWindow) {
    const QString path = m_folder.path() + "/sums.txt";
    QFile(path).open(QIODevice::WriteOnly);
    std::string reason;
    ASSERT_TRUE(m_doc.OnOpenDocument(path.toStdString(), reason));
    m_frame = std::make_unique<CMainFrame>(m_doc, m_host, m_settings);
    EXPECT_EQ(m_frame->windowTitle(), "sums.txt - Tarvo 2.0");
}

TEST_F(CalculatorWindowTest, ButtonsRunTheirKeys) {
    Start();
    Click({kKey2, kKeyAdd, kKey3, kKeyMultiply, kKey4, kKeyEquals});
    EXPECT_EQ(Small(), "14");
    EXPECT_EQ(Large(), "2 + 3 * 4 = 14; \n");
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Current Calc"), "2 + 3 * 4 = 14; \r\n");
}

TEST_F(CalculatorWindowTest, KeyboardKeysRunTheirCommandsWhateverHasTheFocus) {
    StartShown();
    QWidget* target = Form().Button(kKey7);
    QTest::keyClicks(target, "2+3*4");
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(Small(), "14");
    QTest::keyClicks(target, "9");
    QTest::keyClick(target, Qt::Key_Q); // square root
    EXPECT_EQ(Small(), "3");
    QTest::keyClick(target, Qt::Key_D); // angle unit
    EXPECT_EQ(Form().Button(kKeyAngle)->text(), "rad");
    QTest::keyClick(target, Qt::Key_L); // Clear
    EXPECT_EQ(Large(), "");
}

// Named keys match only with the modifiers of their table entry.
TEST_F(CalculatorWindowTest, ShiftedNamedKeysAreNoAccelerators) {
    StartShown();
    QWidget* target = Form().Button(kKey7);
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
    Click({kKey2, kKeyEquals});
    QPlainTextEdit* large = FocusLargeAt(1);
    QTest::keyClick(large, Qt::Key_S, Qt::ShiftModifier);
    // The tag, and a blank after its first character, as every insertion at the caret.
    EXPECT_EQ(Large(), "2  [sin]  = 2; \n");
}

TEST_F(CalculatorWindowTest, AnEditedCalculationIsRecalculated) {
    StartShown();
    Click({kKey2, kKeyAdd, kKey3, kKeyEquals});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus();
    QTextCursor cursor = large->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    cursor.insertText("4");
    Click({kKeyRecalc});
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
    Click({kKeyMultiply, kKey2, kKeyEquals});
    EXPECT_EQ(Small(), "25");
}

TEST_F(CalculatorWindowTest, CopyTakesTheSelectionOfTheFocusedDisplay) {
    StartShown();
    Click({kKey2, kKeyAdd, kKey3, kKeyEquals});
    QPlainTextEdit* large = Form().LargeDisplay();
    large->setFocus();
    large->selectAll();
    QTest::keyClick(large, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "2 + 3 = 5; \n");
}

TEST_F(CalculatorWindowTest, MessagesGoThroughTheHostWithTheirTitles) {
    Start();
    Click({kKey5, kKeyDivide, kKey0, kKeyEquals});
    ASSERT_EQ(m_boxes.messages.size(), 1u);
    EXPECT_TRUE(m_boxes.messages[0].starts_with("Tarvo 2.0 | Error - Illegal divide by zero!"));
    EXPECT_EQ(m_boxes.owners, std::vector<QWidget*>{m_frame.get()});
}

TEST_F(CalculatorWindowTest, TheParenthesisStatusIsPaintedOnTheForm) {
    Start();
    Click({kKeyOpenParen});
    EXPECT_EQ(m_host.ParenStatus(), "Open Parentheses = 1");
    Click({kKeyCloseParen});
    EXPECT_EQ(m_host.ParenStatus(), "");
}

TEST_F(CalculatorWindowTest, TheResultOfALongLineIsInViewAfterEquals) {
    StartShown();
    QTest::keyClicks(Form().Button(kKey7),
                     "123456789+987654321*2-55555555+4444444444/7+1234567*3=");
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
    Click({kKey2, kKeyEquals});
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
    QAbstractButton* hyp = Form().Button(kKeyHyperbolic);
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
    QAbstractButton* store = Form().Button(kKeyMemoryStore); // MS
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
    Trigger(Id::ShowAcceleratorKeys);
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
    Click({kKeyMultiply, kKey2, kKeyEquals});
    std::unique_ptr<QMenu> large(Form().DisplayMenu(Form().LargeDisplay()));
    item(*large, "Select &All")->trigger();
    large.reset(Form().DisplayMenu(Form().LargeDisplay()));
    item(*large, "&Copy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12.5 * 2 = 25; \n");
}

} // namespace
} // namespace tarvo::test

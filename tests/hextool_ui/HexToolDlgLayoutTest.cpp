// The "Nixet" dialog's controls where its dialog-unit layout puts them.
#include "DialogUnits.h"
#include "HexToolDlg.h"
#include "IniSettingsStore.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct Placed {
    int id;
    const char* caption;
    int x, y, width, height;
};

// The keypad: five columns, six rows; the last column a unit higher in rows four and five.
const Placed kButtons[] = {
    {1070, "D", 28, 37, 19, 14},          {1071, "E", 49, 37, 19, 14},
    {1072, "F", 70, 37, 19, 14},          {1081, "CLR", 100, 37, 19, 14},
    {1087, "%", 123, 37, 19, 14},         {1067, "A", 28, 53, 19, 14},
    {1068, "B", 49, 53, 19, 14},          {1069, "C", 70, 53, 19, 14},
    {1076, "/", 100, 53, 19, 14},         {1085, "~", 123, 53, 19, 14},
    {1064, "7", 28, 70, 19, 14},          {1065, "8", 49, 70, 19, 14},
    {1066, "9", 70, 70, 19, 14},          {1075, "*", 100, 70, 19, 14},
    {1084, "^", 123, 70, 19, 14},         {1061, "4", 28, 87, 19, 14},
    {1062, "5", 49, 87, 19, 14},          {1063, "6", 70, 87, 19, 14},
    {1074, "-", 100, 87, 19, 14},         {1083, "&&", 123, 86, 19, 14},
    {1058, "1", 28, 103, 19, 14},         {1059, "2", 49, 103, 19, 14},
    {1060, "3", 70, 103, 19, 14},         {1073, "+", 100, 103, 19, 14},
    {1082, "|", 123, 102, 19, 14},        {1079, "<<", 28, 118, 19, 14},
    {1078, "0", 49, 118, 19, 14},         {1080, ">>", 70, 118, 19, 14},
    {1077, "=", 100, 118, 19, 14},        {1086, "Mot", 123, 118, 19, 14},
    {1099, "Transfer", 180, 143, 50, 14},
};

struct PlacedType {
    HexDataType type;
    const char* caption;
    int y;
};

// Radio buttons at x 176, 60 by 10 at most, in steps of 15 units.
const PlacedType kDataTypes[] = {
    {HexDataType::Char, "char", 17},    {HexDataType::UnsignedChar, "unsigned char", 32},
    {HexDataType::Int, "int", 47},      {HexDataType::UnsignedInt, "unsigned int", 62},
    {HexDataType::Long, "long", 77},    {HexDataType::UnsignedLong, "unsigned long", 92},
    {HexDataType::Float, "float", 107}, {HexDataType::Double, "double", 122},
};

class HexToolDlgLayoutTest : public ::testing::Test {
protected:
    QRect Units(int x, int y, int width, int height) const {
        return m_units.Rect(x, y, width, height);
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    CHexToolDlg m_dialog{m_settings};
    DialogUnits m_units{DialogFont()};
};

TEST_F(HexToolDlgLayoutTest, IsAFixedDialogOfItsSizeInDialogUnits) {
    EXPECT_EQ(m_dialog.windowTitle(), "Nixet");
    const QSize expected(m_units.X(245), m_units.Y(230));
    EXPECT_EQ(m_dialog.minimumSize(), expected);
    EXPECT_EQ(m_dialog.maximumSize(), expected);
}

TEST_F(HexToolDlgLayoutTest, EveryButtonStandsInItsPlaceWithItsCaption) {
    for (const Placed& b : kButtons) {
        SCOPED_TRACE(b.caption);
        const QPushButton* button = m_dialog.Button(b.id);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->geometry(), Units(b.x, b.y, b.width, b.height));
    }
    EXPECT_EQ(m_dialog.HelpButton()->geometry(), Units(197, 173, 40, 14));
    EXPECT_EQ(m_dialog.HelpButton()->text(), "Help");
    EXPECT_EQ(m_dialog.OkButton()->geometry(), Units(197, 191, 40, 14));
    EXPECT_EQ(m_dialog.OkButton()->text(), "OK");
    EXPECT_EQ(m_dialog.findChildren<QPushButton*>().size(), std::ssize(kButtons) + 2);
}

TEST_F(HexToolDlgLayoutTest, DataTypesStandOneBelowTheOtherInTheirFrame) {
    for (const PlacedType& t : kDataTypes) {
        SCOPED_TRACE(t.caption);
        const QRadioButton* radio = m_dialog.DataTypeButton(t.type);
        EXPECT_EQ(radio->text(), t.caption);
        const QRect place = Units(176, t.y, 60, 10);
        EXPECT_EQ(radio->geometry().topLeft(), place.topLeft());
        EXPECT_EQ(radio->height(), place.height());
        EXPECT_LE(radio->width(), place.width());
        EXPECT_GE(radio->width(), radio->sizeHint().width()); // the whole caption shows
    }
}

TEST_F(HexToolDlgLayoutTest, EditsAndBinaryStandInTheirPlaces) {
    EXPECT_EQ(m_dialog.Display()->geometry(), Units(16, 18, 143, 14));
    EXPECT_EQ(m_dialog.HexEdit()->geometry(), Units(12, 163, 72, 14));
    EXPECT_EQ(m_dialog.DecimalEdit()->geometry(), Units(90, 163, 72, 14));
    EXPECT_EQ(m_dialog.Binary()->geometry(), Units(13, 199, 147, 18));
    for (const QLineEdit* edit : {m_dialog.Display(), m_dialog.HexEdit(), m_dialog.DecimalEdit()})
        EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    EXPECT_TRUE(m_dialog.Binary()->alignment() & Qt::AlignHCenter);
}

TEST_F(HexToolDlgLayoutTest, FramesAndLabels) {
    const struct {
        const char* title;
        QRect place;
    } frames[] = {{"HEX Calculator", Units(7, 5, 160, 132)},
                  {"HEX Converter", Units(7, 139, 160, 85)},
                  {"Data Types", Units(171, 5, 67, 132)}};
    const QList<QGroupBox*> boxes = m_dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 3);
    for (const auto& frame : frames) {
        const auto box =
            std::ranges::find_if(boxes, [&](auto* b) { return b->title() == frame.title; });
        ASSERT_NE(box, boxes.end()) << frame.title;
        EXPECT_EQ((*box)->geometry(), frame.place);
    }
    QStringList labels;
    for (const QLabel* label : m_dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const char* caption : {"HEX", "DECIMAL", "BINARY"})
        EXPECT_TRUE(labels.contains(caption)) << caption;
}

TEST_F(HexToolDlgLayoutTest, ControlsDoNotOverlapAndStayInside) {
    QList<QWidget*> controls;
    for (QWidget* child : m_dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QGroupBox*>(child))
            controls << child;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        EXPECT_TRUE(m_dialog.rect().contains(place)) << i;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place.intersects(controls[j]->geometry())) << i << " and " << j;
    }
}

// The longest renderings: 32 bits on one line, and a double on two.
TEST_F(HexToolDlgLayoutTest, EveryBitPatternFitsTheBinaryDisplay) {
    const QLabel* binary = m_dialog.Binary();
    const QFontMetrics metrics(binary->font());
    const QString line = "1111 1111 1111 1111 1111 1111 1111 1111 ";
    const QRect needed =
        metrics.boundingRect(binary->contentsRect(), Qt::AlignCenter, line + "\n" + line);
    EXPECT_TRUE(binary->contentsRect().contains(needed))
        << needed.width() << 'x' << needed.height() << " in " << binary->contentsRect().width()
        << 'x' << binary->contentsRect().height();
}

} // namespace
} // namespace tarvo

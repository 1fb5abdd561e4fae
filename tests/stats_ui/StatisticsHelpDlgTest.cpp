#include "StatisticsHelpDlg.h"
#include "GoldenTexts.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(StatisticsHelpDlgTest, ShowsItsTextsWholeInOrder) {
    const std::vector<std::string> texts = test::ReadGoldenTexts("StatisticsHelpDlg.txt")[""];
    CStatisticsHelpDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Statistics Help");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), static_cast<qsizetype>(texts.size()));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QLabel* label = labels[i];
        const std::string& text = texts[static_cast<std::size_t>(i)];
        SCOPED_TRACE(text);
        EXPECT_EQ(label->text().toStdString(), text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
        EXPECT_TRUE(dialog.rect().contains(label->geometry()));
        if (i > 0) {
            EXPECT_GT(label->y(), labels[i - 1]->geometry().bottom());
        }
    }
}

TEST(StatisticsHelpDlgTest, HasNoButtonsAndClosesWithEsc) {
    CStatisticsHelpDlg dialog;
    EXPECT_TRUE(dialog.findChildren<QWidget*>().size() == dialog.findChildren<QLabel*>().size());
    dialog.open();
    ASSERT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace tarvo

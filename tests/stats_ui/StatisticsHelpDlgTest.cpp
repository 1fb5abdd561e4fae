#include "StatisticsHelpDlg.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

const char* const kTexts[] = {
    "Enter - adds new number to data sample and updates calculations ",
    "CE - clears entry, clears number being input",
    "CLR - clears all numbers and resets calculation",
    "Backspace (<-) - deletes last digit added to number.  Backspace can also delete previously "
    "entered numbers.",
    "n =    - this is the number of data in the sample size",
    "Sum  - is the sum of all the data in the sample",
    "Mean - is the average of the data in the sample size",
    "Variance (n) - is the biased variance of the sample",
    "Std Dev (n) - is the standard deviation or (variance / n)",
    "Std Dev (n-1) - is the standard deviation or (variance / n-1)",
    "Transfer - transfers value selected by Radio Buttons to Tarvo XFER memory",
    "Maximum Sample Size = 100",
};

TEST(StatisticsHelpDlgTest, ShowsItsTextsWholeInOrder) {
    CStatisticsHelpDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Statistics Help");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), static_cast<qsizetype>(std::size(kTexts)));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QLabel* label = labels[i];
        SCOPED_TRACE(kTexts[i]);
        EXPECT_EQ(label->text(), kTexts[i]);
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

#include "AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(AboutDlgTest, NamesTheProgramAndItsMaker) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Tarvo");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const char* expected : {"Tarvo 2.0", "Scientific calculator", "Drelkin Software"})
        EXPECT_TRUE(texts.contains(expected)) << expected;
}

TEST(AboutDlgTest, OkClosesItAccepted) {
    CAboutDlg dialog;
    dialog.open();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.OkButton()->text(), "OK");
    dialog.OkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace tarvo

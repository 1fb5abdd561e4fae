#include "HexHelpDlg.h"
#include "GoldenTexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

bool ShowsWhole(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

TEST(HexHelpDlgTest, ShowsEveryHintWholeInItsFrameInOrder) {
    const std::vector<std::string> hints = test::ReadGoldenTexts("HexHelpDlg.txt")[""];
    ASSERT_EQ(hints.size(), 14u);
    CHexHelpDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Nixet Help");
    const QList<QGroupBox*> frames = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]->title(), " Hints and Instructions ");
    int top = frames[0]->geometry().top();
    for (const std::string& hint : hints) {
        SCOPED_TRACE(hint);
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        const auto label =
            std::ranges::find_if(labels, [&](auto* l) { return l->text().toStdString() == hint; });
        ASSERT_NE(label, labels.end());
        EXPECT_EQ((*label)->textFormat(), Qt::PlainText);
        EXPECT_TRUE(frames[0]->geometry().contains((*label)->geometry()));
        EXPECT_TRUE(ShowsWhole(*label));
        EXPECT_GT((*label)->geometry().top(), top);
        top = (*label)->geometry().bottom();
    }
    int icons = 0;
    int addresses = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        icons += !label->pixmap().isNull();
        addresses += label->text().startsWith("www.") && label->geometry().top() > top;
    }
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(addresses, 1); // below the hints
}

TEST(HexHelpDlgTest, ControlsDoNotOverlapAndStayInside) {
    CHexHelpDlg dialog;
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QGroupBox*>(child))
            controls << child;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        EXPECT_TRUE(dialog.rect().contains(place)) << i;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place.intersects(controls[j]->geometry())) << i << " and " << j;
    }
}

TEST(HexHelpDlgTest, OkAndCancelCloseIt) {
    const struct {
        const char* name;
        QPushButton* (CHexHelpDlg::*button)() const;
        int result;
    } rows[] = {{"OK", &CHexHelpDlg::OkButton, QDialog::Accepted},
                {"Cancel", &CHexHelpDlg::CancelButton, QDialog::Rejected}};
    for (const auto& row : rows) {
        CHexHelpDlg dialog;
        dialog.open();
        QPushButton* button = (dialog.*row.button)();
        EXPECT_EQ(button->text(), row.name);
        button->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), row.result);
    }
}

} // namespace
} // namespace tarvo

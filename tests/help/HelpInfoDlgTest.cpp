#include "HelpInfoDlg.h"
#include "GoldenTexts.h"

#include "DialogUnits.h"
#include "Icons.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

// A key shown by a demonstration button: its caption or icon name, and its definition.
struct Shown {
    std::string shown;
    std::string definition;
};

const test::GoldenTexts kGolden = test::ReadGoldenTexts("HelpInfoDlg.txt");

std::vector<Shown> GoldenKeys(const char* section) {
    std::vector<Shown> keys;
    for (const std::string& line : kGolden.at(section)) {
        const std::size_t tab = line.find('\t');
        keys.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return keys;
}

const std::vector<Shown> kTextKeys = GoldenKeys("text keys");
const std::vector<Shown> kIconKeys = GoldenKeys("icon keys");

QImage IconImage(const QIcon& icon, QSize size) {
    return icon.pixmap(size).toImage();
}

// Whether the button shows the key icon of that name.
bool ShowsIcon(const QPushButton* button, const std::string& name) {
    return IconImage(button->icon(), button->iconSize()) ==
           IconImage(KeyIcon(name.c_str(), QString(), *button), button->iconSize());
}

// A word-wrapped text shows whole when its label is tall enough for the wrapped lines.
bool ShowsWhole(const QLabel* label) {
    return label->heightForWidth(label->width()) <= label->height();
}

const QGroupBox* FindGroup(const QDialog& dialog, const char* title) {
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == title)
            return box;
    return nullptr;
}

TEST(HelpInfoDlgTest, IsAFixedDialogOfItsSizeInDialogUnits) {
    CHelpInfoDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Help Info");
    const DialogUnits units(DialogFont());
    const QSize expected(units.X(386), units.Y(334));
    EXPECT_EQ(dialog.minimumSize(), expected);
    EXPECT_EQ(dialog.maximumSize(), expected);
}

TEST(HelpInfoDlgTest, EveryHintStandsWholeInItsGroupBox) {
    CHelpInfoDlg dialog;
    std::size_t hints = 0;
    for (const char* title : {"Basic Operations", "Edit Calc Funtions", "Misc"}) {
        const QGroupBox* group = FindGroup(dialog, title);
        ASSERT_NE(group, nullptr) << title;
        for (const std::string& hint : kGolden.at(title)) {
            SCOPED_TRACE(hint);
            ++hints;
            int found = 0;
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                if (label->text().toStdString() != hint)
                    continue;
                ++found;
                EXPECT_EQ(label->textFormat(), Qt::PlainText);
                EXPECT_TRUE(group->geometry().contains(label->geometry()));
                EXPECT_TRUE(ShowsWhole(label));
            }
            EXPECT_EQ(found, 1);
        }
    }
    EXPECT_EQ(hints, 17u);
    EXPECT_NE(FindGroup(dialog, "Button Definitions"), nullptr);
}

TEST(HelpInfoDlgTest, ControlsDoNotOverlapAndStayInside) {
    CHelpInfoDlg dialog;
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QGroupBox*>(child))
            controls << child;
    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 4);
    for (const QGroupBox* group : groups)
        EXPECT_TRUE(dialog.rect().contains(group->geometry())) << group->title().toStdString();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = controls[i]->geometry();
        EXPECT_TRUE(dialog.rect().contains(place)) << i;
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(place.intersects(controls[j]->geometry())) << i << " and " << j;
    }
    for (qsizetype i = 0; i < groups.size(); ++i)
        for (qsizetype j = i + 1; j < groups.size(); ++j)
            EXPECT_FALSE(groups[i]->geometry().intersects(groups[j]->geometry()));
}

TEST(HelpInfoDlgTest, EachDefinitionStandsBesideItsButton) {
    CHelpInfoDlg dialog;
    const QRect group = FindGroup(dialog, "Button Definitions")->geometry();
    const struct {
        const char* name;
        QPushButton* button;
        QLabel* definition;
    } rows[] = {
        {"text key", dialog.TextKeyButton(), dialog.TextKeyDefinition()},
        {"icon key", dialog.IconKeyButton(), dialog.IconKeyDefinition()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect button = row.button->geometry();
        const QRect definition = row.definition->geometry();
        EXPECT_TRUE(group.contains(button));
        EXPECT_TRUE(group.contains(definition));
        EXPECT_GT(definition.left(), button.right());
        EXPECT_TRUE(definition.top() <= button.center().y() &&
                    button.center().y() <= definition.bottom());
    }
}

TEST(HelpInfoDlgTest, OpensShowingTheFirstKeysWithoutDefinitions) {
    CHelpInfoDlg dialog;
    EXPECT_EQ(dialog.TextKeyButton()->text(), "=");
    EXPECT_EQ(dialog.TextKeyDefinition()->text(), "");
    EXPECT_TRUE(dialog.IconKeyButton()->text().isEmpty());
    EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), "divide"));
    EXPECT_EQ(dialog.IconKeyDefinition()->text(), "");
}

TEST(HelpInfoDlgTest, TextButtonStepsThroughTheKeysAndStartsOver) {
    CHelpInfoDlg dialog;
    ASSERT_EQ(kTextKeys.size(), 20u);
    for (int round = 0; round < 2; ++round) {
        for (const Shown& key : kTextKeys) {
            SCOPED_TRACE(std::to_string(round) + " " + key.shown);
            dialog.TextKeyButton()->click();
            EXPECT_EQ(dialog.TextKeyButton()->text().toStdString(), key.shown);
            EXPECT_EQ(dialog.TextKeyDefinition()->text().toStdString(), key.definition);
            EXPECT_TRUE(ShowsWhole(dialog.TextKeyDefinition()));
        }
    }
    EXPECT_EQ(dialog.IconKeyDefinition()->text(), "");
    EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), "divide"));
}

TEST(HelpInfoDlgTest, IconButtonStepsThroughTheKeysAndStartsOver) {
    CHelpInfoDlg dialog;
    ASSERT_EQ(kIconKeys.size(), 19u);
    for (int round = 0; round < 2; ++round) {
        for (const Shown& key : kIconKeys) {
            SCOPED_TRACE(std::to_string(round) + " " + key.shown);
            dialog.IconKeyButton()->click();
            EXPECT_TRUE(ShowsIcon(dialog.IconKeyButton(), key.shown));
            EXPECT_EQ(dialog.IconKeyDefinition()->text().toStdString(), key.definition);
            EXPECT_TRUE(ShowsWhole(dialog.IconKeyDefinition()));
        }
    }
    EXPECT_EQ(dialog.TextKeyButton()->text(), "=");
    EXPECT_EQ(dialog.TextKeyDefinition()->text(), "");
}

// Otherwise the icon button would not visibly change on a click.
TEST(HelpInfoDlgTest, NeighbouringKeyIconsLookDifferent) {
    QPushButton button;
    button.setIconSize(QSize(48, 32));
    const auto image = [&](const std::string& name) {
        return IconImage(KeyIcon(name.c_str(), QString(), button), button.iconSize());
    };
    for (size_t i = 0; i < kIconKeys.size(); ++i) {
        const std::string& name = kIconKeys[i].shown;
        const std::string& next = kIconKeys[(i + 1) % kIconKeys.size()].shown;
        EXPECT_NE(image(name), image(next)) << name << " and " << next;
    }
}

TEST(HelpInfoDlgTest, CancelClosesIt) {
    CHelpInfoDlg dialog;
    dialog.open();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace tarvo

// Every window of the calculator as a screen reader and a keyboard-only user meet it: each
// control has a name, and Tab follows the reading order.
#include "AboutDlg.h"
#include "AccessibleTree.h"
#include "CalcIdDlg.h"
#include "CalcRecord.h"
#include "HelpInfoDlg.h"
#include "HexHelpDlg.h"
#include "HexToolDlg.h"
#include "IniSettingsStore.h"
#include "Keypad.h"
#include "LoadCalcDlg.h"
#include "MainFrame.h"
#include "StatisticsDlg.h"
#include "StatisticsHelpDlg.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tarvo {
namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() {
        m_host.SetMessagePresenter([](QWidget*, const QString&, const QString&, MessageButtons) {
            return MessageAnswer::Ok;
        });
        m_doc.OnNewDocument();
    }

    // Shown, as a screen reader meets it, and checked for controls without a name.
    void ExpectEveryControlNamed(QWidget& window) {
        SCOPED_TRACE(window.windowTitle().toStdString());
        window.show();
        for (const std::string& control : test::UnnamedControls(window))
            ADD_FAILURE() << "no name: " << control;
        window.close();
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    FormHost m_host;
    CCalculatorDoc m_doc{m_host};
};

TEST_F(AccessibilityTest, TheCalculatorWindowNamesEveryControl) {
    CMainFrame frame(m_doc, m_host, m_settings);
    // The walk reaches the keys, both displays and the three frames.
    EXPECT_GE(test::ControlCount(frame), static_cast<int>(CalculatorKeys().size()) + 5);
    ExpectEveryControlNamed(frame);
}

// The keys shown as icons have a name and say what they do, in both caption modes.
TEST_F(AccessibilityTest, IconKeysAreNamedAndDescribed) {
    CMainFrame frame(m_doc, m_host, m_settings);
    for (const CalculatorKey& key : CalculatorKeys()) {
        const QAbstractButton* button = frame.Form().Button(key.id);
        EXPECT_FALSE(button->accessibleName().isEmpty()) << key.id;
        EXPECT_FALSE(button->accessibleDescription().isEmpty()) << key.id;
    }
    EXPECT_EQ(frame.Form().Button(kKeySquareRoot)->accessibleName(), "Square root");
}

TEST_F(AccessibilityTest, TheToolsAndDialogsNameEveryControl) {
    const QString path = m_folder.path() + "/calcs.txt";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(FormatCalcRecord("A", "1/2/03 4:05:06", "1 + 1 = 2; ").c_str());
    file.close();
    m_settings.WriteSettingString("Settings", "Path", path.toStdString());
    const auto quiet = [](QWidget*, const QString&, const QString&, MessageButtons) {
        return MessageAnswer::Ok;
    };
    CHexToolDlg nixet(m_settings);
    ExpectEveryControlNamed(nixet);
    CStatisticsDlg statistics(m_settings, quiet);
    ExpectEveryControlNamed(statistics);
    CLoadCalcDlg browser(m_settings, quiet);
    ExpectEveryControlNamed(browser);
    CCalcIdDlg calculationId;
    ExpectEveryControlNamed(calculationId);
    CHelpInfoDlg helpInfo;
    ExpectEveryControlNamed(helpInfo);
    CAboutDlg about;
    ExpectEveryControlNamed(about);
    CHexHelpDlg nixetHelp;
    ExpectEveryControlNamed(nixetHelp);
    CStatisticsHelpDlg statisticsHelp;
    ExpectEveryControlNamed(statisticsHelp);
}

// The controls Tab reaches from the first one until it comes back to it.
std::vector<QWidget*> TabChain(QWidget* first, const QWidget* within) {
    std::vector<QWidget*> chain;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && within->isAncestorOf(widget))
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return chain;
}

// Row by row from the top, each row from left to right: the displays, then the keypad.
TEST_F(AccessibilityTest, TabMovesThroughTheCalculatorInReadingOrder) {
    CMainFrame frame(m_doc, m_host, m_settings);
    CalculatorForm& form = frame.Form();
    const std::vector<QWidget*> chain = TabChain(form.LargeDisplay(), &form);
    ASSERT_EQ(chain.size(), CalculatorKeys().size() + 2);
    EXPECT_EQ(chain[1], form.SmallDisplay());
    EXPECT_EQ(chain[2], form.Button(kKeyMemoryStore)); // MS beside the small display
    EXPECT_TRUE(std::is_sorted(chain.begin(), chain.end(), [](QWidget* a, QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    }));
}

TEST_F(AccessibilityTest, TabMovesThroughTheStatisticsKeypadBeforeTheResults) {
    CStatisticsDlg dialog(m_settings);
    const std::vector<QWidget*> chain = TabChain(dialog.Sample(), &dialog);
    const auto position = [&](int id) {
        return std::find(chain.begin(), chain.end(), dialog.Control(id)) - chain.begin();
    };
    EXPECT_EQ(position(1008), 1);                // 7, the keypad's first key
    EXPECT_LT(position(1023), position(1113));   // Enter before Sum
    EXPECT_LT(position(1098), position(1099));   // Help before Transfer
    EXPECT_EQ(position(1118), chain.size() - 1); // OK last
}

} // namespace
} // namespace tarvo

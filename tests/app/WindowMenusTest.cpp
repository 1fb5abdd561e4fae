// The calculator window's menus: the settings they choose and store, and the commands they run.
#include "CalculatorWindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QTreeView>

#include <functional>

namespace tarvo::test {
namespace {

TEST_F(CalculatorWindowTest, FirstStartShowsTheDefaults) {
    CMainFrame& frame = StartShown();
    EXPECT_EQ(frame.windowTitle(), "Drelkin Software - Tarvo 2.0");
    EXPECT_TRUE(Checked(Id::NormalPrecision));
    for (const CommandId unchecked :
         {Id::LowPrecision, Id::HighPrecision, Id::RememberLastCalculation, Id::KeySound,
          Id::Topmost, Id::SetBackgroundColor, Id::ResetSystemColor, Id::SetDesktopColor,
          Id::ShowAcceleratorKeys})
        EXPECT_FALSE(Checked(unchecked)) << static_cast<int>(unchecked);
    EXPECT_TRUE(Checked(Id::NoPattern));
    EXPECT_EQ(Form().View().m_background.m_crBackground, 6579300u);
    EXPECT_EQ(Form().Button(kKeyAngle)->text(), "deg");
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    EXPECT_EQ(Large(), "");
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
    for (const CommandId checked : {Id::LowPrecision, Id::RememberLastCalculation, Id::KeySound,
                                    Id::SquaresPattern, Id::SetDesktopColor})
        EXPECT_TRUE(Checked(checked)) << static_cast<int>(checked);
    EXPECT_FALSE(Checked(Id::NormalPrecision));
}

// A menu only borrows the focus: the equation display keeps its edit state, and letters typed
// while the menu bar is in keyboard mode choose menus, not keys.
TEST_F(CalculatorWindowTest, TheMenuBarBorrowsTheFocusWithoutEndingAnEdit) {
    StartShown();
    Click({kKey2, kKeyEquals});
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
    const qint64 plainIcon = Form().Button(kKeyAdd)->icon().cacheKey();
    Trigger(Id::ShowAcceleratorKeys);
    EXPECT_TRUE(Checked(Id::ShowAcceleratorKeys));
    EXPECT_EQ(Form().Button(kKey1)->text(), "&1");
    EXPECT_EQ(Form().Button(kKey9)->text(), "&9");
    EXPECT_EQ(Form().Button(kKeySin)->text(), "^&sin");
    EXPECT_EQ(Form().Button(kKeyAngle)->text(), "&deg");
    EXPECT_NE(Form().Button(kKeyAdd)->icon().cacheKey(), plainIcon);
    Trigger(Id::ShowAcceleratorKeys);
    EXPECT_EQ(Form().Button(kKey1)->text(), "1");
    EXPECT_EQ(Form().Button(kKey9)->text(), "9");
    EXPECT_EQ(Form().Button(kKeyAngle)->text(), "deg");
    EXPECT_EQ(Form().Button(kKeyAdd)->icon().cacheKey(), plainIcon);
}

TEST_F(CalculatorWindowTest, PrecisionItemsCheckAndStoreWithTheirToggleRule) {
    Start();
    Trigger(Id::HighPrecision);
    EXPECT_TRUE(Checked(Id::HighPrecision));
    EXPECT_FALSE(Checked(Id::NormalPrecision));
    EXPECT_EQ(Stored("HighResolution"), 1);
    EXPECT_EQ(Stored("NormalResolution"), 0);
    Trigger(Id::HighPrecision);
    EXPECT_FALSE(Checked(Id::HighPrecision));
    EXPECT_EQ(Stored("HighResolution"), 1);
}

TEST_F(CalculatorWindowTest, KeySoundAndTopmostAreStoredAtOnce) {
    Start();
    Trigger(Id::KeySound);
    EXPECT_TRUE(Checked(Id::KeySound));
    EXPECT_EQ(Stored("Key Sound"), 1);
    Trigger(Id::Topmost);
    EXPECT_TRUE(Checked(Id::Topmost));
    EXPECT_TRUE(m_frame->windowFlags() & Qt::WindowStaysOnTopHint);
    Trigger(Id::Topmost);
    EXPECT_EQ(Stored("Topmost"), 0);
}

// Any stored value but 0 keeps the window on top; only 1 shows the check mark.
TEST_F(CalculatorWindowTest, TopmostOtherThanOneIsOnTopWithoutCheckMark) {
    m_settings.WriteSettingInt("Settings", "Topmost", 2);
    Start();
    EXPECT_TRUE(m_frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(Checked(Id::Topmost));
    Trigger(Id::Topmost);
    EXPECT_TRUE(Checked(Id::Topmost));
    EXPECT_EQ(Stored("Topmost"), 1);
}

TEST_F(CalculatorWindowTest, PatternAndColorChoicesAreStored) {
    Start();
    Trigger(Id::SquaresPattern);
    EXPECT_EQ(Stored("Background Hatch"), 4);
    EXPECT_TRUE(Checked(Id::SquaresPattern));
    Trigger(Id::ResetSystemColor);
    EXPECT_EQ(Stored("Color Flag"), 0);
    EXPECT_TRUE(Checked(Id::ResetSystemColor));
    EXPECT_EQ(Stored("Background Color"),
              static_cast<int>(Form().View().m_background.m_crBackground));
}

TEST_F(CalculatorWindowTest, ExitStoresTheLastCalculationWhenRemembered) {
    Start();
    Trigger(Id::RememberLastCalculation);
    Click({kKey7, kKeyEquals});
    Trigger(Id::Exit);
    EXPECT_EQ(Stored("Save Last"), 1);
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Last Calc"), "7 = 7; \r\n");
}

TEST_F(CalculatorWindowTest, ExitWithoutRememberingStoresOnlyTheChoice) {
    Start();
    Click({kKey7, kKeyEquals});
    m_frame->close();
    EXPECT_EQ(Stored("Save Last"), 0);
    EXPECT_EQ(m_settings.ReadSettingString("Settings", "Last Calc", "none"), "none");
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
    Trigger(Id::SaveAs);
    EXPECT_EQ(directory, folder);
    EXPECT_EQ(chosen, folder + "/quenda.txt");
    EXPECT_TRUE(columnsFit);
}

} // namespace
} // namespace tarvo::test

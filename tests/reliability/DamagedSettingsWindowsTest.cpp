// The calculator window and the manual viewer start from a settings file cut short at any
// byte, as their programs start them: the window shows, and every value it cannot read is at
// its default.
#include "IniSettingsStore.h"
#include "LedraView.h"
#include "MainFrame.h"
#include "Truncations.h"
#include "ViewerMainFrame.h"
#include "ViewerSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char kCalculatorFile[] = "/Drelkin Software/Tarvo 2.0.ini";
const char kViewerFile[] = "/Drelkin Software/Tarvo 2.0/Mirelle.ini";

// Every setting the calculator window reads at start, none of them at its default.
void WriteCalculatorSettings(tarvo::ISettingsStore& store) {
    for (const char* key : {"Topmost", "HighResolution", "Save Last", "Key Sound"})
        store.WriteSettingInt("Settings", key, 1);
    store.WriteSettingInt("Settings", "NormalResolution", 0);
    store.WriteSettingInt("Settings", "LowResolution", 0);
    store.WriteSettingString("Settings", "Last Calc", "2 + 3 = 5; \r\n7 * 6 = 42; \r\n");
    store.WriteSettingInt("Settings", "Background Color", 0x00C08040);
    store.WriteSettingInt("Settings", "Color Flag", 1);
    store.WriteSettingInt("Settings", "Background Hatch", 5);
}

TEST(DamagedSettingsWindowsTest, TheCalculatorWindowStartsFromEveryTruncation) {
    QTemporaryDir folder;
    {
        tarvo::IniSettingsStore store(folder.path());
        WriteCalculatorSettings(store);
    }
    ForEachTruncation(folder.path() + kCalculatorFile, [&](qsizetype length) {
        tarvo::IniSettingsStore store(folder.path());
        tarvo::FormHost host;
        host.SetMessagePresenter(
            [&](QWidget*, const QString& title, const QString& text, tarvo::MessageButtons) {
                ADD_FAILURE() << "cut at " << length << ": " << title.toStdString() << " | "
                              << text.toStdString();
                return tarvo::MessageAnswer::Ok;
            });
        tarvo::CCalculatorDoc document(host);
        document.OnNewDocument();
        tarvo::CMainFrame frame(document, host, store);
        frame.show();
        QApplication::processEvents();
        EXPECT_TRUE(frame.isVisible()) << "cut at " << length;
        EXPECT_EQ(frame.windowTitle(), "Drelkin Software - Tarvo 2.0");
        const tarvo::Background& background = frame.Form().View().m_background;
        using Hatch = tarvo::BackgroundHatch;
        EXPECT_TRUE(background.m_nBackgroundHatch == Hatch::CrossHatch ||
                    background.m_nBackgroundHatch == Hatch::None)
            << "cut at " << length;
        using Source = tarvo::ColorSource;
        EXPECT_TRUE(background.m_nColorFlag == Source::Chosen ||
                    background.m_nColorFlag == Source::NotSet)
            << "cut at " << length;
        // A calculation after whatever was restored.
        frame.Form().View().OnClear();
        for (const int key : {1010, 1015, 1005, 1019}) // 9 / 4 =
            frame.Form().Button(key)->click();
        EXPECT_EQ(frame.Form().View().m_strSmallDisplay, "2.25") << "cut at " << length;
    });
}

TEST(DamagedSettingsWindowsTest, TheViewerStartsFromEveryTruncation) {
    QTemporaryDir folder;
    const QString page = folder.path() + "/pages/helpindex.html";
    ASSERT_TRUE(QDir().mkpath(folder.path() + "/pages"));
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><h1>Contents</h1></body></html>");
    }
    {
        // The calculator writes the viewer's settings before it starts the viewer.
        tarvo::IniSettingsStore store(folder.path());
        store.WriteSettingString("Mirelle\\Settings", "Document", page.toStdString());
        store.WriteSettingInt("Mirelle\\Settings", "DocSelect", 0);
    }
    ForEachTruncation(folder.path() + kViewerFile, [&](qsizetype length) {
        const mirelle::ViewerSettings settings(folder.path());
        mirelle::CMainFrame frame(settings);
        frame.show();
        QApplication::processEvents();
        EXPECT_TRUE(frame.isVisible()) << "cut at " << length;
        EXPECT_TRUE(frame.windowTitle() == "TarvoCalc Help - Mirelle" ||
                    frame.windowTitle() == "Untitled - Mirelle")
            << "cut at " << length;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "cut at " << length;
    });
}

} // namespace

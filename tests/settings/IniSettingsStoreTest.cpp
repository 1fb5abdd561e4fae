#include "IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvo {
namespace {

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", m_folder.path().toUtf8());
        s_warnings.clear();
        m_previousHandler = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { s_warnings << text; });
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qInstallMessageHandler(m_previousHandler);
    }

    QString CalculatorFile() const { return m_folder.path() + "/Drelkin Software/Tarvo 2.0.ini"; }

    void WriteFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_folder;
    static inline QStringList s_warnings; // Qt's messages during the test

private:
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(IniSettingsStoreTest, MissingValuesReadAsTheirDefaults) {
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "Key Sound", 7), 7);
    EXPECT_EQ(store.ReadSettingString("Settings", "Last Calc", "none"), "none");
    EXPECT_EQ(store.ReadSettingString("Settings", "Path"), "");
}

TEST_F(IniSettingsStoreTest, ValuesSurviveANewStore) {
    const std::string calculation = "2 + 3 = 5; \r\n [sin] \t\\x";
    const std::string latin1 = "caf\xe9 \xff";
    {
        IniSettingsStore store;
        store.WriteSettingInt("Settings", "Background Color", 6579300);
        store.WriteSettingInt("Settings", "Topmost", -1);
        store.WriteSettingString("Settings", "Current Calc", calculation);
        store.WriteSettingString("Settings", "Path", "/home/user/My Calcs, 2026/quenda.txt");
        store.WriteSettingString("Settings", "Sumra1", latin1);
        store.WriteSettingString("Settings", "Empty", "");
    }
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "Background Color", 0), 6579300);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Topmost", 0), -1);
    EXPECT_EQ(store.ReadSettingString("Settings", "Current Calc"), calculation);
    EXPECT_EQ(store.ReadSettingString("Settings", "Path"), "/home/user/My Calcs, 2026/quenda.txt");
    EXPECT_EQ(store.ReadSettingString("Settings", "Sumra1"), latin1);
    EXPECT_EQ(store.ReadSettingString("Settings", "Empty", "default"), "");
}

TEST_F(IniSettingsStoreTest, WritesReachTheFileAtOnce) {
    IniSettingsStore writer;
    writer.WriteSettingString("Settings", "Current Calc", "1 + 1 = 2; \r\n");
    IniSettingsStore reader;
    EXPECT_EQ(reader.ReadSettingString("Settings", "Current Calc"), "1 + 1 = 2; \r\n");
}

// A long calculation waits in memory for its own file, which it shares with an equal one, and
// reaches it when the store ends; a short value later takes its place again.
TEST_F(IniSettingsStoreTest, LongTextsReachFilesOfTheirOwnWhenTheStoreEnds) {
    std::string calculation;
    while (calculation.size() < 20000)
        calculation += "12.5 *  ( 3 + 4 )  = 87.5; \r\n";
    const QString folder = m_folder.path() + "/Drelkin Software/Tarvo 2.0/Settings/";
    {
        IniSettingsStore store;
        store.WriteSettingString("Settings", "Last Calc", "1 + 1 = 2; ");
        store.WriteSettingString("Settings", "Current Calc", calculation);
        store.WriteSettingString("Settings", "Last Calc", calculation);
        EXPECT_EQ(store.ReadSettingString("Settings", "Current Calc"), calculation);
        EXPECT_FALSE(QFile::exists(folder + "Current Calc.txt"));
    }
    struct stat last {};
    struct stat current {};
    ASSERT_EQ(stat(QFile::encodeName(folder + "Last Calc.txt").constData(), &last), 0);
    ASSERT_EQ(stat(QFile::encodeName(folder + "Current Calc.txt").constData(), &current), 0);
    EXPECT_EQ(last.st_ino, current.st_ino); // one file for both
    EXPECT_FALSE(QSettings(CalculatorFile(), QSettings::IniFormat).contains("Settings/Last Calc"));
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingString("Settings", "Current Calc"), calculation);
    EXPECT_EQ(store.ReadSettingString("Settings", "Last Calc"), calculation);
    store.WriteSettingString("Settings", "Last Calc", "2 + 2 = 4; ");
    EXPECT_EQ(IniSettingsStore().ReadSettingString("Settings", "Last Calc"), "2 + 2 = 4; ");
    EXPECT_EQ(IniSettingsStore().ReadSettingString("Settings", "Current Calc"), calculation);
}

TEST_F(IniSettingsStoreTest, AFailedWriteIsReportedOnceAndKeptForTheNextWriteThatCan) {
    const QString folder = m_folder.path() + "/Drelkin Software";
    WriteFile(folder, "a file where the settings folder belongs");

    IniSettingsStore store;
    store.WriteSettingString("Settings", "Last Calc", "2 + 2 = 4; ");
    store.WriteSettingInt("Settings", "Key Sound", 1);
    EXPECT_EQ(s_warnings, QStringList{"Settings could not be saved to " + CalculatorFile()});

    QFile::remove(folder);
    store.WriteSettingInt("Settings", "Topmost", 1);
    EXPECT_EQ(s_warnings.size(), 1);
    IniSettingsStore reader;
    EXPECT_EQ(reader.ReadSettingString("Settings", "Last Calc"), "2 + 2 = 4; ");
    EXPECT_EQ(reader.ReadSettingInt("Settings", "Topmost", 0), 1);
}

TEST_F(IniSettingsStoreTest, ViewerSectionIsTheViewersOwnFile) {
    IniSettingsStore store;
    store.WriteSettingString("Mirelle\\Settings", "Document", "/usr/share/tarvo/helpindex.html");
    store.WriteSettingInt("Mirelle\\Settings", "DocSelect", 0);

    QSettings viewer(m_folder.path() + "/Drelkin Software/Tarvo 2.0/Mirelle.ini",
                     QSettings::IniFormat);
    EXPECT_EQ(viewer.value("Settings/Document").toString(), "/usr/share/tarvo/helpindex.html");
    EXPECT_EQ(viewer.value("Settings/DocSelect").toInt(), 0);
    EXPECT_FALSE(QFile::exists(CalculatorFile()));
}

// Numbers beyond 32 bits among them: never cut to 32 bits.
TEST_F(IniSettingsStoreTest, UnreadableValuesReadAsTheirDefaults) {
    QDir().mkpath(m_folder.path() + "/Drelkin Software");
    WriteFile(CalculatorFile(), "[Settings]\nKey%20Sound=loud\nTopmost=\n\x01\x02garbage\n"
                                "LowResolution=4294967297\nColor%20Flag=-2147483649\n"
                                "Background%20Hatch=99999999999999999999\n"
                                "Background%20Color=-2147483648\n");
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "Key Sound", 0), 0);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Topmost", 1), 1);
    EXPECT_EQ(store.ReadSettingInt("Settings", "HighResolution", 0), 0);
    EXPECT_EQ(store.ReadSettingInt("Settings", "LowResolution", 0), 0);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Color Flag", 7), 7);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Background Hatch", 6), 6);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Background Color", 0), -2147483648);
}

// A named pipe in the settings file's place is neither read, which would wait for ever, nor
// replaced: the values read as their defaults and live in memory.
TEST_F(IniSettingsStoreTest, ASettingsFileThatIsNoRegularFileIsLeftAlone) {
    QDir().mkpath(m_folder.path() + "/Drelkin Software");
    ASSERT_EQ(::mkfifo(QFile::encodeName(CalculatorFile()).constData(), 0600), 0);
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "Key Sound", 0), 0);
    store.WriteSettingString("Settings", "Current Calc", "2 + 2 = 4; ");
    EXPECT_EQ(store.ReadSettingString("Settings", "Current Calc"), "2 + 2 = 4; ");
    EXPECT_EQ(s_warnings, QStringList{"Settings could not be read from " + CalculatorFile() +
                                      " nor saved to it: it is not a regular file"});
    EXPECT_FALSE(QFileInfo(CalculatorFile()).isFile());
}

TEST_F(IniSettingsStoreTest, BinaryGarbageFileReadsAsDefaultsAndTakesNewValues) {
    QDir().mkpath(m_folder.path() + "/Drelkin Software");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    WriteFile(CalculatorFile(), garbage);
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "NormalResolution", 1), 1);
    EXPECT_EQ(store.ReadSettingString("Settings", "Last Calc", ""), "");
    store.WriteSettingString("Settings", "Last Calc", "1 + 1 = 2; ");
    EXPECT_TRUE(s_warnings.isEmpty());
    EXPECT_EQ(IniSettingsStore().ReadSettingString("Settings", "Last Calc"), "1 + 1 = 2; ");
}

} // namespace
} // namespace tarvo

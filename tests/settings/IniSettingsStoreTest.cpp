#include "IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", m_folder.path().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QString CalculatorFile() const { return m_folder.path() + "/Drelkin Software/Tarvo 2.0.ini"; }

    void WriteFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_folder;
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

TEST_F(IniSettingsStoreTest, UnreadableValuesReadAsTheirDefaults) {
    QDir().mkpath(m_folder.path() + "/Drelkin Software");
    WriteFile(CalculatorFile(), "[Settings]\nKey%20Sound=loud\nTopmost=\n\x01\x02garbage\n");
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "Key Sound", 0), 0);
    EXPECT_EQ(store.ReadSettingInt("Settings", "Topmost", 1), 1);
    EXPECT_EQ(store.ReadSettingInt("Settings", "HighResolution", 0), 0);
}

TEST_F(IniSettingsStoreTest, BinaryGarbageFileReadsAsDefaults) {
    QDir().mkpath(m_folder.path() + "/Drelkin Software");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>((i * 7919) % 256));
    WriteFile(CalculatorFile(), garbage);
    IniSettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Settings", "NormalResolution", 1), 1);
    EXPECT_EQ(store.ReadSettingString("Settings", "Last Calc", ""), "");
}

} // namespace
} // namespace tarvo

// User Manual and Converter: the settings handed to the viewer and the programs started,
// with small scripts standing in for the programs.
#include "ExternalPrograms.h"
#include "IniSettingsStore.h"
#include "LedraView.h"
#include "RecordedMessages.h"
#include "ViewerMainFrame.h"
#include "ViewerSettings.h"
#include "ViewerTestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace tarvo {
namespace {

using mirelle::WaitForRecord;
using mirelle::WriteRecordingScript;
using mirelle::WriteTextFile;

class ExternalProgramsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", Folder("config").toUtf8());
        m_path = qgetenv("PATH");
        UsePath(Folder("empty"));
    }
    void TearDown() override {
        qputenv("PATH", m_path);
        qunsetenv("XDG_CONFIG_HOME");
    }

    QString Folder(const QString& name) const {
        QDir().mkpath(m_folder.filePath(name));
        return m_folder.filePath(name);
    }
    QString Record() const { return m_folder.filePath("record"); }
    void UsePath(const QString& folders) { qputenv("PATH", folders.toUtf8()); }

    QTemporaryDir m_folder;
    QByteArray m_path;
};

TEST_F(ExternalProgramsTest, UserManualHandsThePageToTheViewer) {
    mirelle::WriteViewerSettings(Folder("config"), "Document=/old/page.html\nDocSelect=3");
    const QString page = Folder("manual") + "/helpindex.html";
    IniSettingsStore store;
    ShowUserManual(store, page, {Folder("empty")});

    const mirelle::ViewerSettings viewer;
    EXPECT_EQ(viewer.ReadSettingString("Document"), page);
    EXPECT_EQ(viewer.ReadSettingInt("DocSelect", 1), 0);
}

TEST_F(ExternalProgramsTest, TheViewerShowsTheManualItIsHanded) {
    IniSettingsStore store;
    const QString page = UserManualPath(CALCULATOR_FOLDER);
    ShowUserManual(store, page, {Folder("empty")});

    const mirelle::ViewerSettings settings;
    const mirelle::CMainFrame viewer(settings);
    EXPECT_EQ(viewer.windowTitle(), "TarvoCalc Help - Mirelle");
    EXPECT_EQ(viewer.View().source(), QUrl::fromLocalFile(page));
    EXPECT_TRUE(viewer.View().toPlainText().contains("Tarvo User Manual"));
}

// The build tree is laid out as an installation: the calculator built there finds the
// viewer beside itself and the manual of the sources where an installation has its own.
TEST_F(ExternalProgramsTest, TheBuildTreeLooksLikeAnInstallation) {
    EXPECT_EQ(QFileInfo(UserManualPath(CALCULATOR_FOLDER)).canonicalFilePath(),
              QFileInfo(MANUAL_SOURCE_DIR "/helpindex.html").canonicalFilePath());
    EXPECT_EQ(QFileInfo(CALCULATOR_FOLDER "/mirelle").canonicalFilePath(),
              QFileInfo(VIEWER_PROGRAM).canonicalFilePath());
}

TEST_F(ExternalProgramsTest, TheViewerBesideTheCalculatorComesBeforePath) {
    WriteRecordingScript(Folder("beside") + "/mirelle", "beside", Record());
    WriteRecordingScript(Folder("path") + "/mirelle", "path", Record());
    UsePath(Folder("path"));
    IniSettingsStore store;
    ShowUserManual(store, "/manual/helpindex.html", {Folder("empty"), Folder("beside")});
    EXPECT_EQ(WaitForRecord(Record()), "beside 0\n");
}

TEST_F(ExternalProgramsTest, TheViewerOnPathIsStartedWithoutArguments) {
    WriteRecordingScript(Folder("path") + "/mirelle", "path", Record());
    UsePath(Folder("elsewhere") + ":" + Folder("path"));
    IniSettingsStore store;
    ShowUserManual(store, "/manual/helpindex.html", {Folder("empty")});
    EXPECT_EQ(WaitForRecord(Record()), "path 0\n");
}

enum class Pellix { Missing, NotExecutable, NoProgram, Program };

TEST_F(ExternalProgramsTest, ConverterStartsPellixOrSaysItCannot) {
    const struct {
        const char* name;
        Pellix pellix; // what PATH holds
        bool started;
    } rows[] = {
        {"none on PATH", Pellix::Missing, false},
        {"not executable", Pellix::NotExecutable, false},
        {"no program", Pellix::NoProgram, false},
        {"a program", Pellix::Program, true},
    };
    for (const auto& row : rows) {
        QTemporaryDir path;
        const QString pellix = path.filePath("pellix");
        QFile::remove(Record());
        if (row.pellix == Pellix::Program)
            WriteRecordingScript(pellix, "pellix", Record());
        if (row.pellix == Pellix::NotExecutable)
            WriteTextFile(pellix, "#!/bin/sh\n");
        if (row.pellix == Pellix::NoProgram) {
            WriteTextFile(pellix, "this is no program\n");
            QFile::setPermissions(pellix, QFile::permissions(pellix) | QFile::ExeOwner);
        }
        UsePath(path.path());

        test::RecordedMessages<> boxes;
        EXPECT_EQ(StartConverter(boxes), row.started) << row.name;
        if (row.started) {
            EXPECT_TRUE(boxes.messages.empty()) << row.name;
            EXPECT_EQ(WaitForRecord(Record()), "pellix 0\n") << row.name;
        } else {
            EXPECT_EQ(boxes.messages, std::vector<std::string>{"ERROR | Converter Error - Could "
                                                               "not find pellix.exe file"})
                << row.name;
        }
    }
}

} // namespace
} // namespace tarvo

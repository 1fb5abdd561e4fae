#include "ExternalPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tarvo {

namespace {

// Set by the build (packaging/CMakeLists.txt): the manual's folder relative to the programs,
// installed or in the build tree.
const char* const kManualFromProgram = TARVO_MANUAL_FROM_PROGRAM;

const char* const kManualPage = "helpindex.html";
const char* const kViewerSection = "Mirelle\\Settings";

// The program in the first folder that holds it, else on PATH; empty when there is none.
QString FindProgram(const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(name));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

bool StartDetached(const QString& program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace

QString UserManualPath(const QString& programFolder) {
    return QDir::cleanPath(programFolder + "/" + kManualFromProgram + "/" + kManualPage);
}

void ShowUserManual(ISettingsStore& settings) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    ShowUserManual(settings, UserManualPath(programFolder), {programFolder});
}

void ShowUserManual(ISettingsStore& settings, const QString& manualPath,
                    const QStringList& viewerFolders) {
    settings.WriteSettingString(kViewerSection, "Document",
                                QFile::encodeName(manualPath).toStdString());
    settings.WriteSettingInt(kViewerSection, "DocSelect", 0);
    StartDetached(FindProgram("mirelle", viewerFolders));
}

bool StartConverter(IMessageBox& messages) {
    if (StartDetached(FindProgram("pellix", {})))
        return true;
    messages.ShowMessage("ERROR", "Converter Error - Could not find pellix.exe file");
    return false;
}

} // namespace tarvo

// The programs the calculator starts without waiting for them: the manual viewer `mirelle`
// (Help > User Manual) and the units converter `pellix` (Tools > Converter).
#pragma once

#include "MessageBox.h"
#include "SettingsStore.h"

#include <QString>
#include <QStringList>

namespace tarvo {

// User Manual: writes the manual's index page as "Document" and 0 as "DocSelect" into the
// viewer's section "Mirelle\Settings", then starts the viewer; nothing is reported when it
// cannot start.
void ShowUserManual(ISettingsStore& settings);
// The same with the manual page and the folders searched for the viewer before PATH given.
void ShowUserManual(ISettingsStore& settings, const QString& manualPath,
                    const QStringList& viewerFolders);

// The manual's index page for a calculator program in this folder: the installed manual, or,
// for a program in the build tree, the manual in the source tree.
QString UserManualPath(const QString& programFolder);

// Converter: starts `pellix` from PATH. When it cannot be started, shows "Converter Error -
// Could not find pellix.exe file" titled "ERROR" and returns false.
bool StartConverter(IMessageBox& messages);

} // namespace tarvo

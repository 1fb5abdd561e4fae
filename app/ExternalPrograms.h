// The programs the calculator starts without waiting for them: the manual viewer `mirelle`
// (Help > User Manual) and the units converter `pellix` (Tools > Converter).
#pragma once

#include "MessageBox.h"
#include "SettingsStore.h"

#include <QString>
#include <QStringList>

namespace tarvo {

// User Manual: writes the manual's index page as "Document" and 0 as "DocSelect" into the
// viewer's section "Mirelle\Settings", then starts the viewer found beside the calculator or
// on PATH; nothing is reported when it cannot start.
void ShowUserManual(ISettingsStore& settings);
// The same with the manual page and the folders searched for the viewer before PATH given.
void ShowUserManual(ISettingsStore& settings, const QString& manualPath,
                    const QStringList& viewerFolders);

// The manual's index page for a calculator program in this folder, where the installation
// (or the build tree) has it.
QString UserManualPath(const QString& programFolder);

// Converter: starts `pellix` from PATH. When it cannot be started, shows "Converter Error -
// Could not find pellix.exe file" titled "ERROR" and returns false.
bool StartConverter(IMessageBox& messages);

} // namespace tarvo

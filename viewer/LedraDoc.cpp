#include "LedraDoc.h"

#include "ViewerFile.h"
#include "ViewerSettings.h"

#include <QFileInfo>
#include <QSaveFile>

namespace mirelle {

void CLedraDoc::OnNewDocument(const ViewerSettings& settings) {
    // Any other kind of document is an untitled one, as a new document of any program is.
    m_strTitle = settings.ReadSettingInt("DocSelect", 1) == 0 ? "TarvoCalc Help" : "Untitled";
    m_strPathName.clear();
    m_bSavedHere = false;
}

bool CLedraDoc::OnOpenDocument(const QString& path, QString& reason) {
    const ViewerFile file(path);
    if (!file.IsOpen()) {
        reason = file.Reason();
        return false;
    }
    m_strTitle = QFileInfo(path).fileName();
    m_strPathName = path;
    m_bSavedHere = false;
    return true;
}

bool CLedraDoc::OnSaveDocument(const QString& path, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        reason = file.errorString();
        return false;
    }
    m_strTitle = QFileInfo(path).fileName();
    m_strPathName = path;
    m_bSavedHere = true;
    return true;
}

} // namespace mirelle

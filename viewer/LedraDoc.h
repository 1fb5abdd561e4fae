// The viewer's document: it holds only its title and the file it was opened from or saved
// to; it has no content of its own.
#pragma once

#include <QString>

namespace mirelle {

class ViewerSettings;

class CLedraDoc {
public:
    // The new-document step: "DocSelect" 0 names the document the calculator's help.
    void OnNewDocument(const ViewerSettings& settings);
    // The file's name becomes the title; its content is not read. False, with the reason, when
    // it cannot be opened for reading; the document stays as it was.
    bool OnOpenDocument(const QString& path, QString& reason);
    // Writes an empty file; false with the reason when it cannot.
    bool OnSaveDocument(const QString& path, QString& reason);

    const QString& GetTitle() const { return m_strTitle; }
    const QString& GetPathName() const { return m_strPathName; }
    // The document's file was written by this viewer, so Save may write it again unasked.
    bool IsSavedHere() const { return m_bSavedHere; }

private:
    QString m_strTitle;
    QString m_strPathName;
    bool m_bSavedHere = false;
};

} // namespace mirelle

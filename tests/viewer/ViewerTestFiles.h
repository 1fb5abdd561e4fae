// Files the viewer tests prepare: pages, the viewer's settings file and small programs.
#pragma once

#include <QByteArray>
#include <QString>

namespace mirelle {

void WriteTextFile(const QString& path, const QByteArray& content);

// The viewer's settings file under the configuration folder, with these lines in its
// section "Settings" ("Document=/tmp/page.html").
void WriteViewerSettings(const QString& configRoot, const QByteArray& lines);

// A shell script that writes its name and its number of arguments into the record file.
void WriteRecordingScript(const QString& path, const QString& name, const QString& record);

// The record file's content once it is there; empty when it did not appear within a
// generous deadline (a started program runs on its own).
QByteArray WaitForRecord(const QString& record);

} // namespace mirelle

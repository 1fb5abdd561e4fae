#include "ViewerTestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace mirelle {

void WriteTextFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content);
}

void WriteViewerSettings(const QString& configRoot, const QByteArray& lines) {
    WriteTextFile(configRoot + "/Drelkin Software/Tarvo 2.0/Mirelle.ini",
                  "[Settings]\n" + lines + "\n");
}

void WriteRecordingScript(const QString& path, const QString& name, const QString& record) {
    // Written aside and moved, so that a reader never sees a half-written record; PATH may
    // hold nothing but the script, so mv is named in full.
    WriteTextFile(path, ("#!/bin/sh\nprintf '%s %s\\n' '" + name + "' \"$#\" > '" + record +
                         ".part' && /bin/mv '" + record + ".part' '" + record + "'\n")
                            .toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

QByteArray WaitForRecord(const QString& record) {
    QDeadlineTimer deadline(30'000);
    while (!QFileInfo::exists(record) && !deadline.hasExpired())
        QTest::qWait(20);
    QFile file(record);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace mirelle

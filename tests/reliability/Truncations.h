// Damaged files for the reliability tests: a file cut short at every byte in turn.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Calls check(length) once with the file cut to each length from 0 to its whole size, then
// leaves the file whole again.
template <typename Check> void ForEachTruncation(const QString& path, Check check) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    const QByteArray whole = file.readAll();
    ASSERT_GT(whole.size(), 50) << path.toStdString();
    for (qsizetype length = 0; length <= whole.size(); ++length) {
        ASSERT_TRUE(file.resize(0));
        ASSERT_TRUE(file.seek(0));
        ASSERT_EQ(file.write(whole.left(length)), length);
        ASSERT_TRUE(file.flush());
        check(length);
    }
}

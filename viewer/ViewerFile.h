// A file the viewer opens, a document or a page: regular files only, opened without ever
// waiting on a named pipe or a device.
#pragma once

#include <QByteArray>
#include <QString>

namespace mirelle {

class ViewerFile {
public:
    explicit ViewerFile(const QString& path);
    ~ViewerFile();
    ViewerFile(const ViewerFile&) = delete;
    ViewerFile& operator=(const ViewerFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // Why it is not open: "It is a folder.", "It is not a regular file." or the system's words.
    const QString& Reason() const { return m_reason; }
    qint64 Size() const { return m_size; }
    // At most `limit` bytes from the start.
    QByteArray Read(qint64 limit) const;

private:
    int m_fd = -1;
    qint64 m_size = 0;
    QString m_reason;
};

} // namespace mirelle

#include "ViewerFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirelle {

ViewerFile::ViewerFile(const QString& path) {
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0) {
        m_reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!S_ISREG(status.st_mode)) {
        m_reason = S_ISDIR(status.st_mode) ? "It is a folder." : "It is not a regular file.";
    } else {
        m_size = status.st_size;
        return;
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

ViewerFile::~ViewerFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray ViewerFile::Read(qint64 limit) const {
    QByteArray bytes;
    char piece[1 << 16];
    while (bytes.size() < limit) {
        const ssize_t n =
            ::read(m_fd, piece,
                   static_cast<std::size_t>(std::min<qint64>(sizeof piece, limit - bytes.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(piece, n);
    }
    return bytes;
}

} // namespace mirelle

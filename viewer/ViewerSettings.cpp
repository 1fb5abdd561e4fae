#include "ViewerSettings.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <limits>

namespace mirelle {

namespace {

const char* const kGroup = "Settings";

// Read afresh each time: the calculator may have written the file since the last read. A
// settings file that is no regular file is not read, as a named pipe would block the reading
// for ever: its values read as their defaults.
QVariant ReadValue(const QString& path, const QString& key) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        qWarning().noquote() << "Settings could not be read from" << path
                             << "as it is not a regular file";
        return {};
    }
    const QSettings file(path, QSettings::IniFormat);
    return file.value(QString(kGroup) + "/" + key);
}

} // namespace

ViewerSettings::ViewerSettings(QString configRoot) : m_root(std::move(configRoot)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString ViewerSettings::FilePath() const {
    return m_root + "/Drelkin Software/Tarvo 2.0/Mirelle.ini";
}

// A number beyond 32 bits is unreadable, not cut to 32 bits.
int ViewerSettings::ReadSettingInt(const QString& key, int defaultValue) const {
    bool ok = false;
    const qlonglong value = ReadValue(FilePath(), key).toLongLong(&ok);
    return ok && value >= std::numeric_limits<int>::min() &&
                   value <= std::numeric_limits<int>::max()
               ? static_cast<int>(value)
               : defaultValue;
}

QString ViewerSettings::ReadSettingString(const QString& key, const QString& defaultValue) const {
    const QVariant value = ReadValue(FilePath(), key);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return defaultValue;
    case QMetaType::QByteArray: // a path that was no valid UTF-8 when written
        return QFile::decodeName(value.toByteArray());
    case QMetaType::QStringList: // a hand-edited value with unquoted commas
        return value.toStringList().join(',');
    default:
        return value.toString();
    }
}

} // namespace mirelle

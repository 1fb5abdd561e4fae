#include "ViewerSettings.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace mirelle {

namespace {

const char* const kGroup = "Settings";

// Read afresh each time: the calculator may have written the file since the last read.
QVariant ReadValue(const QString& path, const QString& key) {
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

int ViewerSettings::ReadSettingInt(const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadValue(FilePath(), key).toInt(&ok);
    return ok ? value : defaultValue;
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

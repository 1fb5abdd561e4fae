#include "IniSettingsStore.h"

#include "DisplayText.h"
#include "RegularFile.h"

#include <QDebug>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <limits>

namespace tarvo {

namespace {

const char* const kCompany = "Drelkin Software";
const char* const kApplication = "Tarvo 2.0";

} // namespace

IniSettingsStore::IniSettingsStore(QString configRoot) : m_root(std::move(configRoot)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    m_longTexts = std::make_unique<LongTextFiles>(m_root + "/" + kCompany + "/" + kApplication +
                                                  "/" + kSettingsSection);
}

// The long texts reach their files before the settings file's objects go.
IniSettingsStore::~IniSettingsStore() {
    m_longTexts.reset();
}

QString IniSettingsStore::FilePathOf(const std::string& section) const {
    const QString base = m_root + "/" + kCompany + "/" + kApplication;
    const auto separator = section.find('\\');
    if (separator == std::string::npos)
        return base + ".ini";
    return base + "/" + ToQString(section.substr(0, separator)) + ".ini";
}

IniSettingsStore::Location IniSettingsStore::Locate(const std::string& section,
                                                    const std::string& key) {
    const QString path = FilePathOf(section);
    auto& file = m_files[path];
    if (!file)
        file = OpenFile(path);
    const auto separator = section.find('\\');
    const std::string group =
        separator == std::string::npos ? section : section.substr(separator + 1);
    return {path, file.get(), ToQString(group) + "/" + ToQString(key)};
}

// A settings file that is no regular file is never opened, as a named pipe would block the
// reading for ever: its values read as their defaults and live in memory only.
std::unique_ptr<QSettings> IniSettingsStore::OpenFile(const QString& path) {
    if (IsRegularOrMissing(QFile::encodeName(path).toStdString()))
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_reportedFiles.insert(path);
    qWarning().noquote() << "Settings could not be read from" << path
                         << "nor saved to it: it is not a regular file";
    return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
}

void IniSettingsStore::Save(const QString& path, QSettings& file) {
    file.sync();
    if (file.status() == QSettings::AccessError && m_reportedFiles.insert(path).second)
        qWarning().noquote() << "Settings could not be saved to" << path;
}

// A number beyond 32 bits is unreadable, not cut to 32 bits.
int IniSettingsStore::ReadSettingInt(const std::string& section, const std::string& key,
                                     int defaultValue) {
    const Location location = Locate(section, key);
    bool ok = false;
    const qlonglong value = location.file->value(location.key).toLongLong(&ok);
    return ok && value >= std::numeric_limits<int>::min() &&
                   value <= std::numeric_limits<int>::max()
               ? static_cast<int>(value)
               : defaultValue;
}

std::string IniSettingsStore::ReadSettingString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue) {
    if (section == kSettingsSection) {
        if (auto text = m_longTexts->Read(key))
            return std::move(*text);
    }
    const Location location = Locate(section, key);
    const QVariant value = location.file->value(location.key);
    QByteArray bytes;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return defaultValue;
    case QMetaType::QByteArray: // bytes that were no valid UTF-8 when written
        bytes = value.toByteArray();
        break;
    case QMetaType::QStringList: // a hand-edited value with unquoted commas
        bytes = value.toStringList().join(',').toUtf8();
        break;
    default:
        bytes = value.toString().toUtf8();
        break;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void IniSettingsStore::WriteSettingInt(const std::string& section, const std::string& key,
                                       int value) {
    const Location location = Locate(section, key);
    location.file->setValue(location.key, value);
    Save(location.path, *location.file);
}

void IniSettingsStore::WriteSettingString(const std::string& section, const std::string& key,
                                          const std::string& value) {
    const Location location = Locate(section, key);
    if (LongTextFiles::IsLong(section, value)) {
        m_longTexts->Write(key, value);
        if (location.file->contains(location.key)) { // a shorter value of before
            location.file->remove(location.key);
            Save(location.path, *location.file);
        }
        return;
    }
    if (section == kSettingsSection)
        m_longTexts->Forget(key);
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    if (bytes.isValidUtf8())
        location.file->setValue(location.key, QString::fromUtf8(bytes));
    else
        location.file->setValue(location.key, bytes);
    Save(location.path, *location.file);
}

} // namespace tarvo

#include "IniSettingsStore.h"

#include <QDebug>
#include <QSettings>
#include <QStandardPaths>

namespace tarvo {

namespace {

const char* const kCompany = "Drelkin Software";
const char* const kApplication = "Tarvo 2.0";

QString FromBytes(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    return base + "/" + FromBytes(section.substr(0, separator)) + ".ini";
}

IniSettingsStore::Location IniSettingsStore::Locate(const std::string& section,
                                                    const std::string& key) {
    const QString path = FilePathOf(section);
    auto& file = m_files[path];
    if (!file)
        file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    const auto separator = section.find('\\');
    const std::string group =
        separator == std::string::npos ? section : section.substr(separator + 1);
    return {file.get(), FromBytes(group) + "/" + FromBytes(key)};
}

void IniSettingsStore::Save(QSettings& file) {
    file.sync();
    if (file.status() == QSettings::AccessError && m_reportedFiles.insert(file.fileName()).second)
        qWarning().noquote() << "Settings could not be saved to" << file.fileName();
}

int IniSettingsStore::ReadSettingInt(const std::string& section, const std::string& key,
                                     int defaultValue) {
    const auto [file, name] = Locate(section, key);
    bool ok = false;
    const int value = file->value(name).toInt(&ok);
    return ok ? value : defaultValue;
}

std::string IniSettingsStore::ReadSettingString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue) {
    if (section == kSettingsSection) {
        if (auto text = m_longTexts->Read(key))
            return std::move(*text);
    }
    const auto [file, name] = Locate(section, key);
    const QVariant value = file->value(name);
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
    const auto [file, name] = Locate(section, key);
    file->setValue(name, value);
    Save(*file);
}

void IniSettingsStore::WriteSettingString(const std::string& section, const std::string& key,
                                          const std::string& value) {
    const auto [file, name] = Locate(section, key);
    if (LongTextFiles::IsLong(section, value)) {
        m_longTexts->Write(key, value);
        if (file->contains(name)) { // a shorter value of before
            file->remove(name);
            Save(*file);
        }
        return;
    }
    if (section == kSettingsSection)
        m_longTexts->Forget(key);
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    if (bytes.isValidUtf8())
        file->setValue(name, QString::fromUtf8(bytes));
    else
        file->setValue(name, bytes);
    Save(*file);
}

} // namespace tarvo

// The settings store on INI files under $XDG_CONFIG_HOME (default ~/.config): the section
// "Settings" lives in "Drelkin Software/Tarvo 2.0.ini", and a section "App\Section" in the file
// of that application, "Drelkin Software/Tarvo 2.0/App.ini", where the program App reads it as
// its own section "Section". Long texts of "Settings" lie in files of their own in the folder
// "Drelkin Software/Tarvo 2.0/Settings" (LongTextFiles).
#pragma once

#include "LongTextFiles.h"
#include "SettingsStore.h"

#include <QString>

#include <map>
#include <memory>
#include <set>

class QSettings;

namespace tarvo {

class IniSettingsStore final : public ISettingsStore {
public:
    // configRoot empty: the user's configuration folder.
    explicit IniSettingsStore(QString configRoot = {});
    ~IniSettingsStore() override;

    int ReadSettingInt(const std::string& section, const std::string& key,
                       int defaultValue) override;
    std::string ReadSettingString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue = "") override;
    void WriteSettingInt(const std::string& section, const std::string& key, int value) override;
    void WriteSettingString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // The file that holds a section.
    QString FilePathOf(const std::string& section) const;

private:
    struct Location {
        QString path;
        QSettings* file;
        QString key;
    };
    Location Locate(const std::string& section, const std::string& key);
    std::unique_ptr<QSettings> OpenFile(const QString& path);
    // Writes the file at once. The calculator goes on when that fails (the values stay in
    // memory for the next write), so the failure is reported on the error output, once per
    // file, as QSettings keeps its first error.
    void Save(const QString& path, QSettings& file);

    QString m_root;
    std::map<QString, std::unique_ptr<QSettings>> m_files;
    std::unique_ptr<LongTextFiles> m_longTexts;
    std::set<QString> m_reportedFiles;
};

} // namespace tarvo

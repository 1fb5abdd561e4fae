// The viewer's own settings: the section "Settings" of "Drelkin Software/Tarvo 2.0/Mirelle.ini"
// under $XDG_CONFIG_HOME (default ~/.config). The calculator writes that very section as
// "Mirelle\Settings"; the viewer only reads it.
#pragma once

#include <QString>

namespace mirelle {

class ViewerSettings {
public:
    // configRoot empty: the user's configuration folder.
    explicit ViewerSettings(QString configRoot = {});

    // The stored value, or the default when it is missing or cannot be read.
    int ReadSettingInt(const QString& key, int defaultValue) const;
    QString ReadSettingString(const QString& key, const QString& defaultValue = {}) const;

    QString FilePath() const;

private:
    QString m_root;
};

} // namespace mirelle

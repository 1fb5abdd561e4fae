// The per-user settings store: named integer and string values in sections.
#pragma once

#include <string>

namespace tarvo {

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored value, or the default when it is missing or cannot be read.
    virtual int ReadSettingInt(const std::string& section, const std::string& key,
                               int defaultValue) = 0;
    virtual std::string ReadSettingString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue = "") = 0;
    virtual void WriteSettingInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void WriteSettingString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

// The calculator's own section.
inline constexpr const char* kSettingsSection = "Settings";

} // namespace tarvo

#include "BackgroundSetting.h"

namespace tarvo {

Background ReadBackground(ISettingsStore& settings) {
    const Background start;
    const auto read = [&settings](const char* key, auto value) {
        return static_cast<decltype(value)>(
            settings.ReadSettingInt(kSettingsSection, key, static_cast<int>(value)));
    };
    return {read("Background Color", start.m_crBackground), read("Color Flag", start.m_nColorFlag),
            read("Background Hatch", start.m_nBackgroundHatch)};
}

} // namespace tarvo

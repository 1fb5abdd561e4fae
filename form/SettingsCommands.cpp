#include "SettingsCommands.h"

namespace tarvo {

namespace {

bool& PrecisionFlag(SharedLevelState& shared, Precision precision) {
    switch (precision) {
    case Precision::Low:
        return shared.m_bLowPrecision;
    case Precision::High:
        return shared.m_bHighPrecision;
    case Precision::Normal:
        break;
    }
    return shared.m_bNormalPrecision;
}

} // namespace

void ChoosePrecision(CCalcLevel& level, ISettingsStore& settings, Precision precision) {
    SharedLevelState& shared = level.m_shared;
    bool& flag = PrecisionFlag(shared, precision);
    if (flag) {
        flag = false;
        return;
    }
    shared.m_bLowPrecision = shared.m_bNormalPrecision = shared.m_bHighPrecision = false;
    flag = true;
    settings.WriteSettingInt(kSettingsSection, "HighResolution", shared.m_bHighPrecision);
    settings.WriteSettingInt(kSettingsSection, "LowResolution", shared.m_bLowPrecision);
    settings.WriteSettingInt(kSettingsSection, "NormalResolution", shared.m_bNormalPrecision);
}

void ToggleKeySound(CCalcLevel& level, ISettingsStore& settings) {
    level.m_shared.m_bKeySound.Toggle();
    settings.WriteSettingInt(kSettingsSection, "Key Sound", level.m_shared.m_bKeySound.Stored());
}

void ToggleSaveLast(CCalcLevel& level) {
    level.m_shared.m_bSaveLast.Toggle();
}

void ReadPrecisionSettings(CCalcLevel& base, ISettingsStore& settings) {
    SharedLevelState& shared = base.m_shared;
    const auto read = [&settings](const char* key, bool current) {
        return settings.ReadSettingInt(kSettingsSection, key, current) != 0;
    };
    shared.m_bHighPrecision = read("HighResolution", shared.m_bHighPrecision);
    shared.m_bLowPrecision = read("LowResolution", shared.m_bLowPrecision);
    shared.m_bNormalPrecision = read("NormalResolution", shared.m_bNormalPrecision);
}

void ReadKeySoundSetting(CCalcLevel& base, ISettingsStore& settings) {
    SettingFlag& keySound = base.m_shared.m_bKeySound;
    keySound = settings.ReadSettingInt(kSettingsSection, "Key Sound", keySound.Stored());
}

} // namespace tarvo

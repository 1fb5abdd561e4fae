#include "SettingsCommands.h"

namespace tarvo {

namespace {

int& PrecisionFlag(CCalcLevel& level, Precision precision) {
    switch (precision) {
    case Precision::Low:
        return level.m_bLowPrecision;
    case Precision::High:
        return level.m_bHighPrecision;
    case Precision::Normal:
        break;
    }
    return level.m_bNormalPrecision;
}

} // namespace

void ChoosePrecision(CCalcLevel& level, ISettingsStore& settings, Precision precision) {
    int& flag = PrecisionFlag(level, precision);
    if (flag) {
        flag = 0;
        return;
    }
    level.m_bLowPrecision = 0;
    level.m_bNormalPrecision = 0;
    level.m_bHighPrecision = 0;
    flag = 1;
    settings.WriteSettingInt(kSettingsSection, "HighResolution", level.m_bHighPrecision);
    settings.WriteSettingInt(kSettingsSection, "LowResolution", level.m_bLowPrecision);
    settings.WriteSettingInt(kSettingsSection, "NormalResolution", level.m_bNormalPrecision);
}

void ToggleKeySound(CCalcLevel& level, ISettingsStore& settings) {
    level.m_bKeySound = level.m_bKeySound == 1 ? 0 : 1;
    settings.WriteSettingInt(kSettingsSection, "Key Sound", level.m_bKeySound);
}

void ToggleSaveLast(CCalcLevel& level) {
    level.m_bSaveLast = level.m_bSaveLast == 1 ? 0 : 1;
}

void ReadPrecisionSettings(CCalcLevel& base, ISettingsStore& settings) {
    base.m_bHighPrecision =
        settings.ReadSettingInt(kSettingsSection, "HighResolution", base.m_bHighPrecision);
    base.m_bLowPrecision =
        settings.ReadSettingInt(kSettingsSection, "LowResolution", base.m_bLowPrecision);
    base.m_bNormalPrecision =
        settings.ReadSettingInt(kSettingsSection, "NormalResolution", base.m_bNormalPrecision);
}

void ReadKeySoundSetting(CCalcLevel& base, ISettingsStore& settings) {
    base.m_bKeySound = settings.ReadSettingInt(kSettingsSection, "Key Sound", base.m_bKeySound);
}

} // namespace tarvo

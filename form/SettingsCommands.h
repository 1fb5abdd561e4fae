// The Settings menu's commands on the current level and the level settings read at start-up.
#pragma once

#include "CalcLevel.h"
#include "SettingsStore.h"

namespace tarvo {

// Checks the chosen precision and stores all three flags, or unchecks it when it was checked.
void ChoosePrecision(CCalcLevel& level, ISettingsStore& settings, Precision precision);
void ToggleKeySound(CCalcLevel& level, ISettingsStore& settings);
// Only toggles: the choice reaches the store at exit.
void ToggleSaveLast(CCalcLevel& level);

// Read into the base level at start-up, its current values being the defaults.
void ReadPrecisionSettings(CCalcLevel& base, ISettingsStore& settings);
void ReadKeySoundSetting(CCalcLevel& base, ISettingsStore& settings);

} // namespace tarvo

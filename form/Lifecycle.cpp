// The form's start and end: the settings read when the window first shows, the last
// calculation restored, and what is stored when the window goes.
#include "CalculatorView.h"
#include "SettingsCommands.h"

namespace tarvo {

void CCalculatorView::OnInitialUpdate() {
    CCalcLevel& base = m_doc.BaseLevel();
    ReadPrecisionSettings(base, m_settings);
    SettingFlag& saveLast = base.m_shared.m_bSaveLast;
    saveLast = m_settings.ReadSettingInt(kSettingsSection, "Save Last", saveLast.Stored());
    if (saveLast.IsOne()) {
        m_strEquation = m_settings.ReadSettingString(kSettingsSection, "Last Calc", "");
        if (!m_strEquation.empty())
            ReCalc();
    }
    // Read after the restore, so that the replay does not click.
    ReadKeySoundSetting(base, m_settings);
    m_background = ReadBackground(m_settings);
}

void CCalculatorView::OnDestroy() {
    DeleteOpenLevels();
    const CCalcLevel& base = m_doc.BaseLevel();
    const SettingFlag saveLast = base.m_shared.m_bSaveLast;
    m_settings.WriteSettingInt(kSettingsSection, "Save Last", saveLast.Stored());
    if (saveLast.IsOne())
        m_settings.WriteSettingString(kSettingsSection, "Last Calc", m_strLargeDisplay);
    m_undo.Clear();
}

} // namespace tarvo

#include "LoadCommand.h"

namespace tarvo {

void ChooseLoadFile(ISettingsStore& settings, const std::string& path) {
    settings.WriteSettingString(kSettingsSection, "Path", path);
}

void FinishLoad(CCalculatorView& view, BrowserResult result) {
    if (result == BrowserResult::Closed)
        return;
    CCalcLevel& level = view.CurrentLevel();
    level.m_bLoadPending = 1;
    level.m_nLoadMode = result == BrowserResult::Insert ? 1 : 0;
    view.ReCalc();
    // ReCalc refuses while a number is being typed; such a load is dropped, so that no later
    // ReCalc replaces the calculation with it.
    view.CurrentLevel().m_bLoadPending = 0;
}

} // namespace tarvo

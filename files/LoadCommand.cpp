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
    // The equation text never holds the number being typed (or a function result), and ReCalc
    // would refuse to run while there is one: the load would wait and replace the calculation
    // at some later RC. The number ends here, and the load happens now.
    level.ClearEntry();
    view.ReCalc();
}

} // namespace tarvo

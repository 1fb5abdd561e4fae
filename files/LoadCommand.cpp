#include "LoadCommand.h"

namespace tarvo {

void ChooseLoadFile(ISettingsStore& settings, const std::string& path) {
    settings.WriteSettingString(kSettingsSection, "Path", path);
}

void FinishLoad(CCalculatorView& view, BrowserResult result) {
    if (result == BrowserResult::Closed)
        return;
    view.LoadCalculation(result == BrowserResult::Insert ? LoadMode::Insert : LoadMode::Replace);
}

} // namespace tarvo

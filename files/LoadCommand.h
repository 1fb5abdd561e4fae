// The Load command around its two dialogs: the file chosen becomes "Path", and a
// calculation chosen in the browser is recalculated in place of, or after, the equation.
#pragma once

#include "CalculatorView.h"
#include "LoadCalcBrowser.h"

namespace tarvo {

void ChooseLoadFile(ISettingsStore& settings, const std::string& path);
void FinishLoad(CCalculatorView& view, BrowserResult result);

} // namespace tarvo

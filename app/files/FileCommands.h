// File > Save, Save As and Load with the calculator's dialogs.
#pragma once

#include "CalculatorView.h"
#include "MessagePresenter.h"
#include "SaveCommand.h"

class QWidget;

namespace tarvo {

void RunSave(SaveKind kind, ISettingsStore& settings, const MessagePresenter& presenter,
             QWidget* parent);

// The file chosen, the browser shown, and the calculation chosen there recalculated.
void RunLoad(CCalculatorView& view, ISettingsStore& settings, const MessagePresenter& presenter,
             QWidget* parent);

} // namespace tarvo

// Save and Save As: the last completed calculation ("Current Calc") appended to the
// calculation file under an ID the user types.
#pragma once

#include "MessageBox.h"
#include "SettingsStore.h"

#include <optional>
#include <string>

namespace tarvo {

class ISaveHost : public IMessageBox {
public:
    // The Calculation ID dialog: the ID, or nothing when cancelled.
    virtual std::optional<std::string> AskCalculationId() = 0;
    // The save-file dialog offering "quenda.txt" with the "text" filter: the chosen full
    // path, or nothing when cancelled. Save asks before choosing an existing file.
    virtual std::optional<std::string> AskSaveFile(bool confirmOverwrite) = 0;
};

enum class SaveKind { Save, SaveAs };

// `timeStamp` is the time of saving in the record's layout.
void SaveCalculation(SaveKind kind, ISettingsStore& settings, ISaveHost& host,
                     const std::string& timeStamp);

} // namespace tarvo

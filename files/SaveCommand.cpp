#include "SaveCommand.h"

#include "CalcFile.h"
#include "CalcRecord.h"

namespace tarvo {

void SaveCalculation(SaveKind kind, ISettingsStore& settings, ISaveHost& host,
                     const std::string& timeStamp) {
    const std::optional<std::string> id = host.AskCalculationId();
    if (!id)
        return;
    const std::string calc =
        RemoveLineBreaks(settings.ReadSettingString(kSettingsSection, "Current Calc", ""));
    // A record is one line, whatever was pasted into the ID.
    const std::string record = FormatCalcRecord(RemoveLineBreaks(*id), timeStamp, calc);
    std::string path;
    if (kind == SaveKind::Save) {
        settings.WriteSettingString(kSettingsSection, "File Entry", record);
        path = settings.ReadSettingString(kSettingsSection, "Path", "");
    }
    if (path.empty()) {
        const std::optional<std::string> chosen = host.AskSaveFile(kind == SaveKind::Save);
        if (!chosen)
            return;
        path = *chosen;
        settings.WriteSettingString(kSettingsSection, "Path", path);
    }
    const FileResult result = AppendRecord(path, record);
    if (result.status != FileStatus::Done)
        host.ShowMessage("Tarvo Error",
                         "Error - The calculation could not be saved to \"" + path +
                             "\": " + result.reason +
                             (result.unchanged ? ". The file was left as it was."
                                               : ". The end of the file may hold part of it."));
}

} // namespace tarvo

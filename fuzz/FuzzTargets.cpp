#include "FuzzTargets.h"

#include "BatchSession.h"
#include "HexToolSurface.h"
#include "IniSettingsStore.h"
#include "LoadCalcBrowser.h"
#include "StatisticsSurface.h"

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>

namespace tarvo::fuzz {

namespace {

// One temporary folder for the whole run: the targets write their files there.
const QTemporaryDir& Folder() {
    static const QTemporaryDir folder;
    return folder;
}

std::string Path(const char* name) {
    return Folder().path().toStdString() + "/" + name;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

class SilentHost final : public ILoadCalcHost {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&,
                              MessageButtons buttons) override {
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void ShowField(BrowserField, const std::string&) override {}
};

} // namespace

void ReplayEquation(const std::uint8_t* data, std::size_t size) {
    static IniSettingsStore settings(Folder().path());
    std::ostringstream output;
    BatchSession session(settings, output);
    session.View().m_strEquation.assign(reinterpret_cast<const char*>(data), size);
    session.View().ReCalc();
}

void BrowseCalcFile(const std::uint8_t* data, std::size_t size) {
    static IniSettingsStore settings(Folder().path());
    const std::size_t steps = size < 8 ? size : 8;
    const std::string file = Path("calcs.txt");
    WriteFile(file, data + steps, size - steps);
    settings.WriteSettingString(kSettingsSection, "Path", file);
    SilentHost host;
    LoadCalcBrowser browser(settings, host);
    browser.Open();
    for (std::size_t i = 0; i < steps; ++i) {
        switch (data[i] % 3) {
        case 0:
            browser.OnNext();
            break;
        case 1:
            browser.OnPrevious();
            break;
        default:
            browser.OnDelete();
        }
    }
    browser.OnClose();
}

void TypeHexTexts(const std::uint8_t* data, std::size_t size) {
    static IniSettingsStore settings(Folder().path());
    static const char* const types[] = {"char", "uchar", "int",   "uint",
                                        "long", "ulong", "float", "double"};
    const std::string text(reinterpret_cast<const char*>(data), size);
    SilentHost messages;
    std::ostringstream output;
    HexToolSurface tool(settings, messages, output);
    for (const char* type : types) {
        tool.ChooseDataType(type);
        for (const auto field : {HexToolSurface::Field::Hex, HexToolSurface::Field::Decimal,
                                 HexToolSurface::Field::Display}) {
            tool.Type(field, text);
            tool.Press("Mot");
        }
    }
    tool.Close(ToolClosing::Ok);
}

void EnterSample(const std::uint8_t* data, std::size_t size) {
    static IniSettingsStore settings(Folder().path());
    SilentHost messages;
    std::ostringstream output;
    StatisticsSurface tool(settings, messages, output);
    tool.EditSample(std::string(reinterpret_cast<const char*>(data), size), std::nullopt);
    tool.Press("Enter");
    tool.Press("+/-");
    tool.Press("<--");
    tool.Close(ToolClosing::Ok);
}

void ReadDamagedSettings(const std::uint8_t* data, std::size_t size) {
    const QString root = Folder().path() + "/damaged";
    QDir().mkpath(root + "/Drelkin Software");
    WriteFile((root + "/Drelkin Software/Tarvo 2.0.ini").toStdString(), data, size);
    IniSettingsStore settings(root);
    for (const char* key :
         {"Save Last", "HighResolution", "LowResolution", "NormalResolution", "Key Sound",
          "Background Color", "Color Flag", "Background Hatch", "Topmost"})
        settings.ReadSettingInt(kSettingsSection, key, 0);
    for (const char* key : {"Last Calc", "Current Calc", "LoadCalc", "Path", "Sumra1"})
        settings.ReadSettingString(kSettingsSection, key, "");
}

} // namespace tarvo::fuzz

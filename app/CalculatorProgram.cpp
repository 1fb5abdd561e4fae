#include "CalculatorProgram.h"

#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QApplication>

namespace tarvo {

int RunCalculator(char* program, const std::optional<std::string>& file,
                  const std::function<void(CMainFrame&)>& shown) {
    int argc = 1;
    char* argv[] = {program, nullptr};
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tarvo 2.0");
    QApplication::setOrganizationName("Drelkin Software");
    IniSettingsStore settings;
    FormHost host;
    CCalculatorDoc document(host);
    if (!file) {
        document.OnNewDocument();
    } else if (std::string reason; !document.OnOpenDocument(*file, reason)) {
        host.ShowMessage("Tarvo 2.0", "The file " + *file + " could not be opened.\n" + reason,
                         MessageButtons::Ok);
        return 1;
    }
    CMainFrame frame(document, host, settings);
    frame.show();
    if (shown)
        shown(frame);
    return QApplication::exec();
}

} // namespace tarvo

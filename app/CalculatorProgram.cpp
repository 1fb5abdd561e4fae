#include "CalculatorProgram.h"

#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QApplication>

#include <cerrno>
#include <cstring>

namespace tarvo {

int RunCalculator(int argc, char** argv, const std::function<void(CMainFrame&)>& shown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tarvo 2.0");
    QApplication::setOrganizationName("Drelkin Software");
    IniSettingsStore settings;
    FormHost host;
    CCalculatorDoc document(host);
    if (argc < 2) {
        document.OnNewDocument();
    } else if (!document.OnOpenDocument(argv[1])) {
        const std::string reason = std::strerror(errno);
        host.ShowMessage("Tarvo 2.0",
                         std::string("The file ") + argv[1] + " could not be opened.\n" + reason,
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

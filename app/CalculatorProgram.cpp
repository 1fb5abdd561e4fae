#include "CalculatorProgram.h"

#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QApplication>

namespace tarvo {

int RunCalculator(int argc, char** argv, const std::function<void(CMainFrame&)>& shown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tarvo 2.0");
    QApplication::setOrganizationName("Drelkin Software");
    IniSettingsStore settings;
    FormHost host;
    CCalculatorDoc document(host);
    CMainFrame frame(document, host, settings);
    frame.show();
    if (shown)
        shown(frame);
    return QApplication::exec();
}

} // namespace tarvo

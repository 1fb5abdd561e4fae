// tarvo: the calculator window.
#include "Icons.h"
#include "IniSettingsStore.h"
#include "MainFrame.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tarvo 2.0");
    QApplication::setOrganizationName("Drelkin Software");
    tarvo::IniSettingsStore settings;
    tarvo::FormHost host;
    tarvo::CCalculatorDoc document(host);
    tarvo::CMainFrame frame(document, host, settings);
    frame.show();
    return QApplication::exec();
}

#include "LedraApp.h"

#include "ViewerMainFrame.h"

#include <QIcon>

namespace mirelle {

CLedraApp::CLedraApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName("Drelkin Software");
    setApplicationName("Mirelle");
    setWindowIcon(QIcon(":/mirelle/tarvo.svg"));
    setDesktopFileName("com.drelkin.Tarvo.Mirelle");
}

CLedraApp::~CLedraApp() = default;

void CLedraApp::InitInstance() {
    m_pMainWnd = std::make_unique<CMainFrame>(m_settings);
    m_pMainWnd->show();
}

} // namespace mirelle

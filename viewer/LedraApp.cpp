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

bool CLedraApp::InitInstance(const std::optional<QString>& document) {
    m_pMainWnd = std::make_unique<CMainFrame>(m_settings);
    if (document && !m_pMainWnd->OpenDocument(*document))
        return false;
    m_pMainWnd->show();
    return true;
}

} // namespace mirelle

// The viewer's application: its names, its icon and the main window with a new document.
#pragma once

#include "ViewerSettings.h"

#include <QApplication>

#include <memory>

namespace mirelle {

class CMainFrame;

class CLedraApp : public QApplication {
public:
    CLedraApp(int& argc, char** argv);
    ~CLedraApp() override;

    // Creates and shows the main window; the command line is not read.
    void InitInstance();

private:
    ViewerSettings m_settings;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};

} // namespace mirelle

// The viewer's application: its names, its icon and the main window with a new document.
#pragma once

#include "ViewerSettings.h"

#include <QApplication>

#include <memory>
#include <optional>

namespace mirelle {

class CMainFrame;

class CLedraApp : public QApplication {
public:
    CLedraApp(int& argc, char** argv);
    ~CLedraApp() override;

    // Creates and shows the main window, with the file named on the command line as its
    // document when there is one; false, after telling the user, when that file cannot be
    // opened, and start-up fails.
    bool InitInstance(const std::optional<QString>& document);

private:
    ViewerSettings m_settings;
    std::unique_ptr<CMainFrame> m_pMainWnd;
};

} // namespace mirelle

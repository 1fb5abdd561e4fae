// The viewer's main window: the page view, its menus, a navigation tool bar and the status
// bar with the CAP, NUM and SCRL indicators. The caption is the document's title followed by
// " - Mirelle".
#pragma once

#include "LedraDoc.h"
#include "LockKeys.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <initializer_list>

class QLabel;

namespace mirelle {

class CLedraView;
class ViewerSettings;

class CMainFrame : public QMainWindow {
public:
    // Creates the window with a new document, as at start-up.
    explicit CMainFrame(const ViewerSettings& settings);

    CLedraView& View() const { return *m_pView; }
    // The menu item with this command id.
    QAction* Command(int id) const { return m_commands.value(id); }

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnViewStatusBar();
    void OnAppExit();
    void OnAppAbout();
    // The steps of Open and Save As once a file is chosen.
    // False, after telling the user, when the file cannot be opened.
    bool OpenDocument(const QString& path);
    void SaveDocument(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct MenuItem;
    void CreateMenus();
    void AddMenu(const char* title, std::initializer_list<MenuItem> items);
    void CreateToolBar();
    void CreateStatusBar();
    void OnInitialUpdate();
    void UpdateCaption();
    void UpdateIndicators(const LockStates& states);
    void ClearHoverText(QObject* left);

    const ViewerSettings& m_settings;
    CLedraDoc m_doc;
    CLedraView* m_pView;
    QHash<int, QAction*> m_commands;
    std::array<QLabel*, kLockKeyCount> m_indicators{};
    LockStates m_locks;
};

} // namespace mirelle

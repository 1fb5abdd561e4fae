// The main window: a fixed-size frame around the calculator form, with the menu bar.
#pragma once

#include "CalculatorForm.h"
#include "SaveCommand.h"

#include <QMainWindow>

class QMenu;

namespace tarvo {

class CMainFrame : public QMainWindow {
public:
    CMainFrame(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings);

    CalculatorForm& Form() { return *m_form; }
    // The menu item with this command id.
    QAction* Command(int id) const { return m_commands.value(id); }
    // Recomputes the check marks, as each time a menu is shown.
    void UpdateCheckMarks();

    void OnTopmost();
    void OnSave(SaveKind kind);
    void OnLoad();
    void OnNixet();
    void OnStatistics();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MenuItem;
    void CreateMenus();
    QAction* AddItem(QMenu* menu, const MenuItem& item);
    void ApplyTopmost();

    ISettingsStore& m_settings;
    CalculatorForm* m_form;
    int m_bTopmost = 0;
    QHash<int, QAction*> m_commands;
    std::vector<std::pair<QAction*, std::function<bool()>>> m_checks;
};

} // namespace tarvo

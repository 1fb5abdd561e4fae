// The main window: a fixed-size frame around the calculator form, with the menu bar.
#pragma once

#include "CalculatorForm.h"
#include "MainMenu.h"
#include "SaveCommand.h"

#include <QMainWindow>

#include <memory>

namespace tarvo {

class CMainFrame : public QMainWindow {
public:
    CMainFrame(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings);

    CalculatorForm& Form() { return *m_form; }
    ISettingsStore& Settings() { return m_settings; }
    bool IsTopmost() const { return m_bTopmost == 1; }
    // The menu item with this command id.
    QAction* Command(CommandId id) const { return m_menu->Command(id); }
    // Recomputes the check marks, as each time a menu is shown.
    void UpdateCheckMarks() { m_menu->UpdateCheckMarks(); }

    void OnTopmost();
    void OnSave(SaveKind kind);
    void OnLoad();
    void OnNixet();
    void OnStatistics();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyTopmost();

    ISettingsStore& m_settings;
    CalculatorForm* m_form;
    int m_bTopmost = 0;
    std::unique_ptr<MainMenu> m_menu;
};

} // namespace tarvo

// The main window's menu bar, built from one table of its commands: caption, status prompt,
// check-mark rule and handler of each, and the menu it stands in.
#pragma once

#include "CommandId.h"

#include <map>
#include <vector>

class QAction;
class QMenu;

namespace tarvo {

class CMainFrame;

class MainMenu {
public:
    explicit MainMenu(CMainFrame& frame);

    QAction* Command(CommandId id) const;
    // Recomputes the check marks, as each time a menu is shown.
    void UpdateCheckMarks();

    enum class Menu { Bar, File, Settings, Color, Pattern, Precision, Tools, Help };
    struct Item {
        Menu menu;
        CommandId id;
        const char* caption;                // nullptr: a separator
        const char* prompt;                 // status prompt and tool tip; nullptr: none
        bool (*checked)(CMainFrame& frame); // nullptr: the item has no check mark
        void (*command)(CMainFrame& frame);
    };

private:
    QMenu* MenuOf(Menu menu);
    void AddItem(const Item& item);

    CMainFrame& m_frame;
    std::map<Menu, QMenu*> m_menus;
    std::map<CommandId, QAction*> m_commands;
    std::vector<std::pair<QAction*, bool (*)(CMainFrame&)>> m_checks;
};

} // namespace tarvo

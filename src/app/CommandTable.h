// The window's commands in one table: for every command id its menu and item text,
// status-bar prompt, tool tip, keys and toolbar place. The main frame builds its
// menus, toolbar and actions from it; what a command does and when it is enabled is
// decided by the core's command targets.
#pragma once

#include <QKeySequence>
#include <QList>
#include <vector>

namespace oskava {

struct CommandSpec {
    int id;
    const char* menu;     // "&File", ..., or "&View/font" for the submenu
    const char* text;     // item text; its first key is shown at the right of the item
    const char* prompt;   // status-bar prompt while the item or button is under the pointer
    const char* toolTip;  // shown over its toolbar button
    QList<QKeySequence> keys;
    bool checkable;       // the item can show a check mark
    bool separatorAfter;  // a separator follows the item in its menu
};

/// Every menu item in menu order.
const std::vector<CommandSpec>& CommandTable();

/// The toolbar's buttons from left to right; 0 stands for a gap.
const std::vector<int>& ToolbarLayout();

/// The table's entry for the id; null for an id that is not in it.
const CommandSpec* FindCommand(int id);

}  // namespace oskava

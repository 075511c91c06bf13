// The pictures of the toolbar buttons and of the program.
#pragma once

#include <QIcon>

namespace oskava {

/// The button picture of the command; an empty icon for a command without a button.
QIcon ToolbarIcon(int id);

/// The program's icon, for its windows.
QIcon ProgramIcon();

}  // namespace oskava

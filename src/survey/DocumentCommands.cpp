// The commands the document handles itself: opening and saving. The editing
// commands join them from editing/EditCommands.h, with the same enabling rule.
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"

namespace oskava {

void CDatDoc::BindCommands() {
    const auto holdsData = [this] { return CommandState{DataCommandsEnabled(), false}; };
    commands_.Bind(command::FileOpen, [this] { OnFileOpen(); });
    commands_.Bind(command::FileSaveAs, [this] { OnFileSaveAs(); }, holdsData);
}

}  // namespace oskava

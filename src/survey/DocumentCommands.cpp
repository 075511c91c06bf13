// The commands the document handles itself: opening, saving, and undoing and redoing
// edits. The editing commands join them from editing/EditCommands.h, with the same
// enabling rule as Save As.
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"

namespace oskava {

namespace {

std::string Named(const std::string& command, const std::string& edit) {
    return edit.empty() ? command : command + " " + edit;
}

}  // namespace

void CDatDoc::BindCommands() {
    const auto holdsData = [this] { return CommandState{DataCommandsEnabled(), false}; };
    commands_.Bind(command::FileOpen, [this] { OnFileOpen(); });
    commands_.Bind(command::FileSaveAs, [this] { OnFileSaveAs(); }, holdsData);
    // The items name the edit they act on: "Undo Delete electrode".
    commands_.Bind(
        command::EditUndo, [this] { Undo(); },
        [this] {
            return CommandState{journal().CanUndo(), false, Named("Undo", journal().UndoName())};
        });
    commands_.Bind(
        command::EditRedo, [this] { Redo(); },
        [this] {
            return CommandState{journal().CanRedo(), false, Named("Redo", journal().RedoName())};
        });
}

}  // namespace oskava

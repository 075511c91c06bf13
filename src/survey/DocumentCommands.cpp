// The commands the document handles: opening and saving, and the editing commands,
// which all need data to work on.
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"

namespace oskava {

void CDatDoc::BindCommands() {
    // dataReady plays no part: a survey whose last datum was deleted is still ready.
    const auto holdsData = [this] { return CommandState{dataCount > 0, false}; };
    commands_.Bind(command::FileOpen, [this] { OnFileOpen(); });
    commands_.Bind(command::FileSaveAs, [this] { OnFileSaveAs(); }, holdsData);
    for (const int id : {command::AssignStdDev, command::AddNoise, command::DeleteElectrode,
                         command::Statistics}) {
        commands_.Bind(id, {}, holdsData);
    }
}

}  // namespace oskava

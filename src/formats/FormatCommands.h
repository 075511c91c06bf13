// File -> Import and File -> Export as a person meets them: the dialogs, the question
// before unsaved edits are lost or a file is replaced, and the imported survey opened
// as the document.
#pragma once

#include <optional>
#include <string>

#include "formats/ForeignFormat.h"
#include "survey/DatDoc.h"

namespace oskava {

/// What the Import dialog exchanges with its command.
struct ImportFields {
    std::string path;
    std::optional<ForeignFormat> format;  // nullopt: found from the content
    bool isDC = true;
};

/// What the Export dialog exchanges with its command.
struct ExportFields {
    std::string path;
    ForeignFormat format = ForeignFormat::Unified;
};

/// Opens another program's file as the document, through the opening sequence: the
/// elevations become the topography, the title is the path with " (imported)", and the
/// survey counts as modified and is saved only through Save As. Failed, with the
/// reasons told and no survey left, when the file is refused or the data cannot be
/// shown.
OpenOutcome ImportIntoDocument(CDatDoc& doc, const ImportFields& fields);

/// The Import command: the save-changes question when there are unsaved edits, the
/// Import dialog, then the import. A Cancel anywhere leaves the survey as it was.
void OnFileImport(CDatDoc& doc);

/// The Export command: the Export dialog (proposing the survey's name with ".ohm", or
/// "-export.ohm" when that is the survey's own file), the question before an existing
/// file is replaced, then the export.
void OnFileExport(CDatDoc& doc);

/// Adds Import (always enabled) and Export (enabled while there are data) to the
/// document's commands.
void BindFormatCommands(CDatDoc& doc);

}  // namespace oskava

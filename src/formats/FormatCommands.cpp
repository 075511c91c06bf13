#include "formats/FormatCommands.h"

#include <filesystem>
#include <system_error>

#include "formats/Export.h"
#include "formats/Import.h"
#include "survey/CommandIds.h"
#include "survey/FilePaths.h"
#include "survey/OpenSurvey.h"

namespace oskava {

namespace {

// The reading step of the opening sequence for another program's file.
bool ReadImported(CDatDoc& doc, const ImportFields& fields) {
    doc.dataCount = 0;
    doc.ClearData();
    const ImportedSurvey survey =
        ImportSurvey(fields.path, fields.format, !fields.isDC, doc.progress());
    if (!survey.error.empty()) {
        doc.prompts().Message(survey.error, MessageKind::Error);
        return false;
    }
    const std::string information = ImportInformation(survey, "the survey is shown");
    if (!information.empty()) {
        doc.prompts().Message(information, MessageKind::Information);
    }
    doc.observations.reserve(survey.data.size());
    for (const ImportedDatum& datum : survey.data) {
        Cobs record;
        record.xa = datum.xa;
        record.xb = datum.xb;
        record.xm = datum.xm;
        record.xn = datum.xn;
        record.datum = datum.value;
        record.stdDev = datum.stdDev;
        doc.observations.push_back(record);
    }
    doc.dataCount = static_cast<int32_t>(doc.observations.size());
    doc.headerLine = survey.title;
    doc.commonCurrent = false;
    doc.defaultErrors = !survey.hasStdDev;
    // The electrodes' elevations, as a topography file would give them: depths below
    // the highest of them.
    doc.hasTopography = !survey.ground.empty();
    doc.topographyImported = doc.hasTopography;
    doc.topoReference = HighestElevation(survey.ground);
    for (const GroundPoint& point : survey.ground) {
        doc.topoX.push_back(point.x);
        doc.topoDepth.push_back(doc.topoReference - point.elevation);
    }
    doc.SetPathName(fields.path);
    return true;
}

}  // namespace

OpenOutcome ImportIntoDocument(CDatDoc& doc, const ImportFields& fields) {
    OpenRequest request;
    request.dataFile = fields.path;
    request.isDC = fields.isDC;
    const OpenOutcome outcome =
        OpenSurvey(doc, request, [&fields](CDatDoc& read) { return ReadImported(read, fields); });
    if (outcome == OpenOutcome::Opened) {
        doc.imported = true;
        doc.SetTitle(fields.path + " (imported)");
        // No state of the survey is saved anywhere yet, not even the one just read.
        doc.journal().Clear();
        doc.SetModifiedFlag(true);
    }
    return outcome;
}

void OnFileImport(CDatDoc& doc) {
    if (!doc.SaveModified()) {
        return;
    }
    ImportFields fields{doc.dataFileName, std::nullopt, doc.isDC};
    if (doc.prompts().EditImport(fields) != DialogResult::Ok) {
        return;
    }
    if (ImportIntoDocument(doc, fields) != OpenOutcome::Opened) {
        // The window is left without a survey; its views let go of the old picture.
        doc.UpdateAllViews(0);
    }
}

void OnFileExport(CDatDoc& doc) {
    // The survey's name in the unified format's usual extension, unless that names the
    // file the survey came from.
    std::string proposal = WithExtension(doc.dataFileName, ".ohm");
    if (proposal == doc.dataFileName) {
        proposal = WithExtension(doc.dataFileName, "-export.ohm");
    }
    ExportFields fields{proposal, ForeignFormat::Unified};
    for (;;) {
        if (doc.prompts().ChooseExport(fields) != DialogResult::Ok) {
            return;
        }
        if (!FileExists(fields.path) ||
            doc.prompts().AskYesNo(FileNamePart(fields.path) +
                                   " already exists.\nDo you want to replace it?")) {
            break;
        }
    }
    ExportSurvey(doc, fields.format, fields.path, SurveyInputs(doc));
}

void BindFormatCommands(CDatDoc& doc) {
    doc.Commands().Bind(command::FileImport, [&doc] { OnFileImport(doc); });
    doc.Commands().Bind(
        command::FileExport, [&doc] { OnFileExport(doc); },
        [&doc] { return CommandState{doc.DataCommandsEnabled()}; });
}

}  // namespace oskava

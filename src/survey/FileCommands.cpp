// The document's file commands as a person meets them: File Open with the Load Data
// dialog, a file dropped on the window, Save As, and the save-changes question before
// unsaved edits would be lost.
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "survey/DatDoc.h"
#include "survey/FilePaths.h"
#include "survey/Prompts.h"

namespace oskava {

namespace {

// Saving in place needs the file still there and writable (access fails for a file
// that is gone); otherwise the user is asked for another name instead of being shown
// a failure.
bool CanSaveInPlace(const std::string& path) {
    return access(path.c_str(), W_OK) == 0;
}

}  // namespace

void CDatDoc::OnFileOpen() {
    if (!SaveModified()) {
        return;
    }
    LoadDataFields fields{dataFileName, predictedFileName, topographyFileName, isDC};
    if (prompts().EditLoadData(fields) != DialogResult::Ok) {
        return;
    }
    if (OnFileOpen(fields) != OpenOutcome::Opened) {
        // The window is left without a survey; its views let go of the old picture.
        UpdateAllViews(0);
    }
}

void CDatDoc::OnDropFile(const std::string& path) {
    // The data type and any other file are the user's choice, as for a new survey:
    // the previous survey's predicted data and topography do not belong to this one.
    LoadDataFields fields{path, "", "", isDC};
    if (prompts().EditLoadData(fields) != DialogResult::Ok || !SaveModified()) {
        return;
    }
    if (OnFileOpen(fields) != OpenOutcome::Opened) {
        UpdateAllViews(0);
    }
}

bool CDatDoc::OnFileSaveAs() {
    std::string path = imported ? WithExtension(dataFileName, ".dat") : dataFileName;
    for (;;) {
        if (prompts().ChooseSaveAsPath(path) != DialogResult::Ok) {
            return false;
        }
        if (!FileExists(path) ||
            prompts().AskYesNo(FileNamePart(path) +
                               " already exists.\nDo you want to replace it?")) {
            break;
        }
    }
    if (!OnSaveDocument(path)) {
        return false;
    }
    SetPathName(path);
    imported = false;
    return true;
}

bool CDatDoc::SaveModified() {
    if (!IsModified()) {
        return true;
    }
    switch (prompts().AskSaveChanges(FileNamePart(dataFileName))) {
        case SaveChangesAnswer::Yes:
            return CanSaveInPlace(dataFileName) && !imported ? OnSaveDocument(dataFileName)
                                                             : OnFileSaveAs();
        case SaveChangesAnswer::No:
            return true;
        case SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace oskava

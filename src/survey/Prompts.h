// The core's view of the person using the program: message boxes, questions and
// modal dialogs. The Qt adapter answers with real windows, the command line with
// standard error and its options, the tests with a scripted fake.
#pragma once

#include <memory>
#include <string>

#include "survey/OpenRequest.h"

namespace oskava {

class CDatDoc;
class CDatProp;
struct EditingState;
struct ExportFields;
struct FilterFields;
struct ImportFields;

/// Icon and buttons of a message box.
enum class MessageKind {
    Warning,      // OK button, exclamation icon: notices and file errors
    Error,        // OK button, stop icon: wrong-sign data, collinear data
    Information,  // OK button, information icon: statistics, file-name notice
    Plain,        // OK button, no icon: input checks inside dialogs
};

enum class SaveChangesAnswer { Yes, No, Cancel };

/// What the Min / Max dialog ("Set data range") exchanges with the view.
struct MinMaxFields {
    bool reset = false;        // closed with "Reset"
    bool secondGroup = false;  // the second group of fields is in use
    std::string secondTitle;   // caption of the second group box
    double max1 = 0, min1 = 0, max2 = 0, min2 = 0;
    // The group shows 10 raised to the stored range, so its values must be positive.
    bool positive1 = false, positive2 = false;
};

/// What the standard-deviation dialog ("Assign Standard Deviation", or "Add Gaussian
/// Noise" in noise mode) exchanges with its command.
struct NoiseFields {
    double percent = 0;  // of the magnitude of each datum; 5 means 5 %
    double minimum = 0;  // added to the percentage part, in the units of the datum
    bool noiseMode = false;
};

/// What the "Delete Electrode" dialog exchanges with its command.
struct DeleteElectrodeFields {
    double location = 0;  // metres along the line
    bool transmitter = false;
    bool receiver = false;
};

enum class DialogResult { Cancel, Ok };

class Prompts {
public:
    virtual ~Prompts() = default;

    /// Shows a modal message box captioned with the application's title.
    virtual void Message(const std::string& text, MessageKind kind) = 0;
    /// Asks a question with Yes and No buttons and the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    /// "Save changes to %1?" with Yes, No and Cancel.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& fileName) = 0;
    /// A remark that needs no answer: the window's status bar shows it, the command
    /// line writes it as information.
    virtual void StatusMessage(const std::string& text) { (void)text; }

    /// Runs the "Set data range" dialog on the fields; Ok also for "Reset"
    /// (fields.reset tells which). The dialog validates with the rules of
    /// view/MinMaxRules.h before it closes.
    virtual DialogResult EditMinMax(MinMaxFields& fields) = 0;
    /// Runs the "IP Units" dialog on a unit index 0..4.
    virtual DialogResult ChooseIpUnits(int& unitIndex) = 0;
    /// Runs the standard-deviation dialog on the fields. The dialog validates with
    /// the rules of editing/EditDialogRules.h before it closes with Ok.
    virtual DialogResult EditNoise(NoiseFields& fields) = 0;
    /// Runs the "Delete Electrode" dialog on the fields, validated likewise.
    virtual DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) = 0;
    /// Runs the "Filter Data" dialog on the fields, over the document's data (its
    /// histogram and count); it checks its entries with the rules of
    /// analysis/DataFilter.h before it closes with Ok.
    virtual DialogResult EditFilter(const CDatDoc& doc, FilterFields& fields) {
        (void)doc;
        (void)fields;
        return DialogResult::Cancel;
    }
    /// Creates the modeless Data Properties window of the document, not yet filled.
    /// The window calls the functions of editing/DatumProperties.h for its buttons.
    virtual std::unique_ptr<CDatProp> OpenDatumProperties(CDatDoc& doc) = 0;
    /// Shows the modeless Error analysis window of the document, one at a time; its
    /// buttons call analysis/ErrorEdits.h. Nothing happens where there is no window.
    virtual void ShowErrorAnalysis(CDatDoc& doc) { (void)doc; }
    /// Shows the modeless Misfit by electrode window, one at a time; a click on a bar
    /// runs Delete electrode with editing's remembered values and the bar's location.
    virtual void ShowElectrodeMisfit(CDatDoc& doc, EditingState& editing) {
        (void)doc;
        (void)editing;
    }

    // The file dialogs exist only in the window; everywhere else files are named
    // beforehand, so these are cancelled.

    /// Runs the "Load Data" dialog on the file names and data type. The dialog checks
    /// its entries with the rules of survey/LoadDataRules.h before it closes with Ok.
    virtual DialogResult EditLoadData(LoadDataFields& fields) {
        (void)fields;
        return DialogResult::Cancel;
    }
    /// Asks where to save ("Save As"), proposing path; on Ok path holds the choice.
    /// The dialog does not ask about replacing a file: the document does.
    virtual DialogResult ChooseSaveAsPath(std::string& path) {
        (void)path;
        return DialogResult::Cancel;
    }
    /// Asks for another program's file and how to read it ("Import"): the file, then
    /// its format (or found from the content) and DC or IP (formats/FormatCommands.h).
    virtual DialogResult EditImport(ImportFields& fields) {
        (void)fields;
        return DialogResult::Cancel;
    }
    /// Asks where to export and in which format ("Export"), proposing fields. The
    /// dialog does not ask about replacing a file: the document does.
    virtual DialogResult ChooseExport(ExportFields& fields) {
        (void)fields;
        return DialogResult::Cancel;
    }
};

}  // namespace oskava

// The survey data set: the observation records in file order and the document-level
// state that goes with them, and the operations that read, derive and write it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "survey/Cobs.h"
#include "survey/CommandRouter.h"
#include "survey/DatProp.h"
#include "survey/Document.h"
#include "survey/OpenRequest.h"

namespace oskava {

class CDatView;
class TextFile;

class CDatDoc : public Document {
  public:
    explicit CDatDoc(Prompts& prompts);
    ~CDatDoc() override;

    std::vector<Cobs> observations;
    int32_t dataCount = 0;
    double xMin = 0, xMax = 0;
    double maxPseudoDepth = 0;
    double valueMin = 0, valueMax = 0;
    double minSeparation = 0, maxSeparation = 0;
    std::vector<double> topoDepth;
    std::vector<double> topoX;
    double topoReference = 0;         // the profile's elevation at depth 0
    bool topographyImported = false;  // the profile came with an imported file
    bool imported = false;            // from another program's file, not saved since
    bool dataReady = false;
    bool defaultErrors = false;
    int32_t ipUnits = 0;  // 0 Default, 1 Phase (mrad), 2 PFE (%), 3 Time (msec), 4 x100
    bool predictedLoaded = false;
    bool hasTopography = false;
    CDatView* view = nullptr;  // not owned
    bool isDC = true;
    int32_t selectedDatum = 0;
    std::string headerLine;
    std::unique_ptr<CDatProp> propertiesDialog;
    std::string dataFileName;
    std::string predictedFileName;
    std::string topographyFileName;
    bool commonCurrent = false;

    /// Empties the records and the topography profile, closes the Data Properties
    /// window, forgets the edits made and that the survey was imported. Leaves
    /// dataCount, the other flags, the file names and headerLine alone.
    void ClearData();
    /// The enabling rule of the data commands (Assign standard deviation, Add Gaussian
    /// noise, Save As, Delete electrode, statistics): exactly while there are data.
    bool DataCommandsEnabled() const { return dataCount > 0; }
    /// Stores the path for saving and makes the whole path the title.
    void SetPathName(const std::string& path) override;

    /// Reads an observation file in either layout, replacing the observations.
    /// Reports every failure through the prompts and returns false.
    bool ReadDataFile(const std::string& path);

    /// Reads the topography profile named (empty: none). Returns false when the named
    /// file cannot be used: its message has been shown and the program must end.
    [[nodiscard]] bool ReadTopography(const std::string& name);
    /// Depth of the surface profile at x (linear, ends extended); needs two points.
    double InterpolateSurfaceDepth(double x) const;
    /// Geometry, display values and extents of every record, then moves coinciding
    /// pseudo-locations apart. False when a DC datum has the wrong sign.
    bool ProcessData();

    /// Reads an inversion's predicted data for the loaded records, in the observation
    /// file's layout. False, with its message shown and predictedLoaded false, when
    /// the file cannot be read or does not belong to the observations.
    bool ReadPredictedFile(const std::string& path);

    /// Takes every record's standard deviation from the "Default Errors" table of an
    /// inversion log. False when the log cannot be opened: its message has been shown
    /// and the program must end with status -1.
    [[nodiscard]] bool ReadDefaultErrors(const std::string& logPath);
    /// The same with the log of this data type's inversion in the current directory.
    [[nodiscard]] bool ReadDefaultErrors() { return ReadDefaultErrors(InversionLogFile(isDC)); }

    /// Opens the survey named on the command line with the command line's options.
    OpenOutcome OnOpenDocument(const std::string& path, const CommandLineOptions& options);
    /// Opens the survey chosen in the Load Data dialog (never reads an inversion log).
    /// Never EndProcess: a topography file that cannot be read has shown its message,
    /// leaves no survey behind and gives Failed.
    OpenOutcome OnFileOpen(const LoadDataFields& fields);
    /// The File Open command: the save-changes question when there are unsaved edits,
    /// then the Load Data dialog with the document's file names, then the opening
    /// sequence. A Cancel anywhere leaves the survey as it was.
    void OnFileOpen();
    /// A file dropped on the window: the Load Data dialog with it as the data file,
    /// then, when OK starts the opening, the save-changes question, then the opening
    /// sequence. A Cancel anywhere leaves the survey as it was.
    void OnDropFile(const std::string& path);
    /// The Save As command: asks for a name (proposing the data file's path, for an
    /// imported survey the same name with ".dat"), asks before an existing file is
    /// replaced, saves, and makes the name the document's path. False when cancelled
    /// or when the save failed.
    bool OnFileSaveAs();
    /// Before the survey is closed or replaced: with unsaved edits, asks whether to
    /// save them. Yes saves to the data file (through Save As when that file is
    /// read-only or gone, or another program's file), No discards them. True when the
    /// caller may go on; false for Cancel or a failed save, which leave the survey
    /// modified.
    bool SaveModified() override;

    /// Writes the survey to path, replacing the file only once every byte is on disk,
    /// and an imported survey's elevations to the topography file beside it (".topo"),
    /// which then becomes the survey's. On failure shows why, leaves any existing file
    /// and the modified flag as they were, and returns false.
    bool OnSaveDocument(const std::string& path);

    /// A click on the view at the logical point: the index (0-based) of the first
    /// record whose marker rectangle holds it (left and top edges inside), which
    /// becomes selectedDatum and is shown in the Data Properties window (created
    /// through the prompts when there is none); -1, with nothing changed, when no
    /// marker does. The window's buttons are in editing/DatumProperties.h.
    int32_t ShowDatumProperties(int32_t x, int32_t y);
    /// The index (0-based) of the first record whose marker rectangle holds the
    /// logical point, left and top edges inside; -1 when none does.
    int32_t DatumAt(int32_t x, int32_t y) const;

    /// The commands the document handles, with their enabling rules; the editing
    /// commands are bound into it by editing/EditCommands.h.
    const CommandTarget& Commands() const { return commands_; }
    CommandTarget& Commands() { return commands_; }

  private:
    void BindCommands();
    bool SaveImportedTopography(const std::string& path);
    bool ReadCommonCurrentFile(TextFile& file, const std::string& path);
    bool ReadPredictedCommonCurrentFile(TextFile& file, const std::string& path);
    bool StorePredicted(Cobs& record, const std::string& path);
    void LeaveWithoutPrediction(size_t first, const std::string& path);
    void FailRead();

    CommandTarget commands_;
};

}  // namespace oskava

// The document's editing commands as the menus run them: each opens its dialog
// through the prompts with the values it remembers, then makes its edit.
#pragma once

#include <optional>

#include "editing/GaussianNoise.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {

/// What the editing commands keep for the life of the process: the values last
/// confirmed in their dialogs (never written to a file) and the Gaussian deviate
/// generator. One object, owned by the application or the command-line process.
struct EditingState {
    struct Pair {
        double percent = 0;
        double minimum = 0;
    };
    Pair assign;                   // Assign standard deviation
    Pair noise;                    // Add Gaussian noise
    double electrodeLocation = 0;  // Delete electrode
    GaussianDeviates deviates;
};

/// Edit > Assign standard deviation ... (32797).
void AssignStdDevCommand(CDatDoc& doc, EditingState& state);
/// Edit > Add Gaussian noise ... (32772).
void AddNoiseCommand(CDatDoc& doc, EditingState& state);
/// Edit > Delete electrode (32806): the dialog, then the question "Are you sure you
/// want to delete %i data?". Closes the Data Properties window once the dialog is
/// confirmed, whatever follows. The dialog opens on location when one is given (a
/// click on the misfit chart), on the remembered one otherwise.
void DeleteElectrodeCommand(CDatDoc& doc, EditingState& state,
                            std::optional<double> location = std::nullopt);
/// View > statistics (32809): the statistics text in an information box.
void StatisticsCommand(const CDatDoc& doc);

/// Lists the four commands above on the target, each enabled exactly while the data
/// set holds data. doc and state must outlive the target.
void BindEditCommands(CommandTarget& target, CDatDoc& doc, EditingState& state);

}  // namespace oskava

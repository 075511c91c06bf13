// The editing commands: stats, and assign, noise, delete-electrode and delete-datum,
// which make the viewer's edit with their options as the dialog's entries and save.
// A refused entry is reported in the dialog's words; nothing is written then.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/Commands.h"
#include "cli/StderrPrompts.h"
#include "cli/SurveyOptions.h"
#include "editing/DataEdits.h"
#include "editing/DatumProperties.h"
#include "editing/EditCommands.h"
#include "editing/EditDialogRules.h"

namespace oskava::cli {

namespace {

struct EditOptions {
    SurveyOptions survey;
    std::string output;
    std::string percent;  // as typed in the dialog's fields
    std::string minimum;
    int repeat = 1;
    std::string location;
    bool transmitter = false;
    bool receiver = false;
    int index = 0;
};

/// The dialogs answered from the options and checked by the dialogs' own rules; the
/// deletion question is answered yes.
class EditingPrompts : public StderrPrompts {
  public:
    explicit EditingPrompts(const EditOptions& options) : StderrPrompts(true), options_(options) {}

    DialogResult EditNoise(NoiseFields& fields) override {
        return Accept(ReadNoiseEntries(options_.percent, options_.minimum, fields));
    }
    DialogResult EditDeleteElectrode(DeleteElectrodeFields& fields) override {
        return Accept(ReadDeleteElectrodeEntries(options_.location, options_.transmitter,
                                                 options_.receiver, fields));
    }
    bool Refused() const { return refused_; }

  private:
    DialogResult Accept(const Refusal& refusal) {
        if (!refusal.Refused()) {
            return DialogResult::Ok;
        }
        Message(refusal.message, MessageKind::Error);
        refused_ = true;
        return DialogResult::Cancel;
    }

    const EditOptions& options_;
    bool refused_ = false;
};

using Edit = std::function<void(CDatDoc& doc, EditingState& state, const EditOptions& options,
                                const EditingPrompts& prompts)>;

int RunEdit(const EditOptions& options, const Edit& edit) {
    EditingPrompts prompts(options);
    CDatDoc doc(prompts);
    if (!OpenSurveyForCommand(doc, options.survey)) {
        return kFailed;
    }
    doc.journal().StopRecording();  // nothing is undone here
    EditingState state;
    edit(doc, state, options, prompts);
    if (prompts.Refused()) {
        return kBadUsage;
    }
    // As Save As is disabled in the viewer, a survey without data is not written.
    if (!doc.DataCommandsEnabled()) {
        prompts.Message(options.output + " not written: the survey holds no data.",
                        MessageKind::Error);
        return kFailed;
    }
    return doc.OnSaveDocument(options.output) ? kDone : kFailed;
}

CLI::App* AddEditCommand(CLI::App& app, CommandContext& context, const std::string& name,
                         const std::string& description, Edit edit,
                         std::shared_ptr<EditOptions>& options) {
    options = std::make_shared<EditOptions>();
    CLI::App* command = app.add_subcommand(name, description);
    AddSurveyOptions(*command, options->survey);
    command->add_option("-o", options->output, "Observation file to write")->required();
    command->callback(
        [options, edit = std::move(edit), &context] { context.status = RunEdit(*options, edit); });
    return command;
}

void AddPercentMinimum(CLI::App& command, EditOptions& options) {
    command.add_option("--percent", options.percent, "Percent of the magnitude of each datum")
        ->required()
        ->type_name("P");
    command.add_option("--minimum", options.minimum, "Added to the percentage, datum units")
        ->required()
        ->type_name("M");
}

}  // namespace

void RegisterEditingCommands(CLI::App& app, CommandContext& context) {
    AddSurveyCommand(app, context, "stats", "Print the statistics of the data", [](CDatDoc& doc) {
        if (!doc.DataCommandsEnabled()) {
            return kFailed;
        }
        std::fputs(StatisticsText(doc.observations).c_str(), stdout);
        return kDone;
    });

    std::shared_ptr<EditOptions> options;
    CLI::App* assign = AddEditCommand(
        app, context, "assign", "Assign standard deviations as percent plus minimum, and save",
        [](CDatDoc& doc, EditingState& state, const EditOptions&, const EditingPrompts&) {
            AssignStdDevCommand(doc, state);
        },
        options);
    AddPercentMinimum(*assign, *options);

    CLI::App* noise = AddEditCommand(
        app, context, "noise", "Add reproducible Gaussian noise K times in one process, and save",
        [](CDatDoc& doc, EditingState& state, const EditOptions& o, const EditingPrompts& p) {
            for (int i = 0; i < o.repeat && !p.Refused(); ++i) {
                AddNoiseCommand(doc, state);
            }
        },
        options);
    AddPercentMinimum(*noise, *options);
    noise->add_option("--repeat", options->repeat, "Uses of the noise command (default 1)")
        ->check(CLI::PositiveNumber)
        ->type_name("K");

    CLI::App* electrode = AddEditCommand(
        app, context, "delete-electrode", "Delete every datum using an electrode, and save",
        [](CDatDoc& doc, EditingState& state, const EditOptions&, const EditingPrompts&) {
            DeleteElectrodeCommand(doc, state);
        },
        options);
    electrode->add_option("--at", options->location, "Electrode location (m)")
        ->required()
        ->type_name("L");
    electrode->add_flag("--transmitter", options->transmitter, "As current electrode A or B");
    electrode->add_flag("--receiver", options->receiver, "As potential electrode M or N");

    CLI::App* datum = AddEditCommand(
        app, context, "delete-datum", "Delete one record as the Data Properties window does",
        [](CDatDoc& doc, EditingState&, const EditOptions& o, const EditingPrompts&) {
            if (o.index < 0 || o.index >= doc.dataCount) {
                throw CLI::ValidationError("--index", "must be a record index from 0 to " +
                                                          std::to_string(doc.dataCount - 1));
            }
            doc.selectedDatum = o.index;
            DeleteSelectedDatum(doc);
        },
        options);
    datum->add_option("--index", options->index, "Record index, from 0")->required();
}

}  // namespace oskava::cli

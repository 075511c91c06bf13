#include "editing/EditCommands.h"

#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
#include "survey/CommandIds.h"

namespace oskava {

namespace {

// The standard-deviation dialog on a remembered pair; false on Cancel. The pair is
// replaced only by OK.
bool EditPair(Prompts& prompts, EditingState::Pair& pair, bool noiseMode) {
    NoiseFields fields{pair.percent, pair.minimum, noiseMode};
    if (prompts.EditNoise(fields) != DialogResult::Ok) {
        return false;
    }
    pair = EditingState::Pair{fields.percent, fields.minimum};
    return true;
}

}  // namespace

void AssignStdDevCommand(CDatDoc& doc, EditingState& state) {
    if (EditPair(doc.prompts(), state.assign, false)) {
        AssignStdDev(doc, state.assign.percent, state.assign.minimum);
    }
}

void AddNoiseCommand(CDatDoc& doc, EditingState& state) {
    if (EditPair(doc.prompts(), state.noise, true)) {
        AddGaussianNoise(doc, state.noise.percent, state.noise.minimum, state.deviates);
    }
}

void DeleteElectrodeCommand(CDatDoc& doc, EditingState& state, std::optional<double> location) {
    DeleteElectrodeFields fields{location.value_or(state.electrodeLocation), false, false};
    if (doc.prompts().EditDeleteElectrode(fields) != DialogResult::Ok) {
        return;
    }
    state.electrodeLocation = fields.location;
    ConfirmAndDelete(
        doc, ElectrodeData(doc.observations, fields.location, fields.transmitter, fields.receiver),
        edit_name::DeleteElectrode);
}

void StatisticsCommand(const CDatDoc& doc) {
    if (!doc.observations.empty()) {
        doc.prompts().Message(StatisticsText(doc.observations), MessageKind::Information);
    }
}

void BindEditCommands(CommandTarget& target, CDatDoc& doc, EditingState& state) {
    const auto hasData = [&doc] { return CommandState{doc.DataCommandsEnabled(), false}; };
    target.Bind(
        command::AssignStdDev, [&doc, &state] { AssignStdDevCommand(doc, state); }, hasData);
    target.Bind(
        command::AddNoise, [&doc, &state] { AddNoiseCommand(doc, state); }, hasData);
    target.Bind(
        command::DeleteElectrode, [&doc, &state] { DeleteElectrodeCommand(doc, state); }, hasData);
    target.Bind(
        command::Statistics, [&doc] { StatisticsCommand(doc); }, hasData);
}

}  // namespace oskava

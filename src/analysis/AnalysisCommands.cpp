#include "analysis/AnalysisCommands.h"

#include "analysis/ErrorAnalysis.h"
#include "analysis/ErrorPairs.h"
#include "survey/CommandIds.h"

namespace oskava {

void ErrorAnalysisCommand(CDatDoc& doc) {
    if (FindErrorPairs(doc.observations).empty()) {
        doc.prompts().Message(kNoPairs, MessageKind::Information);
        return;
    }
    doc.prompts().ShowErrorAnalysis(doc);
}

void ElectrodeMisfitCommand(CDatDoc& doc, EditingState& state) {
    doc.prompts().ShowElectrodeMisfit(doc, state);
}

void BindAnalysisCommands(CommandTarget& target, CDatDoc& doc, EditingState& state) {
    target.Bind(
        command::ErrorAnalysis, [&doc] { ErrorAnalysisCommand(doc); },
        [&doc] { return CommandState{doc.DataCommandsEnabled() && doc.isDC}; });
    target.Bind(
        command::ElectrodeMisfit, [&doc, &state] { ElectrodeMisfitCommand(doc, state); },
        [&doc] { return CommandState{doc.DataCommandsEnabled() && doc.predictedLoaded}; });
}

}  // namespace oskava

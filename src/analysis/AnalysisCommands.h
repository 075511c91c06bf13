// The View menu's analyses of the data: Error analysis, and Misfit by electrode.
#pragma once

#include "editing/EditCommands.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {

/// View > Error analysis ... : the window, or, for a survey without pairs, kNoPairs in
/// an information box and nothing else.
void ErrorAnalysisCommand(CDatDoc& doc);
/// View > Misfit by electrode ... : the window.
void ElectrodeMisfitCommand(CDatDoc& doc, EditingState& state);

/// Lists both commands on the target: Error analysis enabled while DC data are loaded,
/// Misfit by electrode while data with predicted data are. doc and state must outlive
/// the target.
void BindAnalysisCommands(CommandTarget& target, CDatDoc& doc, EditingState& state);

}  // namespace oskava

// The edits the Error analysis window offers: standard deviations from the error
// model, and the deletion of the pairs that disagree by more than a percentage.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/ErrorModel.h"
#include "analysis/ErrorPairs.h"
#include "editing/EditDialogRules.h"
#include "survey/DatDoc.h"

namespace oskava {

namespace edit_name {
inline const char AssignFromModel[] = "Assign standard deviations from the model";
}  // namespace edit_name

namespace control {
constexpr int DropAbovePercent = 1040;  // Error analysis: the X of "Delete pairs above X %"
}  // namespace control

/// "Assign standard deviations from the model": every datum gets model.StdDev(|datum|)
/// as one edit, through the path of Assign standard deviation. When the model would
/// give a datum a standard deviation that is not positive and finite (a datum of 0
/// on a line through the origin), shows why, changes nothing and returns false.
bool AssignModelStdDevs(CDatDoc& doc, const ErrorModel& model);

/// The record indices (ascending, each once) of both readings of every pair whose
/// e / |R| exceeds percent %.
std::vector<size_t> PairDataAbove(const std::vector<ErrorPair>& pairs, double percent);

/// "Delete pairs above X %": both readings of every pair above percent %, after the
/// question "Are you sure you want to delete %i data?" ("No data deleted." when there
/// are none), as one edit named "Delete pairs above X %". Closes the Data Properties
/// window first. True when data were deleted.
bool DeletePairsAbove(CDatDoc& doc, const std::vector<ErrorPair>& pairs, double percent);

/// The X of "Delete pairs above X %" as typed: a number from 0 to 200 (two readings
/// differ by at most twice their mean magnitude).
Refusal ReadDropAboveEntry(const std::string& text, double& percent);

}  // namespace oskava

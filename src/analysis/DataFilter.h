// Filtering data by a quantity: the range of values to keep, the data outside it, the
// rules of the filter dialog, and Edit > Filter data ... as one undoable deletion.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Histogram.h"
#include "analysis/SurveyQuantities.h"
#include "editing/EditDialogRules.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {

/// What the "Filter Data" dialog exchanges with its command.
struct FilterFields {
    Quantity quantity = Quantity::ApparentResistivity;
    double min = -INFINITY;  // the range to keep, ends included; infinite: no limit
    double max = INFINITY;
};

namespace control {
constexpr int FilterQuantity = 1040;
constexpr int FilterMinimum = 1041;
constexpr int FilterMaximum = 1042;
}  // namespace control

/// What Filter data keeps for the life of the process: the fields last accepted.
struct FilterState {
    std::optional<FilterFields> last;
};

/// Indices (ascending) of the values outside [min, max]. A value on a limit is kept,
/// and so is one that is not finite: it cannot be judged.
std::vector<size_t> DataOutside(const std::vector<double>& values, double min, double max);

/// The range of the finite values, its ends rounded outward to 6 significant digits
/// so that it keeps every value as a field shows it; 0..0 without a finite value.
KeepRange ProposedRange(const std::vector<double>& values);

/// The fields the dialog opens with: the last accepted while their quantity is still
/// offered, otherwise the first quantity offered with its proposed range.
FilterFields InitialFilterFields(const CDatDoc& doc, const FilterState& state);

/// The dialog's live count: "N of M data outside the range".
std::string OutsideCountText(size_t outside, size_t all);

/// Apply of the dialog and the options of the command line, checked in this order:
/// the quantity's name ("Unknown quantity: ..."; one the survey does not offer is
/// refused in the words of QuantityRefusal), each limit as a field reads it ("Enter a
/// number."; nullopt: no limit, on the command line), then "min. should not be greater
/// than max.". Stores what it read into fields.
Refusal ReadFilterEntries(const CDatDoc& doc, const std::string& quantityName,
                          const std::optional<std::string>& min,
                          const std::optional<std::string>& max, FilterFields& fields);

/// Edit > Filter data ...: the dialog on InitialFilterFields; once it is accepted the
/// Data Properties window closes; then "No data deleted." when no datum lies outside
/// the range, else "Are you sure you want to delete %i data?" and, on Yes, the data
/// go as one edit ("Filter data"), as electrode deletion deletes them.
void FilterDataCommand(CDatDoc& doc, FilterState& state);

/// Lists Filter data on the target, enabled while the survey holds data. doc and
/// state must outlive the target.
void BindFilterCommand(CommandTarget& target, CDatDoc& doc, FilterState& state);

}  // namespace oskava

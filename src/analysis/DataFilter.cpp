#include "analysis/DataFilter.h"

#include <algorithm>

#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
#include "editing/FieldNumbers.h"
#include "survey/CFormat.h"
#include "survey/CommandIds.h"
#include "view/ValueRange.h"

namespace oskava {

namespace {

// v rounded away from the values it bounds, to 6 significant digits, as a field would
// read it back; v itself where that cannot be had.
double RoundedOutward(double v, bool down) {
    if (!std::isfinite(v) || v == 0) {
        return v;
    }
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 5);
    const double rounded = (down ? std::floor(v / unit) : std::ceil(v / unit)) * unit;
    const std::optional<double> shown = ParseFieldNumber(FormatFieldNumber(rounded));
    if (!shown || (down ? *shown > v : *shown < v)) {
        return v;
    }
    return *shown;
}

// A limit as typed; no text means no limit.
Refusal ReadLimit(const std::optional<std::string>& text, double none, int control, double& limit) {
    if (!text) {
        limit = none;
        return Refusal{};
    }
    const std::optional<double> read = ParseFieldNumber(*text);
    if (!read) {
        return Refusal{kEnterANumber, control};
    }
    limit = *read;
    return Refusal{};
}

}  // namespace

std::vector<size_t> DataOutside(const std::vector<double>& values, double min, double max) {
    std::vector<size_t> outside;
    for (size_t i = 0; i < values.size(); ++i) {
        if (std::isfinite(values[i]) && (values[i] < min || values[i] > max)) {
            outside.push_back(i);
        }
    }
    return outside;
}

KeepRange ProposedRange(const std::vector<double>& values) {
    KeepRange range;
    FiniteRange(values, range.min, range.max);
    range.min = RoundedOutward(range.min, true);
    range.max = RoundedOutward(range.max, false);
    return range;
}

FilterFields InitialFilterFields(const CDatDoc& doc, const FilterState& state) {
    const std::vector<Quantity> offered = OfferedQuantities(doc);
    if (state.last && std::count(offered.begin(), offered.end(), state.last->quantity) > 0) {
        return *state.last;
    }
    FilterFields fields;
    fields.quantity = offered.front();
    const KeepRange range = ProposedRange(QuantityValues(doc, fields.quantity));
    fields.min = range.min;
    fields.max = range.max;
    return fields;
}

std::string OutsideCountText(size_t outside, size_t all) {
    return CFormat("%zu of %zu data outside the range", outside, all);
}

Refusal ReadFilterEntries(const CDatDoc& doc, const std::string& quantityName,
                          const std::optional<std::string>& min,
                          const std::optional<std::string>& max, FilterFields& fields) {
    const std::optional<Quantity> quantity = QuantityNamed(quantityName);
    if (!quantity) {
        return Refusal{"Unknown quantity: " + quantityName +
                           "\nThe quantities are rhoa, ip, misfit, relerr, k, datum and depth.",
                       control::FilterQuantity};
    }
    const std::string refusal = QuantityRefusal(doc, *quantity);
    if (!refusal.empty()) {
        return Refusal{refusal, control::FilterQuantity};
    }
    fields.quantity = *quantity;
    Refusal limit = ReadLimit(min, -INFINITY, control::FilterMinimum, fields.min);
    if (!limit.Refused()) {
        limit = ReadLimit(max, INFINITY, control::FilterMaximum, fields.max);
    }
    if (!limit.Refused() && fields.min > fields.max) {
        limit = Refusal{"min. should not be greater than max.", control::FilterMinimum};
    }
    return limit;
}

void FilterDataCommand(CDatDoc& doc, FilterState& state) {
    FilterFields fields = InitialFilterFields(doc, state);
    if (doc.prompts().EditFilter(doc, fields) != DialogResult::Ok) {
        return;
    }
    state.last = fields;
    ConfirmAndDelete(doc, DataOutside(QuantityValues(doc, fields.quantity), fields.min, fields.max),
                     edit_name::FilterData);
}

void BindFilterCommand(CommandTarget& target, CDatDoc& doc, FilterState& state) {
    target.Bind(
        command::FilterData, [&doc, &state] { FilterDataCommand(doc, state); },
        [&doc] { return CommandState{doc.DataCommandsEnabled()}; });
}

}  // namespace oskava

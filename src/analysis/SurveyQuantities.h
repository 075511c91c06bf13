// Quantities computed for every datum of a survey, by which data are looked at as a
// whole and filtered: apparent resistivity, misfit, relative error, geometric factor,
// the datum's size, pseudo-depth and the IP datum.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "survey/DatDoc.h"

namespace oskava {

enum class Quantity {
    ApparentResistivity,  // k * datum, ohm-m (DC)
    Misfit,               // |normalized difference| (with predicted data)
    RelativeError,        // stdDev / |datum| in %
    GeometricFactor,      // |k|, m
    DatumSize,            // |datum| (DC)
    PseudoDepth,          // m, as the pseudosection places the datum
    IpDatum,              // the IP datum (IP)
};

/// What the program calls a quantity.
struct QuantityNames {
    Quantity quantity;
    const char* name;   // on the command line: "rhoa"
    const char* title;  // in the dialog and on a plot's axis: "apparent resistivity (ohm-m)"
    bool decades;       // spans decades: shown on a logarithmic axis
};

/// Every quantity, in the order the dialog offers them.
const std::vector<QuantityNames>& AllQuantities();
const QuantityNames& NamesOf(Quantity quantity);
/// The quantity of a command-line name; nullopt for any other text.
std::optional<Quantity> QuantityNamed(const std::string& name);

/// Why the quantity cannot be computed for the survey (empty when it can): rhoa and
/// datum need DC data, ip IP data, misfit predicted data.
std::string QuantityRefusal(const CDatDoc& doc, Quantity quantity);
/// The quantities the survey offers, in the order of AllQuantities.
std::vector<Quantity> OfferedQuantities(const CDatDoc& doc);

/// The quantity for every record, in record order; NaN where it cannot be computed: a
/// standard deviation of 0 (none) or a datum of 0 for the relative error, an electrode
/// sum of 0 for rhoa and k, a datum without a predicted value for the misfit. A
/// misfit may also be infinite (a standard deviation of 0). Needs the derived
/// quantities.
std::vector<double> QuantityValues(const CDatDoc& doc, Quantity quantity);

}  // namespace oskava

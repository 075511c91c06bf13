#include "analysis/SurveyQuantities.h"

#include <cmath>

namespace oskava {

namespace {

double Value(const Cobs& r, Quantity quantity) {
    switch (quantity) {
        case Quantity::ApparentResistivity:
            return r.ElectrodeSum() == 0 ? NAN : r.GeometricFactor() * r.datum;
        case Quantity::Misfit:
            return std::fabs(r.normalizedDiff);
        case Quantity::RelativeError:
            return r.stdDev == 0 || r.datum == 0 ? NAN : r.stdDev / std::fabs(r.datum) * 100;
        case Quantity::GeometricFactor:
            return r.ElectrodeSum() == 0 ? NAN : std::fabs(r.GeometricFactor());
        case Quantity::DatumSize:
            return std::fabs(r.datum);
        case Quantity::PseudoDepth:
            return r.pseudoDepth;
        case Quantity::IpDatum:
            break;
    }
    return r.datum;
}

}  // namespace

const std::vector<QuantityNames>& AllQuantities() {
    static const std::vector<QuantityNames> all = {
        {Quantity::ApparentResistivity, "rhoa", "apparent resistivity (ohm-m)", true},
        {Quantity::IpDatum, "ip", "IP datum", false},
        {Quantity::Misfit, "misfit", "|normalized difference|", false},
        {Quantity::RelativeError, "relerr", "relative standard deviation (%)", false},
        {Quantity::GeometricFactor, "k", "|geometric factor| (m)", true},
        {Quantity::DatumSize, "datum", "|datum|", true},
        {Quantity::PseudoDepth, "depth", "pseudo-depth (m)", false},
    };
    return all;
}

const QuantityNames& NamesOf(Quantity quantity) {
    for (const QuantityNames& names : AllQuantities()) {
        if (names.quantity == quantity) {
            return names;
        }
    }
    return AllQuantities().front();
}

std::optional<Quantity> QuantityNamed(const std::string& name) {
    for (const QuantityNames& names : AllQuantities()) {
        if (name == names.name) {
            return names.quantity;
        }
    }
    return std::nullopt;
}

std::string QuantityRefusal(const CDatDoc& doc, Quantity quantity) {
    const std::string name = NamesOf(quantity).name;
    switch (quantity) {
        case Quantity::ApparentResistivity:
        case Quantity::DatumSize:
            return doc.isDC ? "" : name + " applies to DC data only.";
        case Quantity::IpDatum:
            return doc.isDC ? name + " applies to IP data only." : "";
        case Quantity::Misfit:
            return doc.predictedLoaded ? "" : "The misfit needs predicted data.";
        default:
            break;
    }
    return "";
}

std::vector<Quantity> OfferedQuantities(const CDatDoc& doc) {
    std::vector<Quantity> offered;
    for (const QuantityNames& names : AllQuantities()) {
        if (QuantityRefusal(doc, names.quantity).empty()) {
            offered.push_back(names.quantity);
        }
    }
    return offered;
}

std::vector<double> QuantityValues(const CDatDoc& doc, Quantity quantity) {
    std::vector<double> values;
    values.reserve(doc.observations.size());
    for (const Cobs& record : doc.observations) {
        values.push_back(Value(record, quantity));
    }
    return values;
}

}  // namespace oskava

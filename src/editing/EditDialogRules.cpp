#include "editing/EditDialogRules.h"

#include <cmath>
#include <optional>

#include "editing/FieldNumbers.h"

namespace oskava {

Refusal ReadRanged(const std::string& text, double low, double high, int control, double& value) {
    const std::optional<double> read = ParseFieldNumber(text);
    if (!read) {
        return Refusal{kEnterANumber, control};
    }
    if (*read < low || *read > high) {
        return Refusal{FieldRangeRefusal(low, high), control};
    }
    value = *read;
    return Refusal{};
}

std::string ShownFieldText(double value) {
    return std::isfinite(value) ? FormatFieldNumber(value) : std::string();
}

std::string NoiseDialogTitle(bool noiseMode) {
    return noiseMode ? "Add Gaussian Noise" : "Assign Standard Deviation";
}

Refusal ReadNoiseEntries(const std::string& percent, const std::string& minimum,
                         NoiseFields& fields) {
    Refusal refusal = ReadRanged(percent, 0, 500, control::Percent, fields.percent);
    if (!refusal.Refused()) {
        refusal = ReadRanged(minimum, 0, 100, control::Minimum, fields.minimum);
    }
    if (!refusal.Refused() && fields.minimum <= 0) {
        refusal = Refusal{"Minimum must be greater than 0.", control::Minimum};
    }
    return refusal;
}

Refusal ReadDeleteElectrodeEntries(const std::string& location, bool transmitter, bool receiver,
                                   DeleteElectrodeFields& fields) {
    const std::optional<double> read = ParseFieldNumber(location);
    if (!read) {
        return Refusal{kEnterANumber, control::Location};
    }
    fields.location = *read;
    fields.transmitter = transmitter;
    fields.receiver = receiver;
    if (!transmitter && !receiver) {
        return Refusal{"Transmitter and/or receiver must be checked.", 0};
    }
    return Refusal{};
}

Refusal ReadDatPropEntries(const std::string& value, const std::string& percent,
                           DatPropFields& fields) {
    Refusal refusal = ReadRanged(value, 0, 10000, control::ErrorValue, fields.errorValue);
    if (!refusal.Refused() && fields.HasPercent()) {
        refusal = ReadRanged(percent, 0, 10000, control::ErrorPercent, fields.errorPercent);
    }
    return refusal;
}

}  // namespace oskava

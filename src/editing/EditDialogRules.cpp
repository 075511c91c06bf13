#include "editing/EditDialogRules.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "survey/CFormat.h"

namespace oskava {

namespace {

const char kEnterNumber[] = "Enter a number.";

std::string RangeMessage(double low, double high) {
    return "Enter a number between " + FieldText(low) + " and " + FieldText(high) + ".";
}

// One field of a dialog's data exchange: the number, then its range.
Refusal ReadRanged(const std::string& text, double low, double high, int control, double& value) {
    double read = 0;
    if (!ParseField(text, read)) {
        return Refusal{kEnterNumber, control};
    }
    if (read < low || read > high) {
        return Refusal{RangeMessage(low, high), control};
    }
    value = read;
    return Refusal{};
}

}  // namespace

std::string FieldText(double value) {
    return std::isfinite(value) ? CFormat("%.15g", value) : std::string();
}

bool ParseField(const std::string& text, double& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double read = std::strtod(begin, &end);
    if (end == begin) {
        return false;
    }
    while (*end != '\0' && std::isspace(static_cast<unsigned char>(*end))) {
        ++end;
    }
    if (*end != '\0' || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
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
    if (!ParseField(location, fields.location)) {
        return Refusal{kEnterNumber, control::Location};
    }
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

// The rules of the editing dialogs: how their number fields are shown and read, the
// ranges they accept and the exact words with which they refuse an entry. The Qt
// dialogs and the command line call the same functions.
#pragma once

#include <string>

#include "survey/DatProp.h"
#include "survey/Prompts.h"

namespace oskava {

/// Why a dialog does not accept its entries: the message, shown in a box without an
/// icon, and the control id whose edit gets the focus (0: none). Empty when accepted.
struct Refusal {
    std::string message;
    int control = 0;
    bool Refused() const { return !message.empty(); }
};

/// A number as the Data Properties window shows it: as every field does, but a value
/// that is not finite (no prediction, no percentage) as an empty field.
std::string ShownFieldText(double value);

// Control ids, also the object names of the Qt controls.
namespace control {
constexpr int Percent = 1000;       // standard-deviation dialog
constexpr int Minimum = 1002;       // standard-deviation dialog
constexpr int Location = 1025;      // Delete Electrode
constexpr int Transmitter = 1026;   // Delete Electrode
constexpr int Receiver = 1027;      // Delete Electrode
constexpr int ErrorValue = 1009;    // Data Properties
constexpr int ErrorPercent = 1014;  // Data Properties
}  // namespace control

/// One number field of a dialog's data exchange: the number ("Enter a number."), then
/// low <= number <= high ("Enter a number between %1 and %2."); the refusal names the
/// control. Stores the number into value only when it is accepted.
Refusal ReadRanged(const std::string& text, double low, double high, int control, double& value);

/// "Assign Standard Deviation", or "Add Gaussian Noise" in noise mode.
std::string NoiseDialogTitle(bool noiseMode);
/// OK of the standard-deviation dialog on the texts typed: 0 <= percent <= 500,
/// 0 <= minimum <= 100, checked in that order, then minimum > 0 ("Minimum must be
/// greater than 0."). Stores the numbers read into fields.
Refusal ReadNoiseEntries(const std::string& percent, const std::string& minimum,
                         NoiseFields& fields);

/// OK of the Delete Electrode dialog: the location is any number; at least one of
/// the boxes must be checked. Stores what it read into fields.
Refusal ReadDeleteElectrodeEntries(const std::string& location, bool transmitter, bool receiver,
                                   DeleteElectrodeFields& fields);

/// "Set" of the Data Properties window: 0 <= error value <= 10000, then, when the
/// datum gives a percentage, 0 <= error percent <= 10000. Stores what it read.
Refusal ReadDatPropEntries(const std::string& value, const std::string& percent,
                           DatPropFields& fields);

}  // namespace oskava

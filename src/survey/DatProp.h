// The Data Properties window as the document holds it: the modeless inspector of one
// clicked datum. The document owns it; destroying the object closes its window
// without telling the views. What the window does lives in editing/DatumProperties.h.
#pragma once

#include <cmath>

namespace oskava {

/// What the Data Properties window shows, with the states of its controls.
/// Positions in metres; the error value in the units of the datum, the error percent
/// in percent of its magnitude. A value that is not finite is shown as an empty field.
struct DatPropFields {
    double datumCopy = 0;  // the exact datum, for the percentage
    double xa = 0, xb = 0, xm = 0, xn = 0;
    double apparentResistivity = 0;  // ohm m; DC data only
    double errorValue = 0.001;
    double errorPercent = 0.05;
    double datum = 0;
    bool valueMode = true;  // "Value" checked; false: "%"
    double predicted = 0;
    double normalizedDiff = 0;
    bool isDC = true;             // false: resistivity and percent hidden, "%" disabled
    bool predictedShown = false;  // false: predicted and normalized difference disabled

    /// A datum of 0 (or one that is not finite) gives no percentage: the percent field
    /// stays empty and "%" cannot be chosen.
    bool HasPercent() const { return datumCopy != 0 && std::isfinite(datumCopy); }
    /// "%" may be chosen: DC data with a percentage.
    bool PercentSelectable() const { return isDC && HasPercent(); }
    /// The value edit takes typing in value mode, the percent edit in percent mode.
    bool ValueEditable() const { return valueMode; }
    bool PercentEditable() const { return !valueMode; }
};

class CDatProp {
  public:
    virtual ~CDatProp() = default;

    DatPropFields fields;

    /// Puts the fields into the controls and applies the read-only, hidden and
    /// disabled states. A window without a screen (the command line) shows nothing.
    virtual void Show() {}
};

}  // namespace oskava

// One datum of a survey: its four electrodes, the datum and its standard deviation,
// and what the program derives from them.
#pragma once

#include <cstdint>
#include <vector>

namespace oskava {

class Prompts;

/// A rectangle in the view's logical units: left, top, right, bottom.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

/// An observation record. Positions and depths in metres, depths positive downward
/// from the topography's reference elevation. A pole source is written with xb == xa,
/// a pole receiver with xn == xm.
class Cobs {
public:
    ScreenRect screenRect;  // the datum's marker in the view's logical units
    double xa = 0, xb = 0, xm = 0, xn = 0;
    double datum = 0;
    double stdDev = 0;  // 0: the datum has none
    double za = 0, zb = 0, zm = 0, zn = 0;
    bool hasB = false;      // xa != xb
    bool hasN = false;      // xm != xn
    bool insideAB = false;  // hasB and M, N strictly between A and B
    double pseudoX = 0;
    double pseudoDepth = 0;
    double displayValue = 0;  // DC: log10 apparent conductivity (S/m); IP: the datum
    double predicted = 0;
    double predictedDisplayValue = 0;
    double normalizedDiff = 0;  // (datum - predicted) / stdDev

    /// Electrode depths from the profile (0 without one), flags and pseudo-location.
    void SetGeometry(const std::vector<double>& topoX, const std::vector<double>& topoDepth,
                     bool hasTopography);
    /// 1/AM - 1/AN - 1/BM + 1/BN (1/m) over the distances in the x-z plane, without the
    /// terms of a pole's missing electrode: 2 pi / this is the geometric factor k, with
    /// apparent resistivity = k * datum. Infinite or NaN for coinciding electrodes.
    /// Needs SetGeometry first.
    double ElectrodeSum() const;
    /// The geometric factor k = 2 pi / ElectrodeSum(), in metres; infinite for a sum of 0.
    double GeometricFactor() const;
    /// Whether the DC value v disagrees in sign with the electrode sum, that is gives a
    /// negative apparent conductivity; v = 0 counts as wrong where the sum is negative.
    bool HasWrongSign(double v) const;
    /// log10 of the apparent conductivity for the value v (a datum or a predicted
    /// datum). On a wrong sign shows "Data has wrong sign:..." with the stop icon, sets
    /// result to 0 and returns false; any other v = 0 passes with an infinite (or, for
    /// a zero geometric factor, undefined) result. Needs SetGeometry first.
    bool LogConductivity(double v, double& result, Prompts& prompts) const;
    /// displayValue = LogConductivity(datum); DC data only.
    bool SetDisplayValue(Prompts& prompts);
    /// predictedDisplayValue = LogConductivity(predicted); DC data only.
    bool SetPredictedDisplayValue(Prompts& prompts);
    /// Widens the extents by this record's electrodes, pseudo-depth and display value.
    void UpdateExtents(double& xMin, double& xMax, double& maxPseudoDepth, double& valueMin,
                       double& valueMax) const;
    /// Distance between the current and the potential side of the array, in metres.
    double Separation() const;
    void SetNormalizedDiff() { normalizedDiff = (datum - predicted) / stdDev; }
};

}  // namespace oskava

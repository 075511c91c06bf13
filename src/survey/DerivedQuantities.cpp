// What the program derives from the electrode positions: electrode depths, array
// flags, pseudo-locations, apparent conductivities and the data set's extents.
#include <algorithm>
#include <array>
#include <cmath>

#include "survey/CFormat.h"
#include "survey/CoincidingLocations.h"
#include "survey/DatDoc.h"
#include "survey/ParallelParts.h"
#include "survey/Prompts.h"
#include "survey/Topography.h"

namespace oskava {

namespace {

constexpr double kTwoPi = 6.28318530717959;

struct Point {
    double x;
    double z;
};

double Distance(double x1, double z1, double x2, double z2) {
    const double dx = x2 - x1;
    const double dz = z2 - z1;
    return std::sqrt(dx * dx + dz * dz);
}

// The apparent conductivity sum / 2 pi / v must not be negative. A datum of 0 has no
// sign of its own: it is wrong where the electrodes call for a positive value.
bool SignDisagrees(double sum, double v) {
    return v == 0 ? sum < 0 : sum / kTwoPi / v < 0;
}

// log10 of the apparent conductivity sum / 2 pi / v; false, with result 0, when its
// sign is wrong. A datum of 0 gives an infinite conductivity (undefined when the sum
// is 0 too): the datum stays; the extents leave such values out.
bool LogConductivityOf(double sum, double v, double& result) {
    if (SignDisagrees(sum, v)) {
        result = 0;
        return false;
    }
    result = std::log10(std::fabs(sum / kTwoPi / v));
    return true;
}

// The extents of some records, gathered as the survey's are.
struct Extents {
    double xMin = 1e20, valueMin = 1e20, minSeparation = 1e20;
    double xMax = -1e20, maxPseudoDepth = -1e20, valueMax = -1e20, maxSeparation = -1e20;

    void Take(const Cobs& record) {
        record.UpdateExtents(xMin, xMax, maxPseudoDepth, valueMin, valueMax);
        const double separation = record.Separation();
        if (separation < minSeparation) {
            minSeparation = separation;
        }
        if (separation > maxSeparation) {
            maxSeparation = separation;
        }
    }
    // Exact minima and maxima: the order in which parts are taken changes nothing.
    void Take(const Extents& other) {
        const auto lower = [](double& mine, double theirs) {
            mine = theirs < mine ? theirs : mine;
        };
        const auto higher = [](double& mine, double theirs) {
            mine = theirs > mine ? theirs : mine;
        };
        lower(xMin, other.xMin);
        lower(valueMin, other.valueMin);
        lower(minSeparation, other.minSeparation);
        higher(xMax, other.xMax);
        higher(maxPseudoDepth, other.maxPseudoDepth);
        higher(valueMax, other.valueMax);
        higher(maxSeparation, other.maxSeparation);
    }
};

}  // namespace

void Cobs::SetGeometry(const std::vector<double>& topoX, const std::vector<double>& topoDepth,
                       bool hasTopography) {
    hasB = xa != xb;
    hasN = xm != xn;
    insideAB = hasB && (xn - xb) * (xn - xa) < 0 && (xm - xb) * (xm - xa) < 0;
    if (hasTopography && topoX.size() >= 2) {
        za = InterpolateSurfaceDepth(topoX, topoDepth, xa);
        zb = InterpolateSurfaceDepth(topoX, topoDepth, xb);
        zm = InterpolateSurfaceDepth(topoX, topoDepth, xm);
        zn = InterpolateSurfaceDepth(topoX, topoDepth, xn);
    } else {
        za = zb = zm = zn = 0;
    }
    if (insideAB) {
        pseudoX = (xm + xn) * 0.5;
        pseudoDepth = std::fabs(xb - xa) / 5.0;
        return;
    }
    const Point current{(xa + xb) * 0.5, (za + zb) * 0.5};
    Point potential{xm, zm};
    if (hasN) {
        if (hasB) {
            potential = Point{(xm + xn) * 0.5, (zm + zn) * 0.5};
        } else if (!(std::fabs(current.x - xn) > std::fabs(current.x - xm))) {
            potential = Point{xn, zn};
        }
    }
    // The apex, on the deep side, of the right isosceles triangle over C and P.
    const Point middle{(potential.x + current.x) * 0.5, (potential.z + current.z) * 0.5};
    const Point far = current.x > potential.x ? current : potential;
    pseudoX = middle.x - (far.z - middle.z);
    pseudoDepth = middle.z + (far.x - middle.x);
}

double Cobs::ElectrodeSum() const {
    double g = 1 / Distance(xa, za, xm, zm);
    if (hasN) {
        g = g - 1 / Distance(xa, za, xn, zn);
    }
    if (hasB) {
        g = g - 1 / Distance(xb, zb, xm, zm);
        if (hasN) {
            g = g + 1 / Distance(xb, zb, xn, zn);
        }
    }
    return g;
}

double Cobs::GeometricFactor() const {
    return kTwoPi / ElectrodeSum();
}

bool Cobs::HasWrongSign(double v) const {
    return SignDisagrees(ElectrodeSum(), v);
}

bool Cobs::LogConductivity(double v, double& result, Prompts& prompts) const {
    if (!LogConductivityOf(ElectrodeSum(), v, result)) {
        prompts.Message(CFormat("Data has wrong sign:\n%g %g %g %g  %g", xa, xb, xm, xn, v),
                        MessageKind::Error);
        return false;
    }
    return true;
}

bool Cobs::SetDisplayValue(Prompts& prompts) {
    return LogConductivity(datum, displayValue, prompts);
}

bool Cobs::SetPredictedDisplayValue(Prompts& prompts) {
    return LogConductivity(predicted, predictedDisplayValue, prompts);
}

void Cobs::UpdateExtents(double& xMin, double& xMax, double& maxPseudoDepth, double& valueMin,
                         double& valueMax) const {
    for (const double x : {xa, xb, xm, xn}) {
        if (x < xMin) {
            xMin = x;
        }
        if (x > xMax) {
            xMax = x;
        }
    }
    if (pseudoDepth > maxPseudoDepth) {
        maxPseudoDepth = pseudoDepth;
    }
    // A DC datum of 0 or coinciding electrodes give an infinite or undefined value:
    // the datum stays, but it must not stretch the colour range to infinity.
    if (std::isfinite(displayValue)) {
        if (displayValue < valueMin) {
            valueMin = displayValue;
        }
        if (displayValue > valueMax) {
            valueMax = displayValue;
        }
    }
}

double Cobs::Separation() const {
    if (insideAB) {
        return std::fabs(xm - xn);
    }
    return Distance((xa + xb) * 0.5, (za + zb) * 0.5, (xm + xn) * 0.5, (zm + zn) * 0.5);
}

bool CDatDoc::ProcessData() {
    // The records are derived on both cores, each part up to its first wrong-sign
    // datum; the first of those in record order is the one reported.
    constexpr int kParts = 2;
    const size_t n = observations.size();
    std::array<Extents, kParts> extents;
    std::array<size_t, kParts> wrongSign;
    wrongSign.fill(n);
    RunParts(kParts, [&](int part) {
        for (size_t i = n * part / kParts; i < n * (part + 1) / kParts; ++i) {
            Cobs& record = observations[i];
            record.SetGeometry(topoX, topoDepth, hasTopography);
            if (!isDC) {
                record.displayValue = record.datum;
            } else if (!LogConductivityOf(record.ElectrodeSum(), record.datum,
                                          record.displayValue)) {
                wrongSign[part] = i;
                return;
            }
            extents[part].Take(record);
        }
    });
    const size_t firstWrong = std::min(wrongSign[0], wrongSign[1]);
    if (firstWrong < n) {
        observations[firstWrong].SetDisplayValue(prompts());
        prompts().Message("Error in data file: \n" + dataFileName, MessageKind::Warning);
        return false;
    }
    Extents all;
    for (const Extents& part : extents) {
        all.Take(part);
    }
    xMin = all.xMin;
    xMax = all.xMax;
    maxPseudoDepth = all.maxPseudoDepth;
    valueMin = all.valueMin;
    valueMax = all.valueMax;
    minSeparation = all.minSeparation;
    maxSeparation = all.maxSeparation;
    MoveCoincidingLocationsApart(observations, minSeparation * 0.15);
    return true;
}

}  // namespace oskava

#include "formats/Quadrupole.h"

#include <cmath>

namespace oskava {

namespace {

constexpr double kTwoPi = 2 * M_PI;

// 1/|p - q| when both electrodes are there, 0 when either is missing.
double Inverse(const std::optional<double>& p, const std::optional<double>& q) {
    return p && q ? 1 / std::fabs(*p - *q) : 0;
}

// The pair in the program's slots: the first electrode present first, the second
// repeating it when missing; false when neither is there or both stand at one place.
bool PlacePair(const std::optional<double>& first, const std::optional<double>& second, double& x1,
               double& x2, bool& swapped) {
    swapped = !first;
    const std::optional<double>& lead = first ? first : second;
    const std::optional<double>& other = first ? second : std::optional<double>();
    if (!lead) {
        return false;
    }
    x1 = *lead;
    x2 = other ? *other : *lead;
    return !other || *other != *lead;
}

}  // namespace

const char* PlaceQuadrupole(const FileQuadrupole& file, Quadrupole& placed) {
    bool currentSwapped = false;
    bool potentialSwapped = false;
    if (!file.a && !file.b) {
        return "no current electrode";
    }
    if (!file.m && !file.n) {
        return "no potential electrode";
    }
    for (const std::optional<double>* x : {&file.a, &file.b, &file.m, &file.n}) {
        if (*x && !std::isfinite(**x)) {
            return "an electrode position beyond any number";
        }
    }
    if (!PlacePair(file.a, file.b, placed.xa, placed.xb, currentSwapped)) {
        return "A and B at the same position";
    }
    if (!PlacePair(file.m, file.n, placed.xm, placed.xn, potentialSwapped)) {
        return "M and N at the same position";
    }
    placed.dcSign = currentSwapped == potentialSwapped ? 1 : -1;
    return nullptr;
}

double FlatElectrodeSum(const FileQuadrupole& file) {
    return Inverse(file.a, file.m) - Inverse(file.a, file.n) - Inverse(file.b, file.m) +
           Inverse(file.b, file.n);
}

std::optional<double> FlatResistancePerRhoa(const FileQuadrupole& file) {
    const double g = FlatElectrodeSum(file);
    if (g == 0 || !std::isfinite(g)) {
        return std::nullopt;
    }
    return g / kTwoPi;
}

}  // namespace oskava

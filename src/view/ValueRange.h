// Colour ranges gathered from values: infinite or undefined values (a DC datum of 0,
// a standard deviation of 0) stay out of every range, as they stay unpainted.
#pragma once

#include <cmath>
#include <vector>

namespace oskava {

/// Lowers min or raises max to a finite v; ignores a non-finite one.
inline void WidenRange(double v, double& min, double& max) {
    if (std::isfinite(v)) {
        if (v < min) {
            min = v;
        }
        if (v > max) {
            max = v;
        }
    }
}

/// A range gathered from 1e20 and -1e20 that met no finite value becomes 0..0.
inline void SettleEmptyRange(double& min, double& max) {
    if (min > max) {
        min = max = 0;
    }
}

/// The range of the finite values: starts from 1e20 and -1e20, 0..0 when none is finite.
inline void FiniteRange(const std::vector<double>& values, double& min, double& max) {
    min = 1e20;
    max = -1e20;
    for (const double v : values) {
        WidenRange(v, min, max);
    }
    SettleEmptyRange(min, max);
}

}  // namespace oskava

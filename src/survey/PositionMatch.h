// When a position read from an inversion's output is the position of a record.
#pragma once

#include <cmath>

namespace oskava {

/// True when p and q agree to 1e-7 of their mean: |p - q| <= |p + q| * 0.5 * 1e-7.
/// Two zeros match; zero matches nothing else; NaN matches nothing.
inline bool PositionsMatch(double p, double q) {
    return std::fabs(p - q) <= std::fabs(p + q) * 0.5 * 1e-7;
}

}  // namespace oskava

// Rounding of the view's coordinates: half away from zero, into integers that stay
// far from the 32-bit limits so that coordinates can be added without overflow.
#pragma once

#include <cmath>
#include <cstdint>

namespace oskava {

/// Rounds half away from zero; results beyond +-2^30 are clamped there and NaN gives 0,
/// so that no value ever reaches an integer conversion out of range.
inline int32_t RoundCoord(double value) {
    constexpr double kLimit = 1073741824.0;  // 2^30
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::round(value);
    if (rounded > kLimit) {
        return static_cast<int32_t>(kLimit);
    }
    if (rounded < -kLimit) {
        return -static_cast<int32_t>(kLimit);
    }
    return static_cast<int32_t>(rounded);
}

/// Truncates toward zero, with the clamping of RoundCoord.
inline int32_t TruncCoord(double value) {
    return RoundCoord(std::trunc(value));
}

}  // namespace oskava

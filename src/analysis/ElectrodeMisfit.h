// Misfit by electrode: for each electrode position, the root mean square of the
// normalized differences of the data that use it. A bad electrode shows as the
// position on top.
#pragma once

#include <cstddef>
#include <vector>

#include "survey/Cobs.h"

namespace oskava {

struct ElectrodeMisfit {
    double x = 0;      // the position as read, metres
    size_t count = 0;  // data that use it with a finite normalized difference
    double rms = 0;    // root mean square of their normalized differences
};

/// One row per electrode position (A, M, and B and N where they are electrodes of
/// their own: a pole's remote is none), grouped by exact equality, largest rms first
/// and ties by x. A datum counts once at each position it uses; data whose normalized
/// difference is not finite (no prediction, no standard deviation) are left out, and
/// a position with none left has no row. Meaningful while predicted data are loaded.
std::vector<ElectrodeMisfit> ElectrodeMisfits(const std::vector<Cobs>& observations);

}  // namespace oskava

// Data whose pseudo-locations coincide would hide each other's symbols and give the
// triangulation coincident nodes: they are moved apart downward.
#pragma once

#include <vector>

#include "survey/Cobs.h"

namespace oskava {

/// For every pair of records i < j, in record order, whose pseudo-locations are
/// exactly equal at the time they are compared, lowers j's pseudoDepth by step (in
/// metres, so it moves up on the section). Gives the results of comparing every pair
/// in that order, including the order effects (three data on one spot end at d,
/// d - step, d - 2 step), in about N log N time.
void MoveCoincidingLocationsApart(std::vector<Cobs>& records, double step);

}  // namespace oskava

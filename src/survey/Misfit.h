// The data misfit of a survey against an inversion's predicted data.
#pragma once

#include <vector>

#include "survey/Cobs.h"

namespace oskava {

/// Sum over all records of the squared normalizedDiff, not divided by the number of
/// data. Meaningful only while predicted data are loaded; 0 without records. A datum
/// without standard deviation adds nothing when it equals its prediction and makes
/// the sum infinite when it does not.
double DataMisfit(const std::vector<Cobs>& observations);

}  // namespace oskava

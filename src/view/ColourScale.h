// The 61-colour scale of the pseudosection: a colour or a grey ramp, in either order,
// and the mapping from a value in a range to its colour index.
#pragma once

#include <array>

#include "view/Canvas.h"

namespace oskava {

constexpr int kColourCount = 61;
using ColourTable = std::array<Colour, kColourCount>;

/// The colour table: index 0 for the low end of a range, 60 for the high end; the
/// colour ramp (dark blue to pink) or the grey ramp (light grey to black), reversed
/// when flipped.
ColourTable BuildColourTable(bool colourMode, bool flipped);

/// Colour index 0..60 of v in the range min..max: trunc((v - min) * 60 / (max - min)),
/// values outside the range get the end indices. The arithmetic is clamped before any
/// integer conversion; an undefined result (a range of zero width at v = min, or a
/// non-finite v, which callers leave unpainted) gives 0.
int ColourIndex(double v, double min, double max);

}  // namespace oskava

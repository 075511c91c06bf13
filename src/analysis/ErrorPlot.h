// The Error analysis window's picture: e against |R| of every pair on logarithmic
// axes, the bins' mean points and the model's line, on a PlotFrame.
#pragma once

#include <cstdint>

#include "analysis/ErrorAnalysis.h"
#include "view/Canvas.h"

namespace oskava {

/// Draws on a canvas whose device is a picture of `picture` pixels: white ground, a
/// mark per pair (repeats and reciprocals in two colours), the bin means, the model's
/// line cut to the plot area, a legend, the axes, and, above the area at the right,
/// how many pairs have an e or |R| of 0 that a logarithmic axis cannot place. Without
/// pairs, kNoPairs in the area. fontHeight: label cell height in pixels.
void DrawErrorScatter(Canvas& canvas, Size picture, const ErrorAnalysis& analysis,
                      int32_t fontHeight = 13);

}  // namespace oskava

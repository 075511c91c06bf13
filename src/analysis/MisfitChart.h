// Misfit by electrode as a bar chart on the pseudosection's x axis: one bar per
// electrode position, as high as the rms of the normalized differences of its data,
// the highest in red and named; a click finds the bar under it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/ElectrodeMisfit.h"
#include "analysis/PlotFrame.h"

namespace oskava {

class MisfitChart {
  public:
    /// The rows (largest rms first, as ElectrodeMisfits gives them) on an x axis from
    /// xMin to xMax metres, in a picture of `picture` pixels.
    MisfitChart(std::vector<ElectrodeMisfit> rows, double xMin, double xMax, Size picture,
                int32_t fontHeight = 13);

    /// Draws on a canvas whose device is the picture: white ground, the bars, the
    /// highest one's position above it, the axes; "No misfit to show." without rows.
    void Draw(Canvas& canvas) const;
    /// The position of the bar whose column holds the device point (anywhere from the
    /// area's top to its bottom, so that a short bar is easy to hit); none elsewhere.
    std::optional<double> PositionAt(Point device) const;

  private:
    int32_t Column(double x) const;

    std::vector<ElectrodeMisfit> rows_;
    PlotFrame frame_;
    int32_t halfWidth_;  // of a bar, pixels
};

/// The line the Misfit by electrode window shows above its chart: the electrode on
/// top, or why there is nothing to show.
std::string MisfitSummary(const std::vector<ElectrodeMisfit>& rows);

}  // namespace oskava

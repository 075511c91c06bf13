// The histogram of a quantity over the survey's data, and its drawing on a PlotFrame
// with the range of values to keep marked on it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/PlotFrame.h"

namespace oskava {

/// A range of values to keep, ends included.
struct KeepRange {
    double min = 0;
    double max = 0;
};

class Histogram {
  public:
    /// Bins the values over the range of those that can be shown: the finite ones, on
    /// a logarithmic axis only the positive ones. About 2 n^(1/3) bins for n shown
    /// values, 5 to 60, of equal width (in log10 on a logarithmic axis); the largest
    /// value counts in the last bin. title names the quantity (the x axis's title).
    Histogram(const std::vector<double>& values, bool logarithmic, std::string title);

    /// The x axis: exactly the span of the bins.
    const PlotAxis& Axis() const { return axis_; }
    /// The number of values in each bin, from the lowest.
    const std::vector<size_t>& Counts() const { return counts_; }
    /// The lower edge of bin i; Edge(Counts().size()) is the upper end of the last.
    double Edge(size_t i) const;
    /// How many values are in the bins, and how many could not be shown.
    size_t Shown() const { return shown_; }
    size_t NotShown() const { return notShown_; }

    /// Draws on a canvas whose device is a picture of `picture` pixels: white ground,
    /// the bars, then, when keep is given, the parts of the axis outside it tinted and
    /// its two ends as red lines (each only where it lies on the axis), then the axes
    /// and, above the area at the right, how many data could not be shown.
    /// fontHeight: label cell height in pixels.
    void Draw(Canvas& canvas, Size picture, const std::optional<KeepRange>& keep,
              int32_t fontHeight = 13) const;

  private:
    PlotAxis axis_;
    std::vector<size_t> counts_;
    size_t shown_ = 0;
    size_t notShown_ = 0;
};

}  // namespace oskava

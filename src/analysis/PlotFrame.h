// The frame of a plot drawn through the Canvas: a plot rectangle with a horizontal and
// a vertical axis, each linear or logarithmic, their ticks, labels and titles, and the
// mapping from data values to device pixels. A histogram, a scatter plot or a bar
// chart draws its marks inside the frame's area with the frame's mapping, then lets
// the frame draw the axes over them; the same calls paint the window, a recording in
// tests and a PNG, SVG or PDF file.
//
// A plot's canvas maps one logical unit to one device pixel: a picture of w x h
// pixels has its origin at the top-left corner and rows growing downward, so that
// larger y values lie higher up.
//
//     y title
//     +-------------------------+ <- area.top: the y axis's max
//  10 |-                        |
//     |      marks              |
//   0 |-                        | <- area.bottom: the y axis's min
//     +-------------------------+
//     |      |      |      |
//     0     10     20     30      <- x tick labels
//              x title
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/Canvas.h"

namespace oskava {

/// One axis: the range of data values it spans and how it spaces them.
struct PlotAxis {
    double min = 0;            // data units; on a logarithmic axis 0 < min
    double max = 1;            // greater than min
    bool logarithmic = false;  // base 10: equal ratios take equal lengths
    std::string title;         // names the quantity and its unit: "apparent resistivity (ohm-m)"
};

/// A tick of an axis: its value and label; an empty label marks a minor tick.
struct AxisTick {
    double value = 0;
    std::string label;
};

/// The axis spanning exactly low..high; a single value (or an empty range) is
/// widened around it. On a logarithmic axis values <= 0 cannot be placed: the range
/// is taken from the positive ends, 1..10 when there are none. Non-finite ends give
/// 0..1 (1..10).
PlotAxis AxisSpanning(double low, double high, bool logarithmic, std::string title = "");

/// AxisSpanning widened outward to tick values: multiples of the linear tick step,
/// whole decades on a logarithmic axis. For counts: NiceAxis(0, most, false, "data").
PlotAxis NiceAxis(double low, double high, bool logarithmic, std::string title = "");

/// The ticks of an axis in ascending order, at most about `most` labelled ones.
/// Linear: multiples of 1, 2 or 5 times a power of ten. Logarithmic: the powers of
/// ten (every k-th labelled when there are more than `most`), with unlabelled minor
/// ticks at 2..9 times them over at most six decades, and 2 and 5 times them
/// labelled too under 2.5 decades; under one decade, linear ticks. Labels are "%g".
std::vector<AxisTick> AxisTicks(const PlotAxis& axis, int most = 8);

class PlotFrame {
  public:
    /// A plot filling a picture of `picture` pixels, with labels in a font whose cell
    /// is fontHeight pixels high: the area leaves room for the tick labels on the left
    /// and below, the x title under them and the y title above the area.
    PlotFrame(Size picture, PlotAxis x, PlotAxis y, int32_t fontHeight = 13);

    /// The plot rectangle in device pixels; the axes' ends lie on its edges.
    const Rect& Area() const { return area_; }
    const PlotAxis& XAxis() const { return x_; }
    const PlotAxis& YAxis() const { return y_; }
    int32_t FontHeight() const { return fontHeight_; }

    /// The device column of an x value, unrounded: area.left at the axis's min,
    /// area.right at its max, beyond them outside that range; NaN for a value <= 0 on
    /// a logarithmic axis or a non-finite one.
    double ColumnOf(double x) const;
    /// The device row of a y value, unrounded: area.bottom at the min, area.top at
    /// the max; NaN as ColumnOf.
    double RowOf(double y) const;
    /// ColumnOf and RowOf rounded to pixels, half away from zero and kept within
    /// +-2^30; NaN gives 0, so test Inside first where that matters.
    Point At(double x, double y) const;
    /// Whether x lies within its axis's range, ends included.
    bool InsideX(double x) const;

    /// Sets one logical unit per device pixel over the picture, paints it white and
    /// makes text backgrounds transparent. Call before drawing anything.
    void Prepare(Canvas& canvas) const;
    /// Draws, in black, the frame round the area, the ticks with their labels and the
    /// two titles. Drawn after the marks so that the frame lies over them.
    void DrawAxes(Canvas& canvas) const;
    /// Writes text centred in the area (a notice such as "No data to show.").
    void DrawNotice(Canvas& canvas, const std::string& text) const;

  private:
    /// The font of the labels.
    FontDescription Font() const;

    Size picture_;
    PlotAxis x_;
    PlotAxis y_;
    int32_t fontHeight_;
    std::vector<AxisTick> xTicks_;
    std::vector<AxisTick> yTicks_;
    Rect area_;
};

}  // namespace oskava

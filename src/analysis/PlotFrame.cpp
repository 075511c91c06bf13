#include "analysis/PlotFrame.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "survey/CFormat.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

// Tick values are multiples of the step; a sum that should be 0 may come out as a
// rounding residue, which "%g" would print as 1e-17.
constexpr double kResidue = 1e-9;
// Rough width of a label character in cell heights, for margins only.
constexpr double kCharWidth = 0.6;

// The position of a value along an axis, before scaling: the value, or its logarithm.
double Along(const PlotAxis& axis, double v) {
    if (!std::isfinite(v) || (axis.logarithmic && v <= 0)) {
        return NAN;
    }
    return axis.logarithmic ? std::log10(v) : v;
}

// The smallest 1, 2 or 5 times a power of ten that divides span into at most `most`
// steps.
double TickStep(double span, int most) {
    const double raw = span / std::max(most, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw * (1 - kResidue)) {
            return m * magnitude;
        }
    }
    return 10 * magnitude;
}

std::vector<AxisTick> LinearTicks(double min, double max, int most) {
    std::vector<AxisTick> ticks;
    const double step = TickStep(max - min, most);
    if (!(step > 0) || !std::isfinite(step)) {
        return ticks;
    }
    const double first = std::ceil(min / step - kResidue);
    const double last = std::floor(max / step + kResidue);
    for (double i = first; i <= last && ticks.size() <= static_cast<size_t>(most) + 1; ++i) {
        double v = i * step;
        if (std::fabs(v) < step * kResidue) {
            v = 0;
        }
        ticks.push_back({v, CFormat("%g", v)});
    }
    return ticks;
}

std::vector<AxisTick> LogTicks(const PlotAxis& axis, int most) {
    const double low = std::log10(axis.min);
    const double high = std::log10(axis.max);
    const double span = high - low;
    if (span < 1) {
        return LinearTicks(axis.min, axis.max, most);
    }
    const int decades =
        static_cast<int>(std::floor(high + kResidue) - std::ceil(low - kResidue)) + 1;
    const int every = std::max(1, (decades + most - 1) / std::max(most, 1));
    std::vector<AxisTick> ticks;
    for (int k = static_cast<int>(std::floor(low)); k <= static_cast<int>(std::floor(high)); ++k) {
        const double decade = std::pow(10.0, k);
        for (int m = 1; m <= 9; ++m) {
            const double v = m * decade;
            if (v < axis.min * (1 - kResidue) || v > axis.max * (1 + kResidue)) {
                continue;
            }
            const bool labelled = (m == 1 && k % every == 0) || ((m == 2 || m == 5) && span < 2.5);
            if (labelled) {
                ticks.push_back({v, CFormat("%g", v)});
            } else if (m == 1 || span <= 6) {
                ticks.push_back({v, ""});
            }
        }
    }
    return ticks;
}

size_t LongestLabel(const std::vector<AxisTick>& ticks) {
    size_t longest = 1;
    for (const AxisTick& tick : ticks) {
        longest = std::max(longest, tick.label.size());
    }
    return longest;
}

int32_t Scaled(int32_t fontHeight, double factor) {
    return RoundCoord(fontHeight * factor);
}

}  // namespace

PlotAxis AxisSpanning(double low, double high, bool logarithmic, std::string title) {
    PlotAxis axis;
    axis.logarithmic = logarithmic;
    axis.title = std::move(title);
    if (logarithmic && high > 0 && !(low > 0)) {
        low = high / 10;
    }
    const bool usable =
        std::isfinite(low) && std::isfinite(high) && low <= high && (!logarithmic || low > 0);
    if (!usable) {
        axis.min = logarithmic ? 1 : 0;
        axis.max = logarithmic ? 10 : 1;
        return axis;
    }
    if (low == high) {
        if (logarithmic) {
            low /= 2;
            high *= 2;
        } else {
            const double pad = low == 0 ? 1 : std::fabs(low) * 0.1;
            low -= pad;
            high += pad;
        }
    }
    axis.min = low;
    axis.max = high;
    return axis;
}

PlotAxis NiceAxis(double low, double high, bool logarithmic, std::string title) {
    PlotAxis axis = AxisSpanning(low, high, logarithmic, std::move(title));
    if (logarithmic) {
        axis.min = std::pow(10.0, std::floor(std::log10(axis.min) + kResidue));
        axis.max = std::pow(10.0, std::ceil(std::log10(axis.max) - kResidue));
    } else {
        const double step = TickStep(axis.max - axis.min, 8);
        axis.min = std::floor(axis.min / step + kResidue) * step;
        axis.max = std::ceil(axis.max / step - kResidue) * step;
    }
    return axis;
}

std::vector<AxisTick> AxisTicks(const PlotAxis& axis, int most) {
    return axis.logarithmic ? LogTicks(axis, most) : LinearTicks(axis.min, axis.max, most);
}

PlotFrame::PlotFrame(Size picture, PlotAxis x, PlotAxis y, int32_t fontHeight)
    : picture_(picture), x_(std::move(x)), y_(std::move(y)), fontHeight_(std::max(fontHeight, 1)) {
    const int32_t fh = fontHeight_;
    const int32_t top = Scaled(fh, 2.2);
    const int32_t bottom = picture.cy - Scaled(fh, 3.2);
    yTicks_ = AxisTicks(y_, std::clamp((bottom - top) / Scaled(fh, 2.5), 2, 8));
    const int32_t left = Scaled(fh, kCharWidth * LongestLabel(yTicks_) + 1.2);
    const int32_t right = picture.cx - Scaled(fh, 2);
    area_ = Rect{left, top, std::max(right, left + 1), std::max(bottom, top + 1)};
    xTicks_ = AxisTicks(x_, std::clamp((area_.right - area_.left) / Scaled(fh, 7), 2, 10));
}

double PlotFrame::ColumnOf(double x) const {
    const double t0 = Along(x_, x_.min);
    const double t1 = Along(x_, x_.max);
    return area_.left + (Along(x_, x) - t0) / (t1 - t0) * (area_.right - area_.left);
}

double PlotFrame::RowOf(double y) const {
    const double t0 = Along(y_, y_.min);
    const double t1 = Along(y_, y_.max);
    return area_.bottom - (Along(y_, y) - t0) / (t1 - t0) * (area_.bottom - area_.top);
}

Point PlotFrame::At(double x, double y) const {
    return Point{RoundCoord(ColumnOf(x)), RoundCoord(RowOf(y))};
}

bool PlotFrame::InsideX(double x) const {
    return x >= x_.min && x <= x_.max;
}

FontDescription PlotFrame::Font() const {
    return FontDescription{fontHeight_, 400, false, ""};
}

void PlotFrame::Prepare(Canvas& canvas) const {
    canvas.SetWindowOrg(Point{0, 0});
    canvas.SetWindowExt(picture_);
    canvas.SetViewportOrg(Point{0, 0});
    canvas.SetViewportExt(picture_);
    canvas.FillSolidRect(Rect{0, 0, picture_.cx, picture_.cy}, Rgb(255, 255, 255));
    canvas.SetTransparentBackground();
}

void PlotFrame::DrawAxes(Canvas& canvas) const {
    const int32_t fh = fontHeight_;
    canvas.SelectPen(Pen::BlackPen());
    canvas.SelectBrush(Brush::NullBrush());
    canvas.SelectFont(Font());
    // The outline covers its box without the right and bottom edges: the axes' ends
    // lie on those edges.
    canvas.Rectangle(Rect{area_.left, area_.top, area_.right + 1, area_.bottom + 1});

    canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Top});
    for (const AxisTick& tick : xTicks_) {
        const int32_t column = RoundCoord(ColumnOf(tick.value));
        const int32_t length = Scaled(fh, tick.label.empty() ? 0.25 : 0.4);
        canvas.MoveTo(Point{column, area_.bottom});
        canvas.LineTo(Point{column, area_.bottom + length});
        if (!tick.label.empty()) {
            canvas.TextOut(Point{column, area_.bottom + Scaled(fh, 0.5)}, tick.label);
        }
    }
    canvas.SetTextAlign(TextAlign{HAlign::Right, VAlign::Top});
    for (const AxisTick& tick : yTicks_) {
        const int32_t row = RoundCoord(RowOf(tick.value));
        const int32_t length = Scaled(fh, tick.label.empty() ? 0.25 : 0.4);
        canvas.MoveTo(Point{area_.left, row});
        canvas.LineTo(Point{area_.left - length, row});
        if (!tick.label.empty()) {
            canvas.TextOut(Point{area_.left - Scaled(fh, 0.6), row - fh / 2}, tick.label);
        }
    }
    canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Top});
    canvas.TextOut(Point{(area_.left + area_.right) / 2, area_.bottom + Scaled(fh, 1.8)}, x_.title);
    canvas.SetTextAlign(TextAlign{HAlign::Left, VAlign::Bottom});
    canvas.TextOut(Point{Scaled(fh, 0.5), area_.top - Scaled(fh, 0.7)}, y_.title);
}

void PlotFrame::DrawNotice(Canvas& canvas, const std::string& text) const {
    canvas.SelectPen(Pen::BlackPen());
    canvas.SelectFont(Font());
    canvas.SetTextAlign(TextAlign{HAlign::Centre, VAlign::Top});
    canvas.TextOut(
        Point{(area_.left + area_.right) / 2, (area_.top + area_.bottom - fontHeight_) / 2}, text);
}

}  // namespace oskava

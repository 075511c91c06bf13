#include "analysis/Histogram.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "survey/CFormat.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

constexpr Colour kBar = Rgb(96, 140, 196);
constexpr Colour kBarOutline = Rgb(40, 70, 120);
constexpr Colour kOutside = Rgb(255, 226, 222);
constexpr Colour kLimit = Rgb(210, 0, 0);

bool CanShow(double v, bool logarithmic) {
    return std::isfinite(v) && (!logarithmic || v > 0);
}

double Along(double v, bool logarithmic) {
    return logarithmic ? std::log10(v) : v;
}

}  // namespace

Histogram::Histogram(const std::vector<double>& values, bool logarithmic, std::string title) {
    double low = INFINITY;
    double high = -INFINITY;
    for (const double v : values) {
        if (CanShow(v, logarithmic)) {
            low = std::min(low, v);
            high = std::max(high, v);
            ++shown_;
        } else {
            ++notShown_;
        }
    }
    axis_ = AxisSpanning(low, high, logarithmic, std::move(title));
    const size_t bins =
        std::clamp(static_cast<size_t>(std::ceil(2 * std::cbrt(static_cast<double>(shown_)))),
                   size_t{5}, size_t{60});
    counts_.assign(bins, 0);
    const double t0 = Along(axis_.min, logarithmic);
    const double t1 = Along(axis_.max, logarithmic);
    for (const double v : values) {
        if (CanShow(v, logarithmic)) {
            const double at = std::floor((Along(v, logarithmic) - t0) / (t1 - t0) * bins);
            counts_[static_cast<size_t>(std::clamp(at, 0.0, bins - 1.0))]++;
        }
    }
}

double Histogram::Edge(size_t i) const {
    if (i == 0) {
        return axis_.min;
    }
    if (i >= counts_.size()) {
        return axis_.max;
    }
    const double t0 = Along(axis_.min, axis_.logarithmic);
    const double t1 = Along(axis_.max, axis_.logarithmic);
    const double t = t0 + (t1 - t0) * static_cast<double>(i) / counts_.size();
    return axis_.logarithmic ? std::pow(10.0, t) : t;
}

void Histogram::Draw(Canvas& canvas, Size picture, const std::optional<KeepRange>& keep,
                     int32_t fontHeight) const {
    const size_t most = counts_.empty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
    // Without a count the axis still runs upward from 0.
    const PlotFrame frame(
        picture, axis_, NiceAxis(0, static_cast<double>(std::max<size_t>(most, 1)), false, "data"),
        fontHeight);
    frame.Prepare(canvas);
    const Rect& area = frame.Area();
    const auto column = [&frame](double v) { return RoundCoord(frame.ColumnOf(v)); };
    if (keep && keep->min > axis_.min) {
        canvas.FillSolidRect(
            Rect{area.left, area.top, column(std::min(keep->min, axis_.max)), area.bottom},
            kOutside);
    }
    if (keep && keep->max < axis_.max) {
        canvas.FillSolidRect(
            Rect{column(std::max(keep->max, axis_.min)), area.top, area.right, area.bottom},
            kOutside);
    }

    canvas.SelectPen(Pen::SolidPen(0, kBarOutline));
    canvas.SelectBrush(Brush::NullBrush());
    for (size_t i = 0; i < counts_.size(); ++i) {
        if (counts_[i] == 0) {
            continue;
        }
        const Rect bar{column(Edge(i)), RoundCoord(frame.RowOf(static_cast<double>(counts_[i]))),
                       column(Edge(i + 1)), area.bottom};
        canvas.FillSolidRect(bar, kBar);
        canvas.Rectangle(Rect{bar.left, bar.top, bar.right + 1, bar.bottom + 1});
    }

    if (keep) {
        canvas.SelectPen(Pen::SolidPen(2, kLimit));
        for (const double end : {keep->min, keep->max}) {
            if (frame.InsideX(end)) {
                canvas.MoveTo(Point{column(end), area.top});
                canvas.LineTo(Point{column(end), area.bottom});
            }
        }
    }
    if (shown_ == 0) {
        frame.DrawNotice(canvas, "No data to show.");
    }
    frame.DrawAxes(canvas);
    if (notShown_ > 0) {
        canvas.SetTextAlign(TextAlign{HAlign::Right, VAlign::Bottom});
        canvas.TextOut(Point{area.right, area.top - RoundCoord(fontHeight * 0.4)},
                       CFormat("%zu data not shown", notShown_));
    }
}

}  // namespace oskava

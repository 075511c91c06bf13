#include "analysis/ErrorPlot.h"

#include <algorithm>
#include <cmath>

#include "analysis/PlotFrame.h"
#include "survey/CFormat.h"
#include "view/Rounding.h"

namespace oskava {

namespace {

constexpr Colour kRepeat = Rgb(96, 140, 196);
constexpr Colour kReciprocal = Rgb(230, 140, 30);
constexpr Colour kBinMean = Rgb(20, 20, 20);
constexpr Colour kModel = Rgb(210, 0, 0);
// Steps of the model's line across the area: a line e = a + b |R| bends on
// logarithmic axes.
constexpr int kLineSteps = 120;

bool Placeable(double magnitude, double error) {
    return magnitude > 0 && error > 0 && std::isfinite(magnitude) && std::isfinite(error);
}

// The axes span the pairs and the bin means that can be placed, widened to decades.
PlotFrame FrameFor(Size picture, const ErrorAnalysis& analysis, int32_t fontHeight) {
    double low[2] = {INFINITY, INFINITY};
    double high[2] = {-INFINITY, -INFINITY};
    const auto span = [&low, &high](double magnitude, double error) {
        if (Placeable(magnitude, error)) {
            low[0] = std::min(low[0], magnitude);
            high[0] = std::max(high[0], magnitude);
            low[1] = std::min(low[1], error);
            high[1] = std::max(high[1], error);
        }
    };
    for (const ErrorPair& pair : analysis.pairs) {
        span(pair.magnitude, pair.error);
    }
    // A bin's mean error takes in pairs whose e is 0, and may lie below every pair's.
    for (const BinPoint& bin : analysis.bins) {
        span(bin.magnitude, bin.error);
    }
    return PlotFrame(picture, NiceAxis(low[0], high[0], true, "|R|, mean of the two readings"),
                     NiceAxis(low[1], high[1], true, "e = |R1 - R2|"), fontHeight);
}

// Cuts the segment p-q (device pixels, unrounded) to the area; false when nothing of
// it lies inside (Liang-Barsky).
bool CutToArea(const Rect& area, double p[2], double q[2]) {
    double t0 = 0;
    double t1 = 1;
    const double d[2] = {q[0] - p[0], q[1] - p[1]};
    const double lowEdge[2] = {static_cast<double>(area.left), static_cast<double>(area.top)};
    const double highEdge[2] = {static_cast<double>(area.right), static_cast<double>(area.bottom)};
    for (int axis = 0; axis < 2; ++axis) {
        for (const auto& [num, den] : {std::pair{p[axis] - lowEdge[axis], -d[axis]},
                                       std::pair{highEdge[axis] - p[axis], d[axis]}}) {
            if (den == 0) {
                if (num < 0) {
                    return false;
                }
            } else if (den < 0) {
                t0 = std::max(t0, num / den);
            } else {
                t1 = std::min(t1, num / den);
            }
        }
    }
    if (t0 > t1) {
        return false;
    }
    const double start[2] = {p[0] + t0 * d[0], p[1] + t0 * d[1]};
    for (int axis = 0; axis < 2; ++axis) {
        q[axis] = p[axis] + t1 * d[axis];
        p[axis] = start[axis];
    }
    return true;
}

void DrawModel(Canvas& canvas, const PlotFrame& frame, const ErrorModel& model) {
    canvas.SelectPen(Pen::SolidPen(2, kModel));
    const PlotAxis& x = frame.XAxis();
    const double t0 = std::log10(x.min);
    const double t1 = std::log10(x.max);
    double previous[2] = {NAN, NAN};
    for (int i = 0; i <= kLineSteps; ++i) {
        const double magnitude = std::pow(10.0, t0 + (t1 - t0) * i / kLineSteps);
        double point[2] = {frame.ColumnOf(magnitude), frame.RowOf(model.StdDev(magnitude))};
        double from[2] = {previous[0], previous[1]};
        double to[2] = {point[0], point[1]};
        if (std::isfinite(from[1]) && std::isfinite(to[1]) && CutToArea(frame.Area(), from, to)) {
            canvas.MoveTo(Point{RoundCoord(from[0]), RoundCoord(from[1])});
            canvas.LineTo(Point{RoundCoord(to[0]), RoundCoord(to[1])});
        }
        previous[0] = point[0];
        previous[1] = point[1];
    }
}

void Mark(Canvas& canvas, Point at, int32_t half, Colour colour) {
    canvas.FillSolidRect(Rect{at.x - half, at.y - half, at.x + half + 1, at.y + half + 1}, colour);
}

// Names only what the plot holds: a survey of repeats shows no reciprocal item.
void DrawLegend(Canvas& canvas, const PlotFrame& frame, const ErrorAnalysis& analysis) {
    const int32_t fh = frame.FontHeight();
    const Rect& area = frame.Area();
    canvas.SelectPen(Pen::BlackPen());  // texts take the pen's colour
    canvas.SelectFont(FontDescription{fh, 400, false, ""});
    canvas.SetTextAlign(TextAlign{HAlign::Left, VAlign::Top});
    const struct {
        Colour colour;
        const char* text;
        bool shown;
    } items[] = {{kRepeat, "repeat", analysis.repeats > 0},
                 {kReciprocal, "reciprocal", analysis.reciprocals > 0},
                 {kBinMean, "bin mean", !analysis.bins.empty()},
                 {kModel, "model", analysis.model.has_value()}};
    int32_t row = area.top + fh / 2;
    for (const auto& item : items) {
        if (!item.shown) {
            continue;
        }
        const Point swatch{area.left + fh, row + fh / 2};
        Mark(canvas, swatch, item.colour == kBinMean ? 3 : 2, item.colour);
        canvas.TextOut(Point{swatch.x + fh, row}, item.text);
        row += fh + fh / 4;
    }
}

}  // namespace

void DrawErrorScatter(Canvas& canvas, Size picture, const ErrorAnalysis& analysis,
                      int32_t fontHeight) {
    const PlotFrame frame = FrameFor(picture, analysis, fontHeight);
    frame.Prepare(canvas);
    if (analysis.pairs.empty()) {
        frame.DrawNotice(canvas, kNoPairs);
        frame.DrawAxes(canvas);
        return;
    }
    size_t notShown = 0;
    for (const ErrorPair& pair : analysis.pairs) {
        if (!Placeable(pair.magnitude, pair.error)) {
            ++notShown;
            continue;
        }
        Mark(canvas, frame.At(pair.magnitude, pair.error), 1,
             pair.kind == PairKind::Reciprocal ? kReciprocal : kRepeat);
    }
    if (analysis.model) {
        DrawModel(canvas, frame, *analysis.model);
    }
    for (const BinPoint& bin : analysis.bins) {
        if (Placeable(bin.magnitude, bin.error)) {
            Mark(canvas, frame.At(bin.magnitude, bin.error), 3, kBinMean);
        }
    }
    DrawLegend(canvas, frame, analysis);
    frame.DrawAxes(canvas);
    if (notShown > 0) {
        canvas.SetTextAlign(TextAlign{HAlign::Right, VAlign::Bottom});
        canvas.TextOut(Point{frame.Area().right, frame.Area().top - RoundCoord(fontHeight * 0.4)},
                       CFormat("%zu pairs with e or |R| of 0 not shown", notShown));
    }
}

}  // namespace oskava

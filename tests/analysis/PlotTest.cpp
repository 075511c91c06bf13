// The plot layer: axes and their ticks, the mapping of a plot frame, and the histogram
// with its keep range as the recording canvas receives it.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Histogram.h"
#include "analysis/PlotFrame.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks) {
        labels.push_back(tick.label.empty() ? "." : tick.label);
    }
    return labels;
}

std::pair<double, double> Span(const PlotAxis& axis) {
    return {axis.min, axis.max};
}

TEST(PlotTest, AxesSpanTheirValuesAndTickAtRoundNumbers) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Labels(AxisTicks(PlotAxis{0, 10, false, ""})),
              (Texts{"0", "2", "4", "6", "8", "10"}));
    // About one decade: 2 and 5 times its powers of ten labelled as well; under one,
    // linear ticks; many: every k-th power of ten, counted from 1, without minor ticks.
    EXPECT_EQ(Labels(AxisTicks(PlotAxis{3, 30, true, ""})),
              (Texts{".", ".", "5", ".", ".", ".", ".", "10", "20", "."}));
    EXPECT_EQ(Labels(AxisTicks(PlotAxis{2, 7, true, ""})), (Texts{"2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Labels(AxisTicks(PlotAxis{1e-3, 1e12, true, ""}, 5)),
              (Texts{".", ".", ".", "1", ".", ".", ".", "10000", ".", ".", ".", "1e+08", ".", ".",
                     ".", "1e+12"}));

    EXPECT_EQ(Span(NiceAxis(0, 37, false)), std::make_pair(0.0, 40.0));
    EXPECT_EQ(Span(NiceAxis(0.02, 50, true)), std::make_pair(0.01, 100.0));
    EXPECT_EQ(Span(AxisSpanning(5, 5, false)), std::make_pair(4.5, 5.5));
    EXPECT_EQ(Span(AxisSpanning(5, 5, true)), std::make_pair(2.5, 10.0));
    EXPECT_EQ(Span(AxisSpanning(NAN, 3, false)), std::make_pair(0.0, 1.0));
}

TEST(PlotTest, FrameMapsTheAxesOntoItsArea) {
    // Font 10: y labels "1" to "100" need 30 pixels on the left; 20 stay free on the
    // right, 22 above and 32 below.
    const PlotFrame frame(Size{400, 300}, PlotAxis{1, 10, false, "x"}, PlotAxis{1, 100, true, "y"},
                          10);
    EXPECT_EQ(frame.Area(), (Rect{30, 22, 380, 268}));
    EXPECT_EQ(frame.At(1, 1), (Point{30, 268}));
    EXPECT_EQ(frame.At(10, 100), (Point{380, 22}));
    EXPECT_EQ(frame.At(5.5, 10), (Point{205, 145}));
    EXPECT_TRUE(std::isnan(frame.RowOf(0)));
}

TEST(PlotTest, HistogramBinsWhatItCanShow) {
    const Histogram linear({1, 1, 1, 2, 3, 4, 5, 6, 7, 10, NAN, INFINITY}, false, "v");
    EXPECT_EQ(linear.Counts(), (std::vector<size_t>{4, 2, 2, 1, 1}));
    EXPECT_EQ(std::make_pair(linear.Shown(), linear.NotShown()),
              std::make_pair(size_t{10}, size_t{2}));
    EXPECT_NEAR(linear.Edge(1), 2.8, 1e-12);
    // On a logarithmic axis, values of 0 and below are not shown.
    const Histogram log({0.1, 1, 10, 100, 0, -5}, true, "v");
    EXPECT_EQ(log.Counts(), (std::vector<size_t>{1, 1, 0, 1, 1}));
    EXPECT_EQ(log.NotShown(), 2u);
    EXPECT_NEAR(log.Edge(1), std::pow(10, -0.4), 1e-15);
}

TEST(PlotTest, HistogramDrawsBarsThenTheKeepRangeThenTheAxes) {
    const Histogram histogram({1, 1, 1, 2, 3, 4, 5, 6, 7, 10}, false, "rho");
    const auto draw = [&histogram](std::optional<KeepRange> keep) {
        RecordingCanvas canvas;
        histogram.Draw(canvas, Size{400, 300}, keep, 10);
        return canvas;
    };
    // The y axis runs 0..4 as above; the keep range's ends lie at columns 88 and 302.
    const RecordingCanvas kept = draw(KeepRange{2.5, 8});
    const std::vector<CanvasCall> fills = kept.CallsOf(CanvasCall::Kind::FillRect);
    ASSERT_EQ(fills.size(), 8u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 400, 300}));
    EXPECT_EQ(fills[1].rect, (Rect{30, 22, 88, 268}));
    EXPECT_EQ(fills[2].rect, (Rect{302, 22, 380, 268}));
    EXPECT_EQ(fills[3].rect, (Rect{30, 22, 100, 268}));    // 4 data
    EXPECT_EQ(fills[4].rect, (Rect{100, 145, 170, 268}));  // 2 data
    std::vector<std::pair<Point, Point>> red;
    for (const CanvasCall& call : kept.CallsOf(CanvasCall::Kind::Line)) {
        if (call.pen.colour == Rgb(210, 0, 0)) {
            red.emplace_back(call.from, call.to);
        }
    }
    EXPECT_EQ(red, (std::vector<std::pair<Point, Point>>{{{88, 22}, {88, 268}},
                                                         {{302, 22}, {302, 268}}}));
    const std::vector<std::string> texts = kept.Texts();
    EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()),
              (std::vector<std::string>{"rho", "data"}));
    // Limits beyond the axis draw neither tint nor line.
    const RecordingCanvas wide = draw(KeepRange{0, 20});
    EXPECT_EQ(wide.CallsOf(CanvasCall::Kind::FillRect).size(), 6u);
    EXPECT_EQ(wide.calls.size() + 4, kept.calls.size());
}

}  // namespace
}  // namespace oskava

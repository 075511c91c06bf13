// The two plots as the recording canvas receives them: the error scatter's marks,
// model line cut to the area and notices; the misfit chart's bars and its clicks.
#include <gtest/gtest.h>

#include <optional>

#include "analysis/ErrorPlot.h"
#include "analysis/MisfitChart.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

using Kind = CanvasCall::Kind;

size_t FillsOf(const RecordingCanvas& canvas, Colour colour) {
    size_t count = 0;
    for (const CanvasCall& call : canvas.CallsOf(Kind::FillRect)) {
        count += call.colour == colour ? 1 : 0;
    }
    return count;
}

TEST(AnalysisPlots, ScatterMarksEveryPairAndCutsTheModelToTheArea) {
    ErrorAnalysis analysis;
    for (int i = 1; i <= 12; ++i) {
        analysis.pairs.push_back(
            {0, 0, i % 4 == 0 ? PairKind::Reciprocal : PairKind::Repeat, 0.01 * i * i, 0.3 * i});
    }
    analysis.pairs.push_back({0, 0, PairKind::Repeat, 0, 3});  // e = 0: not on a log axis
    analysis.repeats = 10;
    analysis.reciprocals = 3;
    analysis.bins = BinMeans(analysis.pairs);
    // From the start of the |R| axis (0.1), steep enough to leave the area through its
    // top before the axis's end, between two of the line's steps: the cut is computed.
    analysis.model = ErrorModel{ErrorModelKind::Power, 25, 3, 1};
    RecordingCanvas canvas;
    DrawErrorScatter(canvas, Size{400, 300}, analysis, 10);

    EXPECT_EQ(FillsOf(canvas, Rgb(96, 140, 196)), 9u + 1);  // repeats, and the legend's
    EXPECT_EQ(FillsOf(canvas, Rgb(230, 140, 30)), 3u + 1);
    EXPECT_EQ(FillsOf(canvas, Rgb(20, 20, 20)), analysis.bins.size() + 1);
    // The frame is the first rectangle; the area is inside its outline.
    const Rect frame = canvas.CallsOf(Kind::Rectangle).front().rect;
    size_t modelLines = 0;
    int32_t highest = frame.bottom;
    int32_t leftmost = frame.right;
    std::optional<Point> end;  // of the last piece: the line is drawn in one stroke
    for (const CanvasCall& line : canvas.CallsOf(Kind::Line)) {
        if (line.pen.colour == Rgb(210, 0, 0)) {
            ++modelLines;
            EXPECT_TRUE(!end || *end == line.from) << line.ToString();
            end = line.to;
            leftmost = std::min({leftmost, line.from.x, line.to.x});
            EXPECT_LE(line.to.y, line.from.y) << "the model rises with |R|: " << line.ToString();
            for (const Point p : {line.from, line.to}) {
                EXPECT_TRUE(p.x >= frame.left && p.x < frame.right && p.y >= frame.top &&
                            p.y < frame.bottom)
                    << line.ToString();
                highest = std::min(highest, p.y);
            }
        }
    }
    EXPECT_GT(modelLines, 10u);
    EXPECT_EQ(highest, frame.top);
    EXPECT_LE(leftmost, frame.left + 1);  // from the axis's start
    const std::vector<std::string> texts = canvas.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1 pairs with e or |R| of 0 not shown"),
              texts.end());

    RecordingCanvas empty;
    DrawErrorScatter(empty, Size{400, 300}, ErrorAnalysis{}, 10);
    EXPECT_EQ(empty.Texts().at(0), kNoPairs);
}

TEST(AnalysisPlots, MisfitBarsOnTheSurveyAxisTheHighestRedAndClickedByColumn) {
    const std::vector<ElectrodeMisfit> rows = {{40, 3, 8}, {20, 5, 2}, {0, 2, 1}, {100, 1, 0.5}};
    const MisfitChart chart(rows, 0, 100, Size{500, 300}, 10);
    RecordingCanvas canvas;
    chart.Draw(canvas);
    std::vector<CanvasCall> bars = canvas.CallsOf(Kind::FillRect);
    bars.erase(bars.begin());  // the white ground
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_EQ(bars.back().colour, Rgb(210, 0, 0));
    EXPECT_LT(bars.back().rect.top, bars[2].rect.top);
    const Rect& highest = bars.back().rect;
    const int32_t column = (highest.left + highest.right - 1) / 2;
    EXPECT_EQ(chart.PositionAt(Point{column, highest.bottom - 1}), 40.0);
    EXPECT_EQ(chart.PositionAt(Point{highest.right - 1, highest.top - 20}), 40.0);
    EXPECT_EQ(chart.PositionAt(Point{column + 30, highest.bottom - 1}), std::nullopt);
    EXPECT_EQ(chart.PositionAt(Point{column, highest.bottom + 5}), std::nullopt);
    // Bars stand on the x axis at their positions: 20 m halfway between 0 and 40.
    const auto centre = [](const Rect& r) { return (r.left + r.right - 1) / 2; };
    const int32_t at0 = centre(bars[1].rect);
    EXPECT_NEAR(centre(bars[2].rect) - at0, (centre(highest) - at0) / 2.0, 1);
    EXPECT_EQ(canvas.Texts().front(), "40");
}

}  // namespace
}  // namespace oskava

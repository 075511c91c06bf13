#include <algorithm>
#include <cmath>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

class ViewDrawing : public ViewFixture {
protected:
    // Texts written at device x, in order.
    static std::vector<std::string> TextsAt(const RecordingCanvas& canvas, int32_t x) {
        std::vector<std::string> texts;
        for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::Text)) {
            if (call.at.x == x) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }
    // The colour-bar labels of panel 1 at zoom 1, bottom to top.
    std::vector<std::string> BarLabels(bool raw, double max, double min) {
        ZoomToLogicalUnits();
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas);
        view.DrawColourBar(canvas, raw, max, min);
        return TextsAt(canvas, 10000 + 1800 + 1200);
    }
    static bool HasText(const RecordingCanvas& canvas, const std::string& text) {
        const std::vector<std::string> texts = canvas.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

using Labels = std::vector<std::string>;

TEST_F(ViewDrawing, ColourBarLabelsResistivityConductivityAndLogValues) {
    Load(FourDipoles());
    EXPECT_EQ(BarLabels(false, -1, -3), (Labels{"1.00e+01", "2.15e+01", "4.64e+01", "1.00e+02",
                                                "2.15e+02", "4.64e+02", "1.00e+03"}));
    view.showConductivity = true;
    EXPECT_EQ(BarLabels(false, -1, -3), (Labels{"1.00e-03", "2.15e-03", "4.64e-03", "1.00e-02",
                                                "2.15e-02", "4.64e-02", "1.00e-01"}));
    view.logLabels = true;
    EXPECT_EQ(BarLabels(false, -1, -3), (Labels{"-3.00e+00", "-2.67e+00", "-2.33e+00", "-2.00e+00",
                                                "-1.67e+00", "-1.33e+00", "-1.00e+00"}));
}

TEST_F(ViewDrawing, ColourBarRunsFromLowestToHighestLabelledValue) {
    Load(FourDipoles());
    ZoomToLogicalUnits();
    RecordingCanvas canvas;
    view.PrepareCanvas(canvas);
    view.DrawColourBar(canvas, false, -1, -3);
    const std::vector<CanvasCall> cells = canvas.CallsOf(CanvasCall::Kind::FillRect);
    ASSERT_EQ(cells.size(), 61u);
    // H = 3000, h = 3000 / 61, q = 500: cell 1 at the bottom, 300 wide, round(h + 1) high.
    EXPECT_EQ(cells[0].rect, (Rect{12400, 4451, 12700, 4501}));
    EXPECT_EQ(cells[60].rect, (Rect{12400, 1500, 12700, 1550}));
    // Resistivity: the bottom cell has the highest conductivity's colour.
    EXPECT_EQ(cells[0].colour, view.colourTable[60]);
    EXPECT_EQ(cells[60].colour, view.colourTable[0]);
    const std::vector<CanvasCall> ticks = canvas.CallsOf(CanvasCall::Kind::Line);
    ASSERT_EQ(ticks.size(), 7u);
    EXPECT_EQ(ticks[0].ToString(), "line 12800,4500 12700,4500");
    EXPECT_EQ(ticks[6].ToString(), "line 12800,1500 12700,1500");
    EXPECT_EQ(canvas.CallsOf(CanvasCall::Kind::Text)[0].align,
              (TextAlign{HAlign::Left, VAlign::Baseline}));
}

TEST_F(ViewDrawing, RawAndIpLabels) {
    Load(InsideAB(10), false);
    doc.ipUnits = 4;
    EXPECT_EQ(BarLabels(false, 0.06, 0), (Labels{"0.00e+00", "1.00e+00", "2.00e+00", "3.00e+00",
                                                 "4.00e+00", "5.00e+00", "6.00e+00"}));
    EXPECT_EQ(BarLabels(true, 0.06, 0), (Labels{"0.00e+00", "1.00e-02", "2.00e-02", "3.00e-02",
                                                "4.00e-02", "5.00e-02", "6.00e-02"}));
    // A range symmetric about zero shows an exact zero in the middle.
    EXPECT_EQ(BarLabels(true, 2.5, -2.5)[3], "0.00e+00");
}

// A line call in logical units at zoom 1, as the recording shows it.
std::string LogicalLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return CFormat("line %d,%d %d,%d", x1 + 1200, y1 + 2000, x2 + 1200, y2 + 2000);
}

std::vector<std::string> Strings(const std::vector<CanvasCall>& calls) {
    std::vector<std::string> strings;
    for (const CanvasCall& call : calls) {
        strings.push_back(call.ToString());
    }
    return strings;
}

TEST_F(ViewDrawing, TitlesAndUnitsOfDcDataWithPredictedData) {
    LoadWithPredicted(FourDipoles(), {0, 0, 0, 0});
    ZoomToLogicalUnits();
    ASSERT_TRUE(view.showPredicted);
    RecordingCanvas canvas = Render();
    const std::vector<CanvasCall> texts = canvas.CallsOf(CanvasCall::Kind::Text);
    const CanvasCall& title3 = texts.back();
    EXPECT_EQ(title3.text, "Predicted Data");
    EXPECT_EQ(title3.at, (Point{5000 + 1200, 4400 + 2000}));
    EXPECT_EQ(title3.font, (FontDescription{400, 700, false, ""}));
    EXPECT_EQ(title3.align, (TextAlign{HAlign::Centre, VAlign::Baseline}));
    const CanvasCall& title2 = texts[texts.size() - 2];
    EXPECT_EQ(title2.text, "Observed Apparent Resistivity");
    EXPECT_EQ(title2.at, (Point{6200, -600 + 2000}));
    const CanvasCall& title1 = texts[texts.size() - 3];
    EXPECT_EQ(title1.text, "survey : 4 data");
    EXPECT_EQ(title1.at, (Point{6200, -1100 + 2000}));
    // The unit label stands below panel 1's colour bar only.
    const auto unit = std::find_if(texts.begin(), texts.end(),
                                   [](const CanvasCall& c) { return c.text == "Ohm - m"; });
    ASSERT_NE(unit, texts.end());
    EXPECT_EQ(unit->at, (Point{11200 + 1200, 3400 + 2000}));
    EXPECT_EQ(unit->font, (FontDescription{300, 400, false, ""}));
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const CanvasCall& c) { return c.text == "Ohm - m"; }),
              1);

    view.ToggleLogLabels();
    canvas = Render();
    EXPECT_TRUE(HasText(canvas, "Observed Apparent Log Resistivity"));
    EXPECT_TRUE(HasText(canvas, "Log Ohm - m"));
    view.ToggleConductivity();
    canvas = Render();
    EXPECT_TRUE(HasText(canvas, "Observed Apparent Log Conductivity"));
    EXPECT_TRUE(HasText(canvas, "Log S / m"));
    view.ToggleErrors();
    EXPECT_EQ(Render().Texts().back(), "Errors in Voltages (%)");
    view.ToggleDifference();
    EXPECT_EQ(Render().Texts().back(),
              "Observed - Predicted (Normalized by Stn Dev), data misfit = 0.0");
}

TEST_F(ViewDrawing, TitlesAndUnitsOfIpData) {
    Load(InsideAB(10), false);
    doc.defaultErrors = true;
    view.ToggleErrors();
    RecordingCanvas canvas = Render();
    EXPECT_TRUE(HasText(canvas, "Observed Apparent Chargeability"));
    EXPECT_TRUE(HasText(canvas, ""));  // the unit label of the default IP units
    EXPECT_EQ(canvas.Texts().back(), "Standard Deviations of Data  (Default)");
    const std::vector<std::string> units{"", "mrad", "PFE (%)", "msec", "x100", ""};
    for (int k = 1; k <= 5; ++k) {
        doc.ipUnits = k;
        EXPECT_TRUE(HasText(Render(), units[k])) << k;
    }
}

TEST_F(ViewDrawing, AxisLabelsOfShortAndLongLines) {
    Load(FourDipoles(0.2));  // 0 to 100 m
    ZoomToLogicalUnits();
    RecordingCanvas canvas = Render();
    const std::vector<std::string> texts = canvas.Texts();
    const auto first = std::find(texts.begin(), texts.end(), "0.00");
    ASSERT_NE(first, texts.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 8),
              (Labels{"0.00", "16.67", "33.33", "50.00", "66.67", "83.33", "100.00", "X (m)"}));
    // Tick j = 1 under its label: X = round(16.67 * 100), yl = 2000 + 400.
    const std::vector<std::string> lines = Strings(canvas.CallsOf(CanvasCall::Kind::Line));
    EXPECT_NE(std::find(lines.begin(), lines.end(), LogicalLine(1667, 2240, 1667, 2360)),
              lines.end());

    Load(FourDipoles(2.4));  // 0 to 1200 m
    const std::vector<std::string> long_texts = Render().Texts();
    const auto zero = std::find(long_texts.begin(), long_texts.end(), "0");
    ASSERT_NE(zero, long_texts.end());
    EXPECT_EQ(std::vector<std::string>(zero, zero + 7),
              (Labels{"0", "200", "400", "600", "800", "1000", "1200"}));
}

TEST_F(ViewDrawing, TopographyDrawsTheProfileAndClipsTheBandAboveIt) {
    // The surface rises toward the right: depth 10 m at -50 m, 5 m at 250 m, 0 at 550 m.
    doc.hasTopography = true;
    doc.topoX = {-50, 250, 550};
    doc.topoDepth = {10, 5, 0};
    Load(FourDipoles());
    ZoomToLogicalUnits();
    RecordingCanvas canvas = Render();
    const std::vector<std::string> lines = Strings(canvas.CallsOf(CanvasCall::Kind::Line));
    ASSERT_GE(lines.size(), 2u);
    // Depth 9.17 m at xMin and 0.83 m at xMax, on the segments that hold them.
    EXPECT_EQ(lines[0], LogicalLine(0, 183, 5000, 100));
    EXPECT_EQ(lines[1], LogicalLine(5000, 100, 10000, 17));

    const std::vector<CanvasCall> clips = canvas.CallsOf(CanvasCall::Kind::ExcludeClip);
    ASSERT_EQ(clips.size(), 1u);
    const auto lowered = [&](double depth) {
        return static_cast<int32_t>(std::round((depth + doc.minSeparation * 0.25) * 20)) + 2000;
    };
    EXPECT_EQ(clips[0].polygon, (std::vector<Point>{{-1000 + 1200, lowered(10)},
                                                    {5000 + 1200, lowered(5)},
                                                    {11000 + 1200, lowered(0)},
                                                    {10000 + 1200, -200 + 2000},
                                                    {1200, -200 + 2000}}));
    // The symbols are painted inside the clip, which is removed before the axis.
    std::vector<CanvasCall::Kind> kinds;
    for (const CanvasCall& call : canvas.calls) {
        if (call.kind != CanvasCall::Kind::Line && call.kind != CanvasCall::Kind::Text &&
            call.kind != CanvasCall::Kind::FillRect) {
            kinds.push_back(call.kind);
        }
    }
    using K = CanvasCall::Kind;
    EXPECT_EQ(kinds, (std::vector<K>{K::ExcludeClip, K::Ellipse, K::Ellipse, K::Ellipse, K::Ellipse,
                                     K::ResetClip}));
}

TEST_F(ViewDrawing, ProfileEndsInsideTheLineAreExtended) {
    doc.hasTopography = true;
    doc.topoX = {100, 600};
    doc.topoDepth = {4, 0};
    Load(FourDipoles());
    ZoomToLogicalUnits();
    std::vector<std::string> lines = Strings(Render().CallsOf(CanvasCall::Kind::Line));
    EXPECT_EQ(lines[0], LogicalLine(0, 96, 2000, 80));
    EXPECT_EQ(lines[1], LogicalLine(2000, 80, 10000, 16));

    doc.topoX = {-100, 200};
    doc.topoDepth = {0, 3};
    Load(FourDipoles());
    lines = Strings(Render().CallsOf(CanvasCall::Kind::Line));
    EXPECT_EQ(lines[0], LogicalLine(0, 20, 4000, 60));
    EXPECT_EQ(lines[1], LogicalLine(4000, 60, 10000, 120));
}

TEST_F(ViewDrawing, MarkOfADipoleDipoleDatum) {
    Load(FourDipoles());
    ZoomToLogicalUnits();
    Select(3);  // A 210, B 230, M 270, N 290 m at depth 0
    RecordingCanvas canvas;
    view.PrepareCanvas(canvas);
    view.MarkSelectedDatum(canvas, 3);
    EXPECT_EQ(Strings(canvas.calls),
              (Labels{LogicalLine(4200, 0, 4140, -60), LogicalLine(4200, 0, 4260, -60),
                      LogicalLine(4200, 0, 4200, -200), LogicalLine(4200, -200, 4600, -200),
                      LogicalLine(4600, -200, 4600, 0), LogicalLine(4600, 0, 4540, -60),
                      LogicalLine(4600, 0, 4660, -60), "ellipse 5580,1780 5630,1830",
                      LogicalLine(5400, 0, 5340, -60), LogicalLine(5400, 0, 5460, -60),
                      LogicalLine(5400, 0, 5400, -150), LogicalLine(5400, -150, 5800, -150),
                      LogicalLine(5800, -150, 5800, 0), LogicalLine(5800, 0, 5740, -60),
                      LogicalLine(5800, 0, 5860, -60), "ellipse 6780,1830 6830,1880",
                      "rectangle 6067,2467 6333,2733"}));
    for (const CanvasCall& call : canvas.calls) {
        EXPECT_EQ(call.rasterOp, RasterOp::Invert);
        EXPECT_EQ(call.brush, Brush::NullBrush());
    }
    EXPECT_EQ(canvas.calls[0].pen, Pen::BlackPen());
    EXPECT_EQ(canvas.calls.back().pen, Pen::SolidPen(6, Rgb(0, 0, 0)));
    // The canvas's state is restored.
    EXPECT_EQ(canvas.CurrentPen(), Pen::BlackPen());
    EXPECT_EQ(canvas.CurrentRasterOp(), RasterOp::Copy);
}

TEST_F(ViewDrawing, MarkOfAPoleSourceHasASingleArrow) {
    // Pole-dipole: B on A.
    Load({{0, 0, 40, 60, 1},
          {100, 100, 200, 220, 1},
          {300, 300, 330, 350, 1},
          {400, 400, 480, 500, 1}});
    ZoomToLogicalUnits();
    Select(0);
    RecordingCanvas canvas;
    view.PrepareCanvas(canvas);
    view.MarkSelectedDatum(canvas, 0);
    const std::vector<std::string> calls = Strings(canvas.calls);
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[2], LogicalLine(0, 0, 0, -200));
    EXPECT_EQ(calls[3], LogicalLine(800, 0, 740, -60));  // the potential pair's arrow
    EXPECT_EQ(canvas.CallsOf(CanvasCall::Kind::Ellipse).size(), 1u);
}

TEST_F(ViewDrawing, MarkIsDrawnInBothPanelsOnlyWithADataPropertiesWindow) {
    Load(FourDipoles());
    ZoomToLogicalUnits();
    view.ToggleErrors();
    doc.selectedDatum = 3;
    EXPECT_TRUE(Render().CallsOf(CanvasCall::Kind::Rectangle).empty());
    Select(3);
    std::vector<CanvasCall> frames = Render().CallsOf(CanvasCall::Kind::Rectangle);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].rect, (Rect{6067, 2467, 6333, 2733}));
    EXPECT_EQ(frames[1].rect, (Rect{6067, 2467 + 5000, 6333, 2733 + 5000}));
    // A selection that is no longer a record is not drawn.
    doc.selectedDatum = 4;
    EXPECT_TRUE(Render().CallsOf(CanvasCall::Kind::Rectangle).empty());
}

TEST_F(ViewDrawing, OutlinesInvertOverTheImageAndTurnBlackWithoutInversion) {
    Load(FourDipoles());
    Select(3);
    RecordingCanvas canvas = Render();
    const std::vector<CanvasCall> ellipses = canvas.CallsOf(CanvasCall::Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u + 2u);  // four outlines, then the mark's two rings
    EXPECT_EQ(ellipses[0].rasterOp, RasterOp::Invert);
    EXPECT_EQ(ellipses[0].brush, Brush::NullBrush());
    EXPECT_EQ(ellipses[0].pen, Pen::BlackPen());

    RecordingCanvas vector;
    vector.SetSupportsInversion(false);
    view.RenderSurface(vector);
    for (const CanvasCall& call : vector.calls) {
        EXPECT_EQ(call.rasterOp, RasterOp::Copy) << call.ToString();
    }
    EXPECT_EQ(vector.CallsOf(CanvasCall::Kind::Ellipse).size(), 6u);

    view.showDataPoints = false;
    EXPECT_EQ(Render().CallsOf(CanvasCall::Kind::Ellipse).size(), 2u);
    // Symbols are filled discs without outline; data points play no part then.
    view.showDataPoints = true;
    view.interpolate = false;
    const std::vector<CanvasCall> symbols = Render().CallsOf(CanvasCall::Kind::Ellipse);
    ASSERT_EQ(symbols.size(), 4u + 2u);
    EXPECT_EQ(symbols[0].pen, Pen::NullPen());
    EXPECT_EQ(symbols[0].brush.style, Brush::Style::Solid);
    EXPECT_EQ(symbols[0].rasterOp, RasterOp::Copy);
}

// The 5 x 5 pixel cells of the interpolated image.
std::vector<CanvasCall> ImageCells(const RecordingCanvas& canvas) {
    std::vector<CanvasCall> cells;
    for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::FillRect)) {
        if (call.rect.right - call.rect.left == 5 && call.rect.bottom - call.rect.top == 5) {
            cells.push_back(call);
        }
    }
    return cells;
}

TEST_F(ViewDrawing, NonFiniteValuesAreNeitherPaintedNorColoured) {
    Load(FourDipoles());
    const size_t allCells = ImageCells(Render()).size();
    ASSERT_GT(allCells, 100u);
    // Every node's value undefined but one: only cells near it could be painted, and
    // none is, since each triangle has an undefined corner.
    view.mesh.displayValues.assign(4, std::numeric_limits<double>::quiet_NaN());
    view.mesh.displayValues[0] = -2;
    EXPECT_TRUE(ImageCells(Render()).empty());

    view.mesh.displayValues.assign(4, -2);
    view.mesh.displayValues[1] = std::numeric_limits<double>::infinity();
    const size_t someCells = ImageCells(Render()).size();
    EXPECT_LT(someCells, allCells);

    view.interpolate = false;
    EXPECT_EQ(Render().CallsOf(CanvasCall::Kind::Ellipse).size(), 3u);
}

TEST_F(ViewDrawing, CopyDrawsTheWholeSurfaceOnWhiteAndKeepsTheScreensPanels) {
    Load(FourDipoles());
    view.ToggleErrors();
    view.panelRect = {Rect{1, 2, 3, 4}, Rect{5, 6, 7, 8}};
    RecordingCanvas canvas(Rect{0, 0, 800, 580});
    view.RenderSurface(canvas);
    EXPECT_EQ(canvas.GetViewportOrg(), (Point{0, 0}));
    EXPECT_EQ(canvas.calls[0].ToString(), "fill 0,0 800,580 #ffffff");
    EXPECT_EQ(view.panelRect[0], (Rect{1, 2, 3, 4}));
    // Drawn on the screen, the panel rectangles are those of the data areas.
    RecordingCanvas screen;
    view.PrepareCanvas(screen);
    view.OnDraw(screen);
    EXPECT_EQ(view.panelRect[0], (Rect{40, 100, 580, 250}));
    EXPECT_EQ(view.panelRect[1], (Rect{40, 350, 580, 500}));

    // At a zoom above 1 a scrolled clip box comes back from logical units rounded;
    // the white still reaches its every edge.
    view.zoom = 2.2;
    view.UpdateScrollSizes();
    RecordingCanvas scrolled(Rect{1, 1, 100, 100});
    view.PrepareCanvas(scrolled, Point{7, 7});
    view.EraseBackground(scrolled);
    const Rect white = scrolled.calls[0].rect;
    EXPECT_LE(white.left, 1);
    EXPECT_LE(white.top, 1);
    EXPECT_GE(white.right, 100);
    EXPECT_GE(white.bottom, 100);

    host.requests.clear();
    view.Commands().Execute(command::EditCopy);
    EXPECT_EQ(host.requests, (std::vector<std::string>{"copy"}));
}

}  // namespace
}  // namespace oskava::test

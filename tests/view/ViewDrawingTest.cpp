#include <algorithm>

#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using Texts = std::vector<std::string>;

// A line in logical units at zoom 1, as the recording shows it.
std::string Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return CFormat("line %d,%d %d,%d", x1 + 1200, y1 + 2000, x2 + 1200, y2 + 2000);
}

Texts Strings(const std::vector<CanvasCall>& calls) {
    Texts strings;
    for (const CanvasCall& call : calls) {
        strings.push_back(call.ToString());
    }
    return strings;
}

bool HasText(const RecordingCanvas& canvas, const std::string& text) {
    const Texts texts = canvas.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class ViewDrawing : public ViewFixture {
  protected:
    // One colour bar drawn at zoom 1 (its labels at device x 13000), bottom to top.
    RecordingCanvas Bar(bool raw, double max, double min) {
        ZoomToLogicalUnits();
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas);
        view.DrawColourBar(canvas, raw, max, min);
        return canvas;
    }
};

TEST_F(ViewDrawing, ColourBarCellsAndLabels) {
    Load(FourDipoles());
    RecordingCanvas bar = Bar(false, -1, -3);
    // H = 3000, h = H / 61, q = 500: cell 1 at the bottom, 300 wide, round(h + 1) high;
    // as resistivity it has the colour of the highest conductivity.
    const std::vector<CanvasCall> cells = bar.CallsOf(CanvasCall::Kind::FillRect);
    ASSERT_EQ(cells.size(), 61u);
    EXPECT_EQ(cells[0].ToString(), CFormat("fill 12400,4451 12700,4501 #%06x", 0x9646ff));

    view.showConductivity = true;
    bar = Bar(false, -1, -3);
    EXPECT_EQ(bar.Texts().front(), "1.00e-03");
    EXPECT_EQ(bar.CallsOf(CanvasCall::Kind::FillRect)[0].colour, Rgb(0, 0, 139));
    // Raw values are labelled as they are; a range symmetric about zero shows an exact
    // zero in the middle instead of the rounding left of 3 * 0.1 - 0.3.
    EXPECT_EQ(Bar(true, 6, 0).Texts(), (Texts{"0.00e+00", "1.00e+00", "2.00e+00", "3.00e+00",
                                              "4.00e+00", "5.00e+00", "6.00e+00"}));
    EXPECT_EQ(Bar(true, 0.3, -0.3).Texts()[3], "0.00e+00");
    // Chargeability in the fourth unit is labelled a hundred times larger.
    view.logLabels = true;
    doc.isDC = false;
    doc.ipUnits = 4;
    EXPECT_EQ(Bar(false, 6, 0).Texts()[2], "2.00e+02");
    EXPECT_TRUE(HasText(Render(), "x100"));
    doc.ipUnits = 1;
    EXPECT_EQ(Bar(false, 6, 0).Texts()[2], "2.00e+00");
    EXPECT_TRUE(HasText(Render(), "mrad"));
}

TEST_F(ViewDrawing, TitlesUnitsAndAxisLabels) {
    LoadWithPredicted(FourDipoles(0.2), {0, 0, 0, 0});  // 0 to 100 m
    ZoomToLogicalUnits();
    RecordingCanvas canvas = Render();
    // Each panel's axis and colour bar, the unit below panel 1's bar only, the titles.
    std::string shown;
    std::vector<FontDescription> fonts;
    for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::Text)) {
        shown += CFormat("%d,%d %s; ", call.at.x, call.at.y, call.text.c_str());
        fonts.push_back(call.font);
    }
    // Labels upright in the normal weight; the three titles bold and a little larger.
    const FontDescription label{fonts.front().height, 400, false, ""};
    std::vector<FontDescription> expected(fonts.size() - 3, label);
    expected.insert(expected.end(), 3, FontDescription{label.height + 100, 700, false, ""});
    EXPECT_EQ(fonts, expected);
    EXPECT_EQ(shown,
              "1200,4400 0.00; 2867,4400 16.67; 4533,4400 33.33; 6200,4400 50.00; 7867,4400 66.67; "
              "9533,4400 83.33; 11200,4400 100.00; 6200,4800 X (m); 13000,4500 1.21e+00; "
              "13000,4000 1.78e+00; 13000,3500 2.63e+00; 13000,3000 3.87e+00; 13000,2500 5.72e+00; "
              "13000,2000 8.43e+00; 13000,1500 1.24e+01; 12400,5400 Ohm - m; "
              "1200,9400 0.00; 2867,9400 16.67; 4533,9400 33.33; 6200,9400 50.00; 7867,9400 66.67; "
              "9533,9400 83.33; 11200,9400 100.00; 6200,9800 X (m); 13000,9500 1.21e+00; "
              "13000,9000 1.78e+00; 13000,8500 2.63e+00; 13000,8000 3.87e+00; 13000,7500 5.72e+00; "
              "13000,7000 8.43e+00; 13000,6500 1.24e+01; 6200,900 survey : 4 data; "
              "6200,1400 Observed Apparent Resistivity; 6200,6400 Predicted Data; ");
    const Texts lines = Strings(canvas.CallsOf(CanvasCall::Kind::Line));
    EXPECT_NE(std::find(lines.begin(), lines.end(), Line(1667, 2240, 1667, 2360)), lines.end());

    view.ToggleLogLabels();
    view.ToggleConductivity();
    view.ToggleErrors();
    canvas = Render();
    EXPECT_TRUE(HasText(canvas, "Observed Apparent Log Conductivity"));
    EXPECT_TRUE(HasText(canvas, "Log S / m"));
    EXPECT_EQ(canvas.Texts().back(), "Errors in Voltages (%)");

    Load(FourDipoles(2.4));  // 0 to 1200 m
    const Texts texts = Render().Texts();
    const auto first = std::find(texts.begin(), texts.end(), "0");
    ASSERT_LE(first + 7, texts.end());
    EXPECT_EQ(Texts(first, first + 7), (Texts{"0", "200", "400", "600", "800", "1000", "1200"}));
}

TEST_F(ViewDrawing, TopographyDrawsTheProfileAndClipsTheBandAboveIt) {
    // Line from 1000 to 1500 m; ground depth 10 m at 950 m, 5 m at 1250 m, 0 at 1550 m.
    doc.hasTopography = true;
    doc.topoX = {950, 1250, 1550};
    doc.topoDepth = {10, 5, 0};
    std::vector<Datum> data = FourDipoles();
    for (Datum& d : data) {
        d = {d.xa + 1000, d.xb + 1000, d.xm + 1000, d.xn + 1000, d.datum};
    }
    Load(data);
    ZoomToLogicalUnits();
    RecordingCanvas canvas = Render();
    Texts lines = Strings(canvas.CallsOf(CanvasCall::Kind::Line));
    // Depth 9.17 m at xMin and 0.83 m at xMax, on the segments that hold them.
    EXPECT_EQ(Texts(lines.begin(), lines.begin() + 2),
              (Texts{Line(0, 183, 5000, 100), Line(5000, 100, 10000, 17)}));
    // The band is lowered by a quarter of the smallest separation, 10 m.
    const std::vector<CanvasCall> clips = canvas.CallsOf(CanvasCall::Kind::ExcludeClip);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].polygon,
              (std::vector<Point>{
                  {200, 2400}, {6200, 2300}, {12200, 2200}, {11200, 1800}, {1200, 1800}}));
}

TEST_F(ViewDrawing, SelectedDatumFramedInBothPanelsOnlyWithADataPropertiesWindow) {
    Load(FourDipoles());
    ZoomToLogicalUnits();
    view.ToggleErrors();
    Select(0);  // the first record, at (150, 100) m
    const std::vector<CanvasCall> frames = Render().CallsOf(CanvasCall::Kind::Rectangle);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].rect, (Rect{4067, 3867, 4333, 4133}));
    EXPECT_EQ(frames[1].rect, (Rect{4067, 3867 + 5000, 4333, 4133 + 5000}));
    doc.propertiesDialog.reset();
    const RecordingCanvas canvas = Render();
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Rectangle).empty());
    // Every datum has its marker in each panel, panel 1's where its record says.
    const std::vector<CanvasCall> marks = canvas.CallsOf(CanvasCall::Kind::Ellipse);
    ASSERT_EQ(marks.size(), 8u);
    for (const Cobs& record : doc.observations) {
        const ScreenRect& s = record.screenRect;
        const Rect device = canvas.LPtoDP(Rect{s.left, s.top, s.right, s.bottom});
        EXPECT_EQ(std::count_if(marks.begin(), marks.end(),
                                [&](const CanvasCall& m) { return m.rect == device; }),
                  1);
    }
}

TEST_F(ViewDrawing, CopyDrawsTheWholeSurfaceOnWhiteAndKeepsTheScreensPanels) {
    Load(FourDipoles());
    view.ToggleErrors();
    RecordingCanvas screen;
    view.PrepareCanvas(screen, Point{10, 10});
    view.OnDraw(screen);
    RecordingCanvas copy(Rect{0, 0, 800, 580});
    view.RenderSurface(copy);
    EXPECT_EQ(copy.calls[0].ToString(), "fill 0,0 800,580 #ffffff");
    EXPECT_EQ(view.panelRect[0], (Rect{30, 90, 570, 240}));

    // At a zoom above 1 a scrolled clip box comes back from logical units rounded;
    // the white still reaches its every edge.
    view.zoom = 2.2;
    view.UpdateScrollSizes();
    RecordingCanvas scrolled(Rect{1, 1, 100, 100});
    view.PrepareCanvas(scrolled, Point{7, 7});
    view.EraseBackground(scrolled);
    const Rect white = scrolled.calls[0].rect;
    EXPECT_TRUE(white.left <= 1 && white.top <= 1 && white.right >= 100 && white.bottom >= 100)
        << scrolled.calls[0].ToString();
}

}  // namespace
}  // namespace oskava::test

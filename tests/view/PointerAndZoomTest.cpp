// The status bar's readout, zoom to fit and its limits, and titles too long for the surface.
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using PointerAndZoom = ViewFixture;

// At zoom 1 a logical point (x, y) lies at device (x + 1200, y + 2000).
std::string At(const CDatView& view, int32_t x, int32_t y, Point scroll = Point{}) {
    return view.PointerReadout(Point{x + 1200 - scroll.x, y + 2000 - scroll.y}, scroll);
}

TEST_F(PointerAndZoom, ReadoutNamesTheDatumUnderThePointerAsItsPanelShowsIt) {
    LoadWithPredicted(FourDipoles(), {0, 0, 0, -1.5});
    ZoomToLogicalUnits();
    // Datum 3, (250, 30) m, dipole-dipole a = 20 m, n = 2: K = 480 pi, |datum| 0.004.
    const std::string electrodes = "A 210 m, B 230 m, M 270 m, N 290 m: ";
    EXPECT_EQ(At(view, 5000, 600), electrodes + "apparent resistivity 6.032 Ohm - m");
    EXPECT_EQ(At(view, 5000, 5600), electrodes + "predicted apparent resistivity 6.635 Ohm - m");
    view.ToggleDifference();
    EXPECT_EQ(At(view, 4867, 5467), electrodes + "normalized difference -1.5");
    view.ToggleLogLabels();
    view.ToggleConductivity();
    EXPECT_EQ(At(view, 5132, 732, Point{40, 9}),
              electrodes + "apparent log conductivity -0.7805 Log S / m");
    doc.observations[3].stdDev = 0.0002;
    view.ToggleErrors();
    EXPECT_EQ(At(view, 5000, 5600), electrodes + "error 5 %");
}

TEST_F(PointerAndZoom, ReadoutGivesThePlaceOverAPanelAndNothingBeside) {
    Load(FourDipoles());
    ZoomToLogicalUnits();  // one pixel is 0.05 m: two decimals
    EXPECT_EQ(At(view, -400, -200), "x -20.00 m, pseudo-depth -10.00 m");
    EXPECT_EQ(At(view, 10400, 2399), "x 520.00 m, pseudo-depth 119.95 m");
    for (const auto& [x, y] : {std::pair(-401, 600), {10401, 600}, {2000, -201}, {2000, 2400}}) {
        EXPECT_EQ(At(view, x, y), "") << x << "," << y;
    }
    view.zoom = 0.05;  // one pixel is a metre
    view.UpdateScrollSizes();
    EXPECT_EQ(view.PointerReadout(Point{160, 130}, Point{}), "x 100 m, pseudo-depth 30 m");
}

TEST_F(PointerAndZoom, ZoomToFitTakesTheLargestZoomTheAreaAndTheZoomLimitsAllow) {
    Load(FourDipoles());  // the surface is 16000 x 5800 logical units
    for (const auto& [area, size] : {std::pair(Size{1600, 5800}, Size{1600, 580}),
                                     {Size{8000, 580}, Size{1600, 580}},
                                     {Size{1000000, 1000000}, Size{80000, 29000}},
                                     {Size{0, 0}, Size{138, 50}}}) {
        host.viewArea = area;
        view.ZoomToFit();
        EXPECT_EQ(view.totalSize, size);
    }
    // Zooming about a point stops where Zoom In and Zoom Out stop.
    view.ZoomAbout(100, Point{}, Point{});
    EXPECT_TRUE(view.totalSize.cx >= 80000 && view.totalSize.cx < 80000 * 1.1);
    view.ZoomAbout(-200, Point{}, Point{});
    EXPECT_TRUE(view.totalSize.cy <= 50 && view.totalSize.cy > 50 / 1.1);
}

TEST_F(PointerAndZoom, LongTitlesStartAtTheLeftMarginAndAreCutBeforeTheRight) {
    // At zoom 1 a title character is 200 pixels wide; the surface is 16000 pixels.
    Load(FourDipoles());
    ZoomToLogicalUnits();
    const auto titleCall = [this](Point scroll) {
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas, scroll);
        view.OnDraw(canvas);
        const CanvasCall call = canvas.CallsOf(CanvasCall::Kind::Text).at(16);
        return CFormat("%d,%d %s ", call.at.x + scroll.x, call.at.y + scroll.y,
                       call.align.horizontal == HAlign::Centre ? "centre" : "left") +
               call.text;
    };
    // " : 4 data" adds 9 characters. 62 characters stand centred from 0 to 12400.
    doc.headerLine = std::string(53, 'a');
    EXPECT_EQ(titleCall(Point{}), "6200,900 centre " + doc.headerLine + " : 4 data");
    // 63 do not, and start 200 pixels in, where 78 fill the 15600 pixels left.
    doc.headerLine = std::string(70, 'c') + std::string(8, ' ') + std::string(20, 'd');
    EXPECT_EQ(titleCall(Point{3000, 70}), "200,900 left " + std::string(70, 'c') + "...");
    const std::string full = doc.headerLine + " : 4 data";
    EXPECT_EQ(At(view, -1000, -1150, Point{3000, 70}), full);
    EXPECT_EQ(At(view, 14000, -1150), "");  // right of the shortened line
}

}  // namespace
}  // namespace oskava::test

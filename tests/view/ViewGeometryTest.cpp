#include <random>

#include "survey/CommandIds.h"
#include "view/MappingCanvas.h"
#include "view/NodeMarkers.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using ViewGeometry = ViewFixture;
using Texts = std::vector<std::string>;

TEST_F(ViewGeometry, MapsALineOf500MetresSizesTheSurfaceAndItsMarkers) {
    Load(FourDipoles());
    // (250, 30) m; separations 40 to 200 m: half size round(2000 * 40 / 200 / 3) = 133.
    EXPECT_EQ(doc.observations[3].screenRect, (ScreenRect{4867, 467, 5133, 733}));
    EXPECT_EQ(view.totalSize, (Size{800, 290}));  // 16000 x 5800 at zoom 0.05
    EXPECT_EQ(host.requests, (Texts{"dc", "scroll 800,290", "fit", "invalidate"}));
    view.ToggleErrors();
    RecordingCanvas canvas;
    view.PrepareCanvas(canvas, Point{30, 40});
    EXPECT_EQ(canvas.GetWindowExt(), (Size{16000, 11600}));
    EXPECT_EQ(canvas.GetViewportExt(), (Size{800, 580}));
    EXPECT_EQ(canvas.LPtoDP(Point{0, 0}), (Point{30, 60}));
    EXPECT_EQ(canvas.LPtoDP(Point{10, 10}), (Point{31, 61}));  // halves round up
    EXPECT_EQ(canvas.DPtoLP(Point{30, 60}), (Point{0, 0}));
    EXPECT_EQ(canvas.LengthToDevice(6), 1);  // never vanishes
    // One scale for both axes: the larger shrinks to the smaller.
    RecordingCanvas square;
    square.SetWindowExt(Size{1000, 1000});
    square.SetViewportExt(Size{100, 300});
    EXPECT_EQ(square.GetViewportExt(), (Size{100, 100}));

    // Equal separations; every separation 0 (M on N); one of 0, an infinite ratio.
    std::vector<Datum> mixed = InsideAB(10);
    mixed[0].xm = mixed[0].xn = 50;
    for (const auto& [data, half] :
         {std::pair(InsideAB(10), 30), std::pair(InsideAB(0), 100), std::pair(mixed, 1)}) {
        Load(data, false);
        const ScreenRect& marker = doc.observations[0].screenRect;
        EXPECT_EQ((marker.right - marker.left) / 2, half);
    }
    // IP data switch to log conductivity labels in one panel, which DC data then keep.
    EXPECT_EQ(host.requests.front(), "ip");
    EXPECT_FALSE(view.secondPanel);
    EXPECT_EQ(std::pair(view.rangeMin, view.rangeMax), std::pair(1.0, 4.0));
    Load(FourDipoles());
    EXPECT_TRUE(view.showConductivity && view.logLabels);
}

// The markers a repaint draws are those whose device box, mapped corner by corner, is
// not empty and reaches within two pixels of the clip box: with the markers in order
// of x (searched by bisection) and not, smaller and larger than a pixel, at zooms that
// map through tables and not, mirrored and not, for clip boxes of a strip, the whole
// surface and none.
TEST(NodeMarkersTest, DrawsTheMarkersThatMappingEachCornerShows) {
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        std::vector<ScreenRect> markers;
        int32_t x = -50;
        const int32_t w = static_cast<int32_t>(random() % 40);
        for (int i = 0; i < 400; ++i) {
            x += static_cast<int32_t>(random() % 30);
            const int32_t y = static_cast<int32_t>(random() % 3000) - 100;
            markers.push_back({x - w, y - w, x + w, y + w});
        }
        if (round % 3 == 0) {
            std::shuffle(markers.begin(), markers.end(), random);
        }
        NodeMarkers nodeMarkers;
        nodeMarkers.Assign(markers);
        const int32_t left = static_cast<int32_t>(random() % 900) - 100;
        const Rect clip = round % 4 == 0 ? Rect{0, 0, 1000, 1000} : Rect{left, 0, left + 40, 300};
        RecordingCanvas canvas(clip);
        canvas.SetWindowOrg(Point{-1200, -2000});
        canvas.SetWindowExt(Size{16000, 11600});
        // Every other round mirrored: x then decreases from left to right.
        const int32_t width = static_cast<int32_t>(200 + random() % 4000);
        canvas.SetViewportExt(Size{round % 2 == 0 ? width : -width, 20000});
        canvas.SetViewportOrg(
            Point{(round % 2 == 0 ? 0 : width / 2) - static_cast<int32_t>(random() % 300), 0});
        const Rect box = canvas.LPtoDP(canvas.GetClipBox()).Normalized();
        std::vector<size_t> expected;
        for (size_t i = 0; i + 10 < markers.size(); ++i) {
            const ScreenRect& m = markers[i];
            const Rect r = canvas.LPtoDP(Rect{m.left, m.top, m.right, m.bottom}).Normalized();
            if (r.left != r.right && r.top != r.bottom && r.left <= box.right + 2 &&
                r.right >= box.left - 2 && r.top <= box.bottom + 2 && r.bottom >= box.top - 2) {
                expected.push_back(i);
            }
        }
        std::vector<size_t> drawn;
        nodeMarkers.ForEachDrawn(canvas, markers.size() - 10,
                                 [&](size_t i) { drawn.push_back(i); });
        EXPECT_EQ(drawn, expected) << "round " << round;
    }
}

// The second panel's image, computed beforehand on a copy of the canvas's mapping (on
// another core while the first panel is drawn), paints what painting it on the canvas
// itself paints, for a repaint of part of the second panel.
TEST_F(ViewGeometry, TheSecondImageComputedOnACopyOfTheMappingPaintsAsOnTheCanvas) {
    Load(FourDipoles());
    view.ToggleErrors();
    view.zoom = 0.2;
    view.UpdateScrollSizes();
    const auto prepared = [&] {
        RecordingCanvas canvas(Rect{120, 1500, 2900, 2300});
        view.PrepareCanvas(canvas, Point{30, 40});
        return canvas;
    };
    RecordingCanvas first = prepared();
    const MappingCanvas copy(first, view.PanelOrigin(1));
    const std::vector<uint8_t> shades =
        view.InterpolatedShades(copy, view.mesh.secondValues, view.range2Min, view.range2Max);
    RecordingCanvas direct = prepared();
    direct.SetWindowOrg(view.PanelOrigin(1));
    view.PaintInterpolatedImage(direct, view.mesh.secondValues, view.range2Min, view.range2Max);
    RecordingCanvas fromShades = prepared();
    fromShades.SetWindowOrg(view.PanelOrigin(1));
    view.PaintShades(fromShades, shades);
    ASSERT_GT(direct.calls.size(), 20u);
    ASSERT_EQ(fromShades.calls.size(), direct.calls.size());
    for (size_t i = 0; i < direct.calls.size(); ++i) {
        ASSERT_EQ(fromShades.calls[i].ToString(), direct.calls[i].ToString()) << i;
    }
}

TEST_F(ViewGeometry, ZoomStepsAndWaitsForData) {
    EXPECT_FALSE(view.Commands().State(command::ZoomIn).enabled);
    Load(FourDipoles());
    view.ZoomIn();
    EXPECT_EQ(view.totalSize, (Size{880, 319}));
    view.ZoomOut();
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
}

TEST_F(ViewGeometry, SurveysWithoutAUsableScaleShowWhyInsteadOfData) {
    Load({{100, 100, 100, 100, 1}, {100, 100, 100, 100, 2}, {100, 100, 100, 100, 3}}, false);
    const std::string onePosition =
        "The survey cannot be drawn: all electrodes lie at one position.";
    EXPECT_FALSE(view.IsMapped());
    EXPECT_EQ(view.totalSize, (Size{800, 140}));
    const RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts(),
              (Texts{onePosition, "survey : 3 data", "Observed Apparent Chargeability"}));
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Line).empty());
    Render();
    // Said once, not on every paint.
    EXPECT_EQ(prompts.messages, (std::vector<ShownMessage>{{onePosition, MessageKind::Warning}}));
    view.ToggleErrors();  // the modes still work on the records
    EXPECT_EQ(Render().Texts().back(), "Standard Deviations of Data");
}

}  // namespace
}  // namespace oskava::test

#include "survey/CommandIds.h"
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

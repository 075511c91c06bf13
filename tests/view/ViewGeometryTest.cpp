#include <algorithm>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using ViewGeometry = ViewFixture;

int32_t HalfSize(const Cobs& record) {
    return (record.screenRect.right - record.screenRect.left) / 2;
}

TEST_F(ViewGeometry, MapsALineOf500MetresAndSizesTheSurface) {
    Load(FourDipoles());
    EXPECT_EQ(view.scale, 20);
    EXPECT_EQ(view.widthExtent, 10000);
    EXPECT_EQ(view.depthExtent, 2000);
    // (250, 30) m; separations 40 to 200 m: half size round(2000 * 40 / 200 / 3) = 133.
    EXPECT_EQ(doc.observations[3].screenRect, (ScreenRect{4867, 467, 5133, 733}));
    EXPECT_EQ(doc.view, &view);
    // 16000 x 5800 logical units at zoom 0.05.
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
    EXPECT_EQ(host.requests,
              (std::vector<std::string>{"dc", "scroll 800,290", "fit", "invalidate"}));
    view.ToggleErrors();
    EXPECT_EQ(view.totalSize, (Size{800, 580}));

    RecordingCanvas canvas;
    view.PrepareCanvas(canvas, Point{30, 40});
    EXPECT_EQ(canvas.GetWindowExt(), (Size{16000, 11600}));
    EXPECT_EQ(canvas.GetViewportExt(), (Size{800, 580}));
    EXPECT_EQ(canvas.LPtoDP(Point{0, 0}), (Point{30, 60}));
}

TEST_F(ViewGeometry, MarkerHalfSizeWithEqualSeparationsAndWithSeparationsOfZero) {
    Load(InsideAB(10), false);
    EXPECT_EQ(HalfSize(doc.observations[0]), 30);  // round(1200 / 10 * 0.25)
    Load(InsideAB(0), false);                      // M on N: every separation 0, divided by
    EXPECT_EQ(HalfSize(doc.observations[0]), 100);
    std::vector<Datum> mixed = InsideAB(10);
    mixed[0].xm = mixed[0].xn = 50;  // one separation of 0: an infinite ratio
    Load(mixed, false);
    EXPECT_EQ(HalfSize(doc.observations[0]), 1);
}

TEST_F(ViewGeometry, ZoomAndFontCommandsStopAtTheirLimits) {
    const CommandTarget& commands = view.Commands();
    EXPECT_FALSE(commands.State(command::ZoomIn).enabled);  // nothing loaded
    Load(FourDipoles());
    view.ZoomIn();
    EXPECT_EQ(view.totalSize, (Size{880, 319}));
    view.ZoomOut();
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
    int zoomIns = 0;
    for (; commands.State(command::ZoomIn).enabled; ++zoomIns) {
        ASSERT_LT(view.totalSize.cx, 80000);
        commands.Execute(command::ZoomIn);
    }
    EXPECT_EQ(zoomIns, 49);  // 800 * 1.1^49 is about 85 000 pixels
    while (commands.State(command::ZoomOut).enabled) {
        ASSERT_GT(view.totalSize.cy, 50);
        commands.Execute(command::ZoomOut);
    }
    EXPECT_LE(view.totalSize.cy, 50);

    int decreases = 0;
    for (; commands.State(command::FontDecrease).enabled; ++decreases) {
        commands.Execute(command::FontDecrease);
    }
    EXPECT_EQ(decreases, 4);
    EXPECT_EQ(view.fontHeight, 100);
    while (commands.State(command::FontIncrease).enabled) {
        commands.Execute(command::FontIncrease);
    }
    EXPECT_EQ(view.fontHeight, 2000);
}

TEST_F(ViewGeometry, IpSurveysSwitchLabelsWhichDcSurveysThenKeep) {
    Load(FourDipoles());
    view.ToggleErrors();
    Load(InsideAB(10), false);
    EXPECT_TRUE(view.showConductivity);
    EXPECT_TRUE(view.logLabels);
    EXPECT_FALSE(view.secondPanel);
    EXPECT_EQ(host.requests.front(), "ip");
    EXPECT_EQ(view.rangeMin, 1);
    EXPECT_EQ(view.rangeMax, 4);
    Load(FourDipoles());
    EXPECT_TRUE(view.showConductivity);
    EXPECT_TRUE(view.logLabels);
}

TEST_F(ViewGeometry, CollinearDataAreDiscardedWithoutRepaint) {
    // Dipoles of one spacing: every pseudo-location at 20 m depth.
    Load({{0, 20, 40, 60}, {100, 120, 140, 160}, {200, 220, 240, 260}});
    EXPECT_EQ(prompts.messages.back(),
              (ShownMessage{"Error: Points in the data file are collinear.", MessageKind::Error}));
    EXPECT_EQ(doc.dataCount, 0);
    EXPECT_TRUE(doc.observations.empty());
    EXPECT_TRUE(view.mesh.order.empty());
    EXPECT_EQ(std::count(host.requests.begin(), host.requests.end(), "invalidate"), 0);
    const RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts().end()[-2], "survey : 0 data");
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Ellipse).empty());
}

TEST_F(ViewGeometry, SurveysWithoutAUsableScaleShowWhyInsteadOfData) {
    Load({{100, 100, 100, 100, 1}, {100, 100, 100, 100, 2}, {100, 100, 100, 100, 3}}, false);
    const std::string onePosition =
        "The survey cannot be drawn: all electrodes lie at one position.";
    EXPECT_FALSE(view.IsMapped());
    EXPECT_EQ(prompts.messages, (std::vector<ShownMessage>{{onePosition, MessageKind::Warning}}));
    EXPECT_EQ(view.totalSize, (Size{800, 140}));
    const RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{onePosition, "survey : 3 data",
                                                        "Observed Apparent Chargeability"}));
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Line).empty());
    Render();
    EXPECT_EQ(prompts.messages.size(), 1u);  // said once, not on every paint

    std::vector<Datum> data = InsideAB(10);
    data[3].xb = std::numeric_limits<double>::infinity();
    Load(data, false);
    EXPECT_FALSE(view.IsMapped());
    EXPECT_EQ(prompts.messages.back().text,
              "The survey cannot be drawn: an electrode position or a pseudo-depth is not a "
              "finite number.");
    view.ToggleErrors();  // the modes still work on the records
    EXPECT_EQ(Render().Texts().back(), "Standard Deviations of Data");
}

}  // namespace
}  // namespace oskava::test

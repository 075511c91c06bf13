#include <algorithm>
#include <cmath>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using ViewGeometry = ViewFixture;

int32_t HalfSize(const Cobs& record) {
    return (record.screenRect.right - record.screenRect.left) / 2;
}

bool Requested(const RecordingHost& host, const std::string& request) {
    return std::find(host.requests.begin(), host.requests.end(), request) != host.requests.end();
}

TEST_F(ViewGeometry, MapsALineOf500MetresToTenThousandLogicalUnits) {
    Load(FourDipoles());
    EXPECT_EQ(view.scale, 20);
    EXPECT_EQ(view.widthExtent, 10000);
    EXPECT_EQ(view.depthExtent, 2000);
    // Separations 40 to 200 m: half size round(2000 / (200 / 40) / 3) = 133.
    EXPECT_EQ(doc.observations[3].screenRect, (ScreenRect{4867, 467, 5133, 733}));
    EXPECT_EQ(doc.view, &view);
    EXPECT_TRUE(Requested(host, "dc"));
}

TEST_F(ViewGeometry, MarkerHalfSizeWhenAllSeparationsAreEqual) {
    Load(InsideAB(10), false);
    // depthExtent 60 m * 20 = 1200: round(1200 / 10 * 0.25) = 30.
    EXPECT_EQ(view.depthExtent, 1200);
    EXPECT_EQ(HalfSize(doc.observations[0]), 30);
    EXPECT_EQ(doc.observations[1].screenRect, (ScreenRect{1970, 770, 2030, 830}));
}

TEST_F(ViewGeometry, MarkerHalfSizeStaysFiniteWithASeparationOfZero) {
    // M on N inside AB: every separation is 0, the formula divides by it.
    Load(InsideAB(0), false);
    ASSERT_EQ(doc.minSeparation, 0);
    ASSERT_EQ(doc.maxSeparation, 0);
    EXPECT_EQ(HalfSize(doc.observations[0]), 100);
    // One separation of 0 among others makes the ratio infinite: the smallest marker.
    std::vector<Datum> mixed = InsideAB(10);
    mixed[0].xm = mixed[0].xn = 50;
    Load(mixed, false);
    EXPECT_EQ(HalfSize(doc.observations[0]), 1);
}

TEST_F(ViewGeometry, SurfaceSizeFollowsTheSecondPanelAndTheZoom) {
    Load(FourDipoles());
    EXPECT_EQ(view.totalSize, (Size{800, 290}));  // 16000 x 5800 logical units
    EXPECT_TRUE(Requested(host, "scroll 800,290"));
    EXPECT_TRUE(Requested(host, "fit"));
    EXPECT_EQ(host.requests.back(), "invalidate");
    view.ToggleErrors();
    EXPECT_EQ(view.totalSize, (Size{800, 580}));
    view.ToggleErrors();
    EXPECT_EQ(view.totalSize, (Size{800, 290}));

    RecordingCanvas canvas;
    view.PrepareCanvas(canvas, Point{30, 40});
    EXPECT_EQ(canvas.GetWindowExt(), (Size{16000, 5800}));
    EXPECT_EQ(canvas.GetViewportExt(), (Size{800, 290}));
    EXPECT_EQ(canvas.GetWindowOrg(), (Point{-1200, -2000}));
    EXPECT_EQ(canvas.LPtoDP(Point{0, 0}), (Point{30, 60}));

    view.ZoomIn();
    EXPECT_EQ(view.totalSize, (Size{880, 319}));
    view.ZoomOut();
    EXPECT_NEAR(view.zoom, 0.05, 1e-15);
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
}

TEST_F(ViewGeometry, ZoomIsEnabledWithinItsPixelLimits) {
    const CommandTarget& commands = view.Commands();
    EXPECT_FALSE(commands.State(command::ZoomIn).enabled);  // no data yet
    Load(FourDipoles());
    int zoomIns = 0;
    while (commands.State(command::ZoomIn).enabled) {
        ASSERT_LT(view.totalSize.cx, 80000);
        commands.Execute(command::ZoomIn);
        ++zoomIns;
    }
    EXPECT_GE(view.totalSize.cx, 80000);
    EXPECT_EQ(zoomIns, 49);  // 800 * 1.1^49 = 85 000 pixels
    while (commands.State(command::ZoomOut).enabled) {
        ASSERT_GT(view.totalSize.cy, 50);
        commands.Execute(command::ZoomOut);
    }
    EXPECT_LE(view.totalSize.cy, 50);
    EXPECT_GT(view.totalSize.cy, 40);
}

TEST_F(ViewGeometry, FontHeightMovesInStepsOf50Between100And2000) {
    const CommandTarget& commands = view.Commands();
    Load(FourDipoles());
    int decreases = 0;
    while (commands.State(command::FontDecrease).enabled) {
        commands.Execute(command::FontDecrease);
        ++decreases;
    }
    EXPECT_EQ(decreases, 4);
    EXPECT_EQ(view.fontHeight, 100);
    while (commands.State(command::FontIncrease).enabled) {
        commands.Execute(command::FontIncrease);
    }
    EXPECT_EQ(view.fontHeight, 2000);
    EXPECT_EQ(view.totalSize, (Size{800, 290}));  // the surface keeps its size
}

TEST_F(ViewGeometry, NewSurveysResetRangeAndModesAndSwitchLabelsForIpData) {
    Load(FourDipoles());
    EXPECT_EQ(view.rangeMin, doc.valueMin);
    EXPECT_EQ(view.rangeMax, doc.valueMax);
    view.ToggleConductivity();
    view.ToggleLogLabels();
    view.ToggleConductivity();
    view.ToggleLogLabels();
    view.ToggleErrors();
    ASSERT_FALSE(view.showConductivity);
    ASSERT_FALSE(view.logLabels);

    Load(InsideAB(10), false);
    EXPECT_TRUE(view.showConductivity);
    EXPECT_TRUE(view.logLabels);
    EXPECT_FALSE(view.showErrors);
    EXPECT_FALSE(view.secondPanel);
    EXPECT_TRUE(Requested(host, "ip"));
    EXPECT_EQ(view.rangeMin, 1);
    EXPECT_EQ(view.rangeMax, 4);

    Load(FourDipoles());
    EXPECT_TRUE(view.showConductivity);
    EXPECT_TRUE(view.logLabels);
}

TEST_F(ViewGeometry, AfterRecordsWereRemovedRangesAndModesAreKept) {
    Load(FourDipoles());
    view.rangeMin = -7;
    view.rangeMax = 7;
    view.ToggleErrors();
    doc.observations.pop_back();
    doc.dataCount = 3;
    ASSERT_TRUE(doc.ProcessData());
    doc.UpdateAllViews(1);
    EXPECT_EQ(view.rangeMin, -7);
    EXPECT_TRUE(view.showErrors);
    EXPECT_EQ(view.mesh.secondValues.size(), 3u);
    EXPECT_EQ(view.mesh.order.size(), 3u);
}

TEST_F(ViewGeometry, HintTwoOnlyRepaintsAndUnreadyDataAreLeftAlone) {
    Load(FourDipoles());
    const InterpolationMesh before = view.mesh;
    host.requests.clear();
    doc.UpdateAllViews(2);
    EXPECT_EQ(host.requests, (std::vector<std::string>{"invalidate"}));
    EXPECT_EQ(view.mesh.nodeX, before.nodeX);

    doc.dataReady = false;
    doc.view = nullptr;
    host.requests.clear();
    doc.UpdateAllViews(0);
    EXPECT_TRUE(host.requests.empty());
    EXPECT_EQ(doc.view, nullptr);
}

TEST_F(ViewGeometry, CollinearDataAreDiscardedWithoutRepaint) {
    // Dipoles of one spacing: every pseudo-location at 20 m depth.
    Load({{0, 20, 40, 60, -0.05}, {100, 120, 140, 160, -0.05}, {200, 220, 240, 260, -0.05}});
    EXPECT_EQ(prompts.messages.back(),
              (ShownMessage{"Error: Points in the data file are collinear.", MessageKind::Error}));
    EXPECT_EQ(doc.dataCount, 0);
    EXPECT_TRUE(doc.observations.empty());
    EXPECT_TRUE(view.mesh.order.empty());
    EXPECT_TRUE(std::none_of(host.requests.begin(), host.requests.end(),
                             [](const std::string& r) { return r == "invalidate"; }));
    // The frame, titles and colour bar are drawn with no data.
    RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts().back(), "Observed Apparent Resistivity");
    EXPECT_NE(std::find(canvas.Texts().begin(), canvas.Texts().end(), "survey : 0 data"),
              canvas.Texts().end());
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Ellipse).empty());
}

TEST_F(ViewGeometry, ElectrodesAtOnePositionAreNotMapped) {
    Load({{100, 100, 100, 100, 1}, {100, 100, 100, 100, 2}, {100, 100, 100, 100, 3}}, false);
    EXPECT_FALSE(view.IsMapped());
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{
                  {"The survey cannot be drawn: all electrodes lie at one position.",
                   MessageKind::Warning}}));
    EXPECT_TRUE(std::isfinite(view.scale));
    EXPECT_EQ(view.totalSize, (Size{800, 140}));
    RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{
                                  "The survey cannot be drawn: all electrodes lie at one position.",
                                  "survey : 3 data", "Observed Apparent Chargeability"}));
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Ellipse).empty());
    EXPECT_TRUE(canvas.CallsOf(CanvasCall::Kind::Line).empty());
    // Painting again does not repeat the message.
    Render();
    EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(ViewGeometry, NonFinitePositionsAreNotMapped) {
    std::vector<Datum> data = InsideAB(10);
    data[3].xb = std::numeric_limits<double>::infinity();
    Load(data, false);
    EXPECT_FALSE(view.IsMapped());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "The survey cannot be drawn: an electrode position or a pseudo-depth is not a "
              "finite number.");
    view.ToggleErrors();  // the modes still work on the records
    EXPECT_TRUE(view.secondPanel);
    RecordingCanvas canvas = Render();
    EXPECT_EQ(canvas.Texts().back(), "Standard Deviations of Data");
}

}  // namespace
}  // namespace oskava::test

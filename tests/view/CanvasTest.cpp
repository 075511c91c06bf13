// The canvas's mapping from logical units to device pixels, and its visibility test.
#include <gtest/gtest.h>

#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

TEST(CanvasMapping, IsotropicExtentsKeepTheirSignsAndNeverCollapse) {
    RecordingCanvas canvas;
    canvas.SetWindowExt(Size{1000, 1000});
    canvas.SetViewportExt(Size{200, -50});  // y up: x takes the smaller scale
    EXPECT_EQ(canvas.GetViewportExt(), (Size{50, -50}));
    EXPECT_EQ(canvas.LPtoDP(Point{100, 100}), (Point{5, -5}));
    EXPECT_EQ(canvas.LPtoDP(Point{30, 30}), (Point{2, -1}));  // halves up
    // A scale that rounds to no pixel keeps one pixel of the axis's direction.
    const std::pair<Size, Size> cases[] = {
        {{0, 0}, {1, 1}},       {{1, 1000000}, {1, 1}},   {{1, -1000000}, {1, -1}},
        {{1000000, 1}, {1, 1}}, {{-1000000, 1}, {-1, 1}},
    };
    for (const auto& [extent, expected] : cases) {
        canvas.SetViewportExt(extent);
        EXPECT_EQ(canvas.GetViewportExt(), expected) << extent.cx << "," << extent.cy;
    }
    canvas.SetWindowExt(Size{0, 0});  // no scale: one unit each way
    EXPECT_EQ(canvas.GetWindowExt(), (Size{1, 1}));
}

TEST(CanvasMapping, RectVisibleOnlyWhereItOverlapsTheClip) {
    RecordingCanvas canvas(Rect{10, 10, 20, 20});
    EXPECT_TRUE(canvas.RectVisible(Rect{19, 19, 30, 30}));
    for (const Rect& outside :
         {Rect{0, 12, 10, 18}, Rect{20, 12, 30, 18}, Rect{12, 0, 18, 10}, Rect{12, 20, 18, 30}}) {
        EXPECT_FALSE(canvas.RectVisible(outside)) << outside.left << "," << outside.top;
    }
}

}  // namespace
}  // namespace oskava

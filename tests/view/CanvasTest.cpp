#include <gtest/gtest.h>

#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

// The view's mapping at the default zoom: a 16000 x 5800 logical surface on 800 x 290
// pixels, origin at (-1200, -2000).
TEST(CanvasMapping, ConvertsPointsAndLengthsBothWaysWithOneScaleForBothAxes) {
    RecordingCanvas canvas;
    canvas.SetWindowExt(Size{16000, 5800});
    canvas.SetWindowOrg(Point{-1200, -2000});
    canvas.SetViewportExt(Size{800, 290});
    EXPECT_EQ(canvas.LPtoDP(Point{0, 0}), (Point{60, 100}));
    EXPECT_EQ(canvas.LPtoDP(Point{-1190, -1990}), (Point{1, 1}));  // halves round up
    EXPECT_EQ(canvas.DPtoLP(Point{60, 100}), (Point{0, 0}));
    EXPECT_EQ(canvas.LengthToDevice(300), 15);
    EXPECT_EQ(canvas.LengthToDevice(6), 1);  // never vanishes

    // Isotropic: the larger scale shrinks to the smaller.
    RecordingCanvas square;
    square.SetWindowExt(Size{1000, 1000});
    square.SetViewportExt(Size{100, 300});
    EXPECT_EQ(square.GetViewportExt(), (Size{100, 100}));
}

}  // namespace
}  // namespace oskava

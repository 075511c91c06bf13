// The view's mesh build and the image raster over it.
#include <gtest/gtest.h>

#include "interp/ImageRaster.h"
#include "interp/InterpolationMesh.h"
#include "support/ScriptedPrompts.h"

namespace oskava {
namespace {

Cobs At(double pseudoX, double pseudoDepth) {
    Cobs record;
    record.pseudoX = pseudoX;
    record.pseudoDepth = pseudoDepth;
    return record;
}

TEST(BuildInterpolationMeshTest, NodesInLogicalUnitsNodeOrderAndCollinearData) {
    InterpolationMesh mesh;
    EXPECT_EQ(
        BuildInterpolationMesh({30, 10, 20, 10}, {2.5, 1.25, 4, 3}, {1, 2, 3, 4}, 10, 2, mesh),
        MeshStatus::Built);
    EXPECT_EQ(mesh.order, (std::vector<int32_t>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.nodeX, (std::vector<double>{0, 0, 20, 40}));
    EXPECT_EQ(mesh.nodeY, (std::vector<double>{2.5, 6, 8, 5}));
    EXPECT_EQ(mesh.displayValues, (std::vector<double>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.imageTop, 3);  // 2.5 rounded half away from zero
    EXPECT_EQ(mesh.lists.adjacency.size(), 15u);
    BuildInterpolationMesh({0, 1}, {-2.5, -1}, {0, 0}, 0, 1, mesh);
    EXPECT_EQ(mesh.imageTop, -3);
    EXPECT_EQ(mesh.lists.adjacency.size(), 3u);  // 6N - 9 with N = 2
    BuildInterpolationMesh({}, {}, {}, 0, 1, mesh);
    EXPECT_EQ(mesh.imageTop, kNoImageTop);
    EXPECT_EQ(mesh.NodeCount(), 0);

    // Two data are not collinear data (the message is checked where a survey is opened).
    test::ScriptedPrompts prompts;
    EXPECT_TRUE(BuildInterpolationMesh({At(1, 2), At(2, 2)}, 0, 1, mesh, prompts));
    EXPECT_FALSE(BuildInterpolationMesh({At(1, 2), At(2, 2), At(3, 2)}, 0, 1, mesh, prompts));
    EXPECT_EQ(prompts.messages.size(), 1u);
}

struct Painted {
    RasterRect cell;
    double value;
};

// Rasters through a device whose logical units are device pixels times factor plus
// offset, recording in asked every cell whose visibility was asked.
std::vector<Painted> Raster(const InterpolationMesh& mesh, const RasterRect& region,
                            const RasterRect& clip, std::vector<RasterRect>& asked,
                            int32_t factor = 1, int32_t offset = 0) {
    const auto logical = [=](int32_t v) { return v * factor + offset; };
    const RasterDevice device{
        [&](const RasterRect& d) {
            return RasterRect{logical(d.left), logical(d.top), logical(d.right), logical(d.bottom)};
        },
        [&](const RasterRect& l) {
            asked.push_back(l);
            return true;
        }};
    std::vector<Painted> painted;
    RasterInterpolatedImage(mesh, mesh.displayValues, region, clip, device,
                            [&](const RasterRect& cell, double value) {
                                painted.push_back({cell, value});
                            });
    return painted;
}

TEST(ImageRasterTest, PaintsTheVisibleCellsInsideTheTrianglesWithTheirCentresValue) {
    // One triangle (0, 0), (100, 0), (0, 100) whose values equal x.
    InterpolationMesh mesh;
    BuildInterpolationMesh({0, 100, 0}, {0, 0, 100}, {0, 100, 0}, 0, 1, mesh);
    std::vector<RasterRect> asked;
    const std::vector<Painted> painted =
        Raster(mesh, {0, 0, 100, 100}, {-1000, -1000, 1000, 1000}, asked);
    // Cell c spans 5c - 3 .. 5c + 2, centre 5c - 1 (0 for c = 0): 19 + 18 + ... + 1 inside.
    ASSERT_EQ(painted.size(), 190u);
    for (const Painted& p : painted) {
        EXPECT_EQ(p.cell.right - p.cell.left, 5);
        EXPECT_DOUBLE_EQ(p.value, (p.cell.left + p.cell.right) / 2);
    }
    EXPECT_EQ(asked.front(), (RasterRect{-3, -3, 2, 2}));

    // Only the clip box, widened by a cell: x from 30 to 75, y from 40 to 90.
    asked.clear();
    Raster(mesh, {0, 0, 100, 100}, {50, 60, 55, 70}, asked);
    ASSERT_EQ(asked.size(), 110u);
    EXPECT_EQ(asked.front(), (RasterRect{27, 37, 32, 42}));
    EXPECT_EQ(asked.back(), (RasterRect{72, 87, 77, 92}));
}

TEST(ImageRasterTest, CentreTruncatesTowardZeroAndTheRegionRoundsHalfAwayFromZero) {
    // Logical = 3 * device - 100: the first cell spans -109 .. -94 in x, centre
    // (-203) div 2 = -101 (not -102).
    InterpolationMesh mesh;
    BuildInterpolationMesh({-200, 200, 0}, {-200, -200, 200}, {-200, 200, 0}, 0, 1, mesh);
    std::vector<RasterRect> asked;
    const std::vector<Painted> painted = Raster(mesh, {0, 0, 0, 0}, {0, 0, 0, 0}, asked, 3, -100);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].cell, (RasterRect{-109, -109, -94, -94}));
    EXPECT_DOUBLE_EQ(painted[0].value, -101);

    EXPECT_EQ(ImageRegion(7, 10000.5, 2000.49), (RasterRect{0, 7, 10001, 2000}));
    EXPECT_EQ(ImageRegion(-3, 9999.5, -2.5), (RasterRect{0, -3, 10000, -3}));
}

}  // namespace
}  // namespace oskava

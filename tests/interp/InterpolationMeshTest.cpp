// The view's mesh build and the image raster over it.
#include <gtest/gtest.h>

#include "interp/ImageRaster.h"
#include "interp/InterpolationMesh.h"
#include "support/ScriptedPrompts.h"

namespace oskava {
namespace {

Cobs At(double pseudoX, double pseudoDepth, double value) {
    Cobs record;
    record.pseudoX = pseudoX;
    record.pseudoDepth = pseudoDepth;
    record.displayValue = value;
    return record;
}

TEST(BuildInterpolationMeshTest, NodesInLogicalUnitsAndNodeOrder) {
    InterpolationMesh mesh;
    const MeshStatus status =
        BuildInterpolationMesh({30, 10, 20, 10}, {2.5, 1.25, 4, 3}, {1, 2, 3, 4}, 10, 2, mesh);
    EXPECT_EQ(status, MeshStatus::Built);
    EXPECT_EQ(mesh.order, (std::vector<int32_t>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.nodeX, (std::vector<double>{0, 0, 20, 40}));
    EXPECT_EQ(mesh.nodeY, (std::vector<double>{2.5, 6, 8, 5}));
    EXPECT_EQ(mesh.displayValues, (std::vector<double>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.secondValues, (std::vector<double>(4, 0.0)));
    EXPECT_EQ(mesh.imageTop, 3);  // 2.5 rounded half away from zero
    EXPECT_EQ(mesh.lists.adjacency.size(), 15u);

    BuildInterpolationMesh({0, 1}, {-2.5, -1}, {0, 0}, 0, 1, mesh);
    EXPECT_EQ(mesh.imageTop, -3);
    EXPECT_EQ(mesh.lists.adjacency.size(), 3u);  // 6N - 9 with N = 2
    BuildInterpolationMesh({}, {}, {}, 0, 1, mesh);
    EXPECT_EQ(mesh.imageTop, kNoImageTop);
    EXPECT_EQ(mesh.NodeCount(), 0);
}

TEST(BuildInterpolationMeshTest, CollinearPseudoLocationsAreReported) {
    test::ScriptedPrompts prompts;
    InterpolationMesh mesh;
    const std::vector<Cobs> level{At(1, 2, 0), At(2, 2, 0), At(3, 2, 0), At(4, 2, 0)};
    EXPECT_FALSE(BuildInterpolationMesh(level, 0, 1, mesh, prompts));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Error: Points in the data file are collinear.");
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::Error);

    EXPECT_TRUE(BuildInterpolationMesh({At(1, 2, 0), At(2, 2, 0)}, 0, 1, mesh, prompts));
    EXPECT_TRUE(
        BuildInterpolationMesh({At(1, 2, 0), At(2, 2, 0), At(2, 3, 0)}, 0, 1, mesh, prompts));
    EXPECT_EQ(prompts.messages.size(), 1u);
}

struct Painted {
    RasterRect cell;
    double value;
};

// A device whose logical units are device pixels times a factor, with an offset.
struct ScaledDevice {
    int32_t factor = 1;
    int32_t offset = 0;
    std::vector<RasterRect> asked;
    std::function<bool(const RasterRect&)> visible = [](const RasterRect&) { return true; };

    RasterDevice Device() {
        return {[this](const RasterRect& d) {
                    return RasterRect{d.left * factor + offset, d.top * factor + offset,
                                      d.right * factor + offset, d.bottom * factor + offset};
                },
                [this](const RasterRect& l) {
                    asked.push_back(l);
                    return visible(l);
                }};
    }
};

std::vector<Painted> Raster(const InterpolationMesh& mesh, const RasterRect& region,
                            const RasterRect& clip, ScaledDevice& device) {
    std::vector<Painted> painted;
    RasterInterpolatedImage(mesh, mesh.displayValues, region, clip, device.Device(),
                            [&](const RasterRect& cell, double value) {
                                painted.push_back({cell, value});
                            });
    return painted;
}

// One triangle (0, 0), (100, 0), (0, 100) whose values equal x.
InterpolationMesh Triangle() {
    InterpolationMesh mesh;
    BuildInterpolationMesh({0, 100, 0}, {0, 0, 100}, {0, 100, 0}, 0, 1, mesh);
    return mesh;
}

TEST(ImageRasterTest, PaintsTheCellsWhoseCentreIsInsideTheTriangle) {
    const InterpolationMesh mesh = Triangle();
    ScaledDevice device;
    const std::vector<Painted> painted =
        Raster(mesh, {0, 0, 100, 100}, {-1000, -1000, 1000, 1000}, device);
    // Cells have centres at 5c - 1 + ... : the cell at column c spans x 5c - 3 .. 5c + 2,
    // centre (10c - 1) div 2 = 5c - 1 for c >= 1 and 0 for c = 0.
    int32_t expected = 0;
    for (int32_t c = 0; c <= 20; ++c) {
        for (int32_t r = 0; r <= 20; ++r) {
            const int32_t cx = (10 * c - 1) / 2;
            const int32_t cy = (10 * r - 1) / 2;
            expected += cx > 0 && cy > 0 && cx + cy < 100 ? 1 : 0;
        }
    }
    ASSERT_EQ(static_cast<int32_t>(painted.size()), expected);
    for (const Painted& p : painted) {
        EXPECT_EQ(p.cell.right - p.cell.left, 5);
        EXPECT_DOUBLE_EQ(p.value, (p.cell.left + p.cell.right) / 2);
    }
    // Columns outer, rows inner: the first cells asked for go down the first column.
    ASSERT_GE(device.asked.size(), 3u);
    EXPECT_EQ(device.asked[0], (RasterRect{-3, -3, 2, 2}));
    EXPECT_EQ(device.asked[1], (RasterRect{-3, 2, 2, 7}));
    EXPECT_EQ(device.asked[21], (RasterRect{2, -3, 7, 2}));
}

TEST(ImageRasterTest, CoversOnlyTheClipBoxWidenedAndVisibleCells) {
    const InterpolationMesh mesh = Triangle();
    ScaledDevice device;
    Raster(mesh, {0, 0, 100, 100}, {50, 60, 55, 70}, device);
    // x from 30 to 75, y from 40 to 90: 10 columns of 11 rows.
    ASSERT_EQ(device.asked.size(), 110u);
    EXPECT_EQ(device.asked.front(), (RasterRect{27, 37, 32, 42}));
    EXPECT_EQ(device.asked.back(), (RasterRect{72, 87, 77, 92}));

    EXPECT_EQ(RasterSpan({0, 0, 100, 100}, {150, 0, 200, 10}), (RasterRect{130, 0, 100, 30}));
    ScaledDevice outside;
    EXPECT_TRUE(Raster(mesh, {0, 0, 100, 100}, {150, 0, 200, 10}, outside).empty());
    EXPECT_TRUE(outside.asked.empty());

    ScaledDevice hidden;
    hidden.visible = [](const RasterRect& l) { return l.left > 40; };
    for (const Painted& p : Raster(mesh, {0, 0, 100, 100}, {0, 0, 100, 100}, hidden)) {
        EXPECT_GT(p.cell.left, 40);
    }
}

TEST(ImageRasterTest, CentreTruncatesTowardZeroInLogicalUnits) {
    // Logical = 3 * device - 100: the first cell spans -109 .. -94 in x, centre
    // (-203) div 2 = -101 (not -102).
    InterpolationMesh mesh;
    BuildInterpolationMesh({-200, 200, 0}, {-200, -200, 200}, {-200, 200, 0}, 0, 1, mesh);
    ScaledDevice device;
    device.factor = 3;
    device.offset = -100;
    const std::vector<Painted> painted = Raster(mesh, {0, 0, 0, 0}, {0, 0, 0, 0}, device);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].cell, (RasterRect{-109, -109, -94, -94}));
    EXPECT_DOUBLE_EQ(painted[0].value, -101);
}

TEST(ImageRasterTest, ImageRegionRoundsTheExtentsHalfAwayFromZero) {
    EXPECT_EQ(ImageRegion(7, 10000.5, 2000.49), (RasterRect{0, 7, 10001, 2000}));
    EXPECT_EQ(ImageRegion(-3, 9999.5, -2.5), (RasterRect{0, -3, 10000, -3}));
}

}  // namespace
}  // namespace oskava

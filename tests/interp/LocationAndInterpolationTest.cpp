// Point location against a brute-force search over every triangle and hull edge; linear
// interpolation, exact on linear fields inside the hull, the codes elsewhere; the view's
// mesh build and the image raster over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "interp/ImageRaster.h"
#include "interp/InterpolationMesh.h"
#include "interp/LinearInterpolation.h"
#include "interp/MeshFixtures.h"
#include "interp/Walk.h"

namespace oskava {
namespace {

using test::Mesh;

double Linear(double x, double y) {
    return 3.5 + 2.0 * x - 5.0 * y;
}

// Locates and interpolates the points in turn, each walk starting where the last
// ended; returns how many lay inside the hull.
int32_t LocateAndInterpolate(const Mesh& m, const std::vector<double>& px,
                             const std::vector<double>& py, double scale) {
    std::vector<double> z(m.x.size());
    std::transform(m.x.begin(), m.x.end(), m.y.begin(), z.begin(), Linear);
    int32_t start = 1;
    int32_t inside = 0;
    for (size_t i = 0; i < px.size(); ++i) {
        const Location found = LocatePoint(start, px[i], py[i], m.x, m.y, m.lists);
        test::CheckLocation(m, found, px[i], py[i]);
        const Interpolation at = InterpolateLinear(px[i], py[i], m.x, m.y, z, m.lists, start);
        EXPECT_EQ(at.code, found.i3 != 0 ? kInsideTriangle : kOutsideHull);
        if (at.code == kInsideTriangle) {
            ++inside;
            EXPECT_NEAR(at.value, Linear(px[i], py[i]), 1e-12 * (10 + 7 * scale));
        }
    }
    return inside;
}

// The raster's walks from a nearby node, their answers turned into those of the walk
// from the start node, and walks that cross straight runs of the hull in one step give
// bit for bit what the plain walk gives: on a survey-shaped grid (long straight hull
// runs, points on edges, at nodes, in line with nodes) and on random points, from every
// kind of nearby node.
TEST(LocatePointTest, WalksFromNearbyNodesAndOverHullRunsAnswerAsThePlainWalk) {
    std::vector<double> x, y;
    std::mt19937 random(3);
    for (const bool survey : {true, false}) {
        if (survey) {
            test::SurveyPoints(6, 40, 2.0, x, y);
        } else {
            test::RandomPoints(300, 50, 8, x, y);
        }
        const Mesh m(x, y);
        const HullRuns runs(m.x, m.y, m.lists);
        std::vector<double> z(m.x.size());
        std::transform(m.x.begin(), m.x.end(), m.y.begin(), z.begin(), Linear);
        int32_t start = 1;
        int32_t startNear = 1;
        int32_t nearby = 0;
        const int32_t n = m.lists.NodeCount();
        for (double qx = -30; qx <= 110; qx += survey ? 1.0 : 0.7) {
            for (double qy = -8; qy <= 16; qy += survey ? 0.5 : 0.9) {
                SCOPED_TRACE(testing::Message() << survey << " at " << qx << ", " << qy);
                const int32_t anyStart = static_cast<int32_t>(random() % n) + 1;
                const Location plainFrom = LocatePoint(anyStart, qx, qy, m.x, m.y, m.lists);
                const Location runsFrom = LocatePoint(anyStart, qx, qy, m.x, m.y, m.lists, &runs);
                EXPECT_TRUE(plainFrom.i1 == runsFrom.i1 && plainFrom.i2 == runsFrom.i2 &&
                            plainFrom.i3 == runsFrom.i3);
                switch (random() % 3) {
                    case 0:
                        nearby = static_cast<int32_t>(random() % n) + 1;
                        break;
                    case 1:
                        nearby = 0;
                        break;
                    default:
                        break;  // the node the last triangle found left
                }
                const Interpolation plain = InterpolateLinear(qx, qy, m.x, m.y, z, m.lists, start);
                const Interpolation near =
                    InterpolateLinearNear(qx, qy, m.x, m.y, z, m.lists, &runs, startNear, nearby);
                EXPECT_EQ(near.code, plain.code);
                EXPECT_EQ(std::memcmp(&near.value, &plain.value, sizeof(double)), 0);
                ASSERT_EQ(startNear, start);
            }
        }
    }
}

TEST(LocatePointTest, AgreesWithBruteForceAndInterpolatesLinearFieldsExactly) {
    std::vector<double> x, y, qx, qy;
    for (const double scale : {1e-9, 1.0, 1e9}) {
        test::RandomPoints(150, scale, 5, x, y);
        test::RandomPoints(400, scale * 1.4, 6, qx, qy);
        EXPECT_GT(LocateAndInterpolate(Mesh(x, y), qx, qy, scale), 150) << scale;
    }
    // Integer survey-shaped nodes: the grid's points on hull edges are exactly on them.
    test::SurveyPoints(5, 14, 2.0, x, y);
    qx.clear();
    qy.clear();
    for (int32_t i = -4; i <= 32; ++i) {
        for (int32_t j = -3; j <= 8; ++j) {
            qx.insert(qx.end(), {i * 1.0, i + 0.5});
            qy.insert(qy.end(), {j * 1.0, j + 0.25});
        }
    }
    LocateAndInterpolate(Mesh(x, y), qx, qy, 30);
    // Any start node, even one out of range.
    const Mesh small({0, 4, 2, 2}, {0, 0, 3, 1});
    for (const int32_t start : {-5, 0, 1, 4, 9}) {
        test::CheckLocation(small, LocatePoint(start, 2, 0.5, small.x, small.y, small.lists), 2,
                            0.5);
    }
}

TEST(LocatePointTest, NoAnswerWithoutAUsableMeshStartOrPoint) {
    const Mesh three({0, 4, 2}, {0, 0, 3});
    const Mesh collinear({0, 1, 2}, {0, 1, 2});
    for (const auto& [unusable, px] : {std::pair(Mesh({}, {}), 0.5), std::pair(collinear, 0.5),
                                       std::pair(three, std::nan(""))}) {
        const Location none = LocatePoint(1, px, 1, unusable.x, unusable.y, unusable.lists);
        EXPECT_EQ(none.i1 + none.i2 + none.i3, 0);
    }
    int32_t start = 1;
    const Mesh two({0, 1}, {0, 1});
    EXPECT_EQ(InterpolateLinear(0.5, 0.5, two.x, two.y, {1, 2}, two.lists, start).code, kNoMesh);
    for (int32_t from : {0, -1, 4, 3}) {
        EXPECT_EQ(InterpolateLinear(2, 1, three.x, three.y, {1, 2, 3}, three.lists, from).code,
                  from == 3 ? kInsideTriangle : kNoMesh);
    }
    const Interpolation none =
        InterpolateLinear(1, 0, collinear.x, collinear.y, {1, 2, 3}, collinear.lists, start);
    EXPECT_EQ(none.code, kDegenerate);
    EXPECT_EQ(none.value, 0);
    EXPECT_TRUE(BarycentricCoords(1, 1, 0, 0, 1, 1, 2, 2).failed);
}

TEST(BuildInterpolationMeshTest, NodesInLogicalUnitsNodeOrderAndImageTop) {
    InterpolationMesh mesh;
    EXPECT_EQ(
        BuildInterpolationMesh({30, 10, 20, 10}, {2.5, 1.25, 4, 3}, {1, 2, 3, 4}, 10, 2, mesh),
        MeshStatus::Built);
    EXPECT_EQ(mesh.order, (std::vector<int32_t>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.nodeX, (std::vector<double>{0, 0, 20, 40}));
    EXPECT_EQ(mesh.nodeY, (std::vector<double>{2.5, 6, 8, 5}));
    EXPECT_EQ(mesh.displayValues, (std::vector<double>{2, 4, 3, 1}));
    EXPECT_EQ(mesh.imageTop, 3);  // 2.5 rounded half away from zero
    // Two data are too few, not collinear: no message about collinear data.
    EXPECT_EQ(BuildInterpolationMesh({0, 1}, {-2.5, -1}, {0, 0}, 0, 1, mesh),
              MeshStatus::TooFewNodes);
    EXPECT_EQ(mesh.imageTop, -3);
    BuildInterpolationMesh({}, {}, {}, 0, 1, mesh);
    EXPECT_EQ(mesh.imageTop, kNoImageTop);
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

TEST(ImageRasterTest, PaintsTheCellsInsideTheTrianglesWithTheirCentresTruncatedValue) {
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

    // Logical = 3 * device - 100: the first cell spans -109 .. -94 in x, centre
    // (-203) div 2 = -101 (not -102).
    BuildInterpolationMesh({-200, 200, 0}, {-200, -200, 200}, {-200, 200, 0}, 0, 1, mesh);
    const std::vector<Painted> scaled = Raster(mesh, {0, 0, 0, 0}, {0, 0, 0, 0}, asked, 3, -100);
    ASSERT_EQ(scaled.size(), 1u);
    EXPECT_EQ(scaled[0].cell, (RasterRect{-109, -109, -94, -94}));
    EXPECT_DOUBLE_EQ(scaled[0].value, -101);

    EXPECT_EQ(ImageRegion(7, 10000.5, 2000.49), (RasterRect{0, 7, 10001, 2000}));
    EXPECT_EQ(ImageRegion(-3, 9999.5, -2.5), (RasterRect{0, -3, 10000, -3}));
}

}  // namespace
}  // namespace oskava

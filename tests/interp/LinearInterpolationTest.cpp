// Linear interpolation: exact on linear fields inside the hull, the codes elsewhere.
#include <gtest/gtest.h>

#include <algorithm>

#include "interp/LinearInterpolation.h"
#include "interp/MeshFixtures.h"

namespace oskava {
namespace {

using test::Mesh;

double Linear(double x, double y) {
    return 3.5 + 2.0 * x - 5.0 * y;
}

TEST(InterpolateLinearTest, ReproducesALinearFieldInsideTheHull) {
    for (const double scale : {1e-9, 1.0, 1e9}) {
        std::vector<double> x, y, qx, qy;
        test::RandomPoints(200, scale, 8, x, y);
        const Mesh m(x, y);
        std::vector<double> z(m.x.size());
        std::transform(m.x.begin(), m.x.end(), m.y.begin(), z.begin(), Linear);
        test::RandomPoints(300, scale * 1.2, 9, qx, qy);
        int32_t start = 1;
        int32_t inside = 0;
        for (size_t i = 0; i < qx.size(); ++i) {
            const Interpolation at = InterpolateLinear(qx[i], qy[i], m.x, m.y, z, m.lists, start);
            ASSERT_TRUE(at.code == kInsideTriangle || at.code == kOutsideHull);
            ASSERT_GE(start, 1);
            if (at.code == kInsideTriangle) {
                ++inside;
                EXPECT_NEAR(at.value, Linear(qx[i], qy[i]), 1e-12 * (10 + 7 * scale));
            }
        }
        EXPECT_GT(inside, 100);
    }
}

TEST(InterpolateLinearTest, CodesOnTheHullOutsideAndWithoutAUsableMesh) {
    // Integer survey-shaped nodes: the points below lie exactly on hull edges.
    std::vector<double> x, y;
    test::SurveyPoints(4, 10, 2.0, x, y);
    const Mesh m(x, y);
    const std::vector<double> z(m.x.size());  // only the codes are asked for
    int32_t start = 1;
    for (const auto& [px, py] : std::vector<std::pair<double, double>>{
             {5, 1}, {4, 1}, {14, 4}, {13, 4}, {2.5, 1.5}, {-1, 2}, {30, 2}, {10, 0.5}}) {
        EXPECT_EQ(InterpolateLinear(px, py, m.x, m.y, z, m.lists, start).code, kOutsideHull)
            << px << " " << py;
    }

    const Mesh two({0, 1}, {0, 1});
    EXPECT_EQ(InterpolateLinear(0.5, 0.5, two.x, two.y, {1, 2}, two.lists, start).code, kNoMesh);
    const Mesh three({0, 4, 2}, {0, 0, 3});
    for (int32_t bad : {0, -1, 4}) {
        EXPECT_EQ(InterpolateLinear(2, 1, three.x, three.y, {1, 2, 3}, three.lists, bad).code,
                  kNoMesh);
    }
    start = 3;
    EXPECT_EQ(InterpolateLinear(2, 1, three.x, three.y, {1, 2, 3}, three.lists, start).code,
              kInsideTriangle);
    const Mesh collinear({0, 1, 2}, {0, 1, 2});
    start = 1;
    const Interpolation none =
        InterpolateLinear(1, 0, collinear.x, collinear.y, {1, 2, 3}, collinear.lists, start);
    EXPECT_EQ(none.code, kDegenerate);
    EXPECT_EQ(none.value, 0);
    EXPECT_TRUE(BarycentricCoords(1, 1, 0, 0, 1, 1, 2, 2).failed);
}

}  // namespace
}  // namespace oskava

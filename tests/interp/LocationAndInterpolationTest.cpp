// Point location against a brute-force search over every triangle and hull edge, and
// linear interpolation: exact on linear fields inside the hull, the codes elsewhere.
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

// Locates and interpolates the points in turn, each walk starting where the last
// ended; returns how many lay inside the hull.
int32_t LocateAndInterpolate(const Mesh& m, const std::vector<double>& px,
                             const std::vector<double>& py, double scale) {
    EXPECT_EQ(m.status, MeshStatus::Built);
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

}  // namespace
}  // namespace oskava

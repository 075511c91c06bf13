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

// Inside the hull, a triangle of the mesh that holds the point; elsewhere two hull
// nodes with the edge from i2 to i1 holding or seeing the point.
void CheckLocation(const Mesh& m, const Location& found, double px, double py) {
    const std::vector<int32_t> hull = m.Hull();
    const auto side = [&](int32_t a, int32_t b) {
        return test::Orientation(m.x[a - 1], m.y[a - 1], m.x[b - 1], m.y[b - 1], px, py);
    };
    bool inside = true;  // strictly
    for (size_t i = 0; i < hull.size(); ++i) {
        inside = inside && side(hull[i], hull[(i + 1) % hull.size()]) > 0;
    }
    SCOPED_TRACE(testing::Message()
                 << px << " " << py << " gave " << found.i1 << " " << found.i2 << " " << found.i3);
    if (inside) {
        std::array<int32_t, 3> t{found.i1, found.i2, found.i3};
        std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
        const auto triangles = m.Triangles();
        ASSERT_NE(std::find(triangles.begin(), triangles.end(), t), triangles.end());
        EXPECT_TRUE(side(found.i1, found.i2) >= 0 && side(found.i2, found.i3) >= 0 &&
                    side(found.i3, found.i1) >= 0);
    } else if (found.i3 != 0 || !m.OnHull(found.i1) || !m.OnHull(found.i2) ||
               side(found.i2, found.i1) > 0) {
        ADD_FAILURE() << "no hull edge that holds or sees the point";
    }
}

TEST(LocatePointTest, AgreesWithBruteForceInsideOnTheHullAndOutside) {
    std::vector<double> x, y, qx, qy;
    test::RandomPoints(150, 100, 5, x, y);
    const Mesh random(x, y);
    test::RandomPoints(400, 140, 6, qx, qy);
    // Integer survey-shaped nodes: the grid's points on hull edges are exactly on them.
    test::SurveyPoints(5, 14, 2.0, x, y);
    const Mesh survey(x, y);
    std::vector<double> gx, gy;
    for (int32_t i = -4; i <= 32; ++i) {
        for (int32_t j = -3; j <= 8; ++j) {
            gx.insert(gx.end(), {i * 1.0, i + 0.5});
            gy.insert(gy.end(), {j * 1.0, j + 0.25});
        }
    }
    for (const auto& [m, px, py] : {std::tie(random, qx, qy), std::tie(survey, gx, gy)}) {
        ASSERT_EQ(m.status, MeshStatus::Built);
        int32_t start = 1;
        for (size_t i = 0; i < px.size(); ++i) {
            const Location found = LocatePoint(start, px[i], py[i], m.x, m.y, m.lists);
            CheckLocation(m, found, px[i], py[i]);
            start = found.i1;
        }
    }
    // Any start node, even one out of range.
    const Mesh small({0, 4, 2, 2}, {0, 0, 3, 1});
    for (const int32_t start : {-5, 0, 1, 4, 9}) {
        CheckLocation(small, LocatePoint(start, 2, 0.5, small.x, small.y, small.lists), 2, 0.5);
        CheckLocation(small, LocatePoint(start, -1, 7, small.x, small.y, small.lists), -1, 7);
    }
}

TEST(LocatePointTest, NoAnswerWithoutTriangulationOrForNonFinitePoints) {
    const Mesh m({0, 4, 2}, {0, 0, 3});
    for (const auto& [unusable, px] :
         {std::pair(Mesh({}, {}), 0.5), std::pair(Mesh({0, 1, 2}, {0, 1, 2}), 0.5),
          std::pair(m, std::nan(""))}) {
        const Location none = LocatePoint(1, px, 1, unusable.x, unusable.y, unusable.lists);
        EXPECT_EQ(none.i1 + none.i2 + none.i3, 0);
    }
}

}  // namespace
}  // namespace oskava

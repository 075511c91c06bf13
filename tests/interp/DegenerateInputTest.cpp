// Input the triangulation is not meant for but can be given: coincident nodes and lists
// that contradict the coordinates. The build and the walk must stay inside their
// arrays, end, and keep consistent lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "interp/LinearInterpolation.h"
#include "interp/MeshFixtures.h"

namespace oskava {
namespace {

using test::Mesh;

TEST(DegenerateInputTest, RegressionCoincidentNodes) {
    // Copies of records 0, 5, 5 again and 60 among random nodes.
    std::vector<double> x, y;
    test::RandomPoints(120, 10, 21, x, y);
    for (const int32_t r : {0, 5, 5, 60}) {
        x.push_back(x[r]);
        y.push_back(y[r]);
    }
    const Mesh m(x, y);
    test::ExpectDelaunay(m);
    const auto inserted = [&m](int32_t r) { return m.lists.Inserted(m.NodeOfRecord(r)); };
    EXPECT_NE(inserted(0), inserted(120));
    EXPECT_NE(inserted(60), inserted(123));
    EXPECT_FALSE(inserted(121) && inserted(122));

    // A grid with every point twice; interpolation works over the inserted nodes,
    // starting anywhere.
    std::vector<double> gx, gy;
    for (int32_t k = 0; k < 60; ++k) {
        gx.push_back(k % 30 / 5);
        gy.push_back(k % 5);
    }
    const Mesh grid(gx, gy);
    ASSERT_EQ(VerifyTopology(grid.x, grid.y, grid.lists), "");
    for (int32_t start = 1; start <= 60; ++start) {
        int32_t from = start;
        const Interpolation at =
            InterpolateLinear(2.5, 1.5, grid.x, grid.y, grid.x, grid.lists, from);
        ASSERT_EQ(at.code, kInsideTriangle);
        EXPECT_DOUBLE_EQ(at.value, 2.5);
        EXPECT_TRUE(grid.lists.Inserted(from));
    }
}

TEST(DegenerateInputTest, RegressionNearlyCoincidentNodes) {
    // Copies of survey-shaped nodes moved by one unit in the last place, as a sum
    // computed in another order leaves them: every node is inserted and no triangle
    // folds over, which rounded orientation tests could not promise.
    std::vector<double> x, y;
    test::SurveyPoints(10, 30, 3.7, x, y);
    const size_t original = x.size();
    for (size_t i = 0; i < original; i += 3) {
        x.push_back(i % 2 == 0 ? x[i] : std::nextafter(x[i], 1e9));
        y.push_back(i % 2 == 0 ? std::nextafter(y[i], -1e9) : std::nextafter(y[i], 1e9));
    }
    const Mesh m(x, y);
    ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    for (int32_t k = 1; k <= m.lists.NodeCount(); ++k) {
        EXPECT_TRUE(m.lists.Inserted(k)) << k;
    }
}

TEST(DegenerateInputTest, LocationEndsOnListsThatContradictTheGeometry) {
    // Valid lists over coordinates that were shuffled afterwards: every orientation
    // test may now contradict the lists, and the walk must still come to an answer.
    std::vector<double> x, y, qx, qy;
    test::RandomPoints(300, 10, 51, x, y);
    Mesh m(x, y);
    std::mt19937 random(52);
    std::shuffle(m.x.begin(), m.x.end(), random);
    test::RandomPoints(200, 12, 53, qx, qy);
    for (size_t i = 0; i < qx.size(); ++i) {
        int32_t start = static_cast<int32_t>(i % 300) + 1;
        const Location found = LocatePoint(start, qx[i], qy[i], m.x, m.y, m.lists);
        EXPECT_TRUE(found.i1 >= 0 && found.i1 <= 300 && found.i2 >= 0 && found.i3 >= 0);
        InterpolateLinear(qx[i], qy[i], m.x, m.y, m.y, m.lists, start);
    }
}

}  // namespace
}  // namespace oskava

// The triangulation: the node order it inserts in (equal keys in the quicksort's order),
// small cases whose answer is known, and the Delaunay property on random, survey-shaped
// nodes at many scales, some of them not finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <set>
#include <string>

#include "interp/LinearInterpolation.h"
#include "interp/MeshFixtures.h"

namespace oskava {
namespace {

using test::Mesh;

TEST(BuildMeshTest, SmallCasesAndTheSquaresDiagonal) {
    EXPECT_EQ(Mesh({1, 2}, {1, 5}).status, MeshStatus::TooFewNodes);
    NeighbourLists unequal;
    EXPECT_EQ(BuildMesh({0, 1, 0}, {0, 0}, unequal), MeshStatus::TooFewNodes);
    // A diagonal in scrambled order, a vertical, one spot, two coinciding of three.
    for (const Mesh& m : {Mesh({3, 0, 2, 1}, {3, 0, 2, 1}), Mesh({5, 5, 5, 5}, {2, 0, 3, 1}),
                          Mesh({1, 1, 1, 1}, {2, 2, 2, 2}), Mesh({1, 1, 3}, {2, 2, 0})}) {
        EXPECT_EQ(m.status, MeshStatus::Collinear);
        EXPECT_FALSE(m.lists.Inserted(1) || m.lists.Inserted(3));
    }
    // A collinear run in scrambled order and with repeats before a node off the line.
    const Mesh run({2, 0, 4, 0, 1, 3, 4, 2}, {2, 0, 4, 0, 1, 3, 4, -5});
    ASSERT_EQ(VerifyTopology(run.x, run.y, run.lists), "");
    EXPECT_EQ(run.Triangles().size(), 4u);
    // (1, 0) lies on the edge from (0, 0) to (2, 0) of the first triangle.
    const Mesh onEdge({0, 2, 1.5, 1}, {0, 0, 2, 0});
    test::ExpectDelaunay(onEdge);
    EXPECT_TRUE(onEdge.OnHull(onEdge.NodeOfRecord(3)));
    EXPECT_FALSE(onEdge.Adjacent(onEdge.NodeOfRecord(0), onEdge.NodeOfRecord(1)));
    // Inside a triangle whose corner of largest x comes last, the lists end exactly at
    // their capacity of 6N - 9 entries.
    const Mesh full({0, 4, 0, 3, 5, 10}, {0, 4, 10, 5, 6, 5});
    test::ExpectDelaunay(full);
    EXPECT_EQ(full.HullSize(), 3u);
    // The unit square's diagonal follows the order of insertion.
    const Mesh first({0, 0, 1, 1}, {0, 1, 0, 1});
    EXPECT_TRUE(first.Adjacent(first.NodeOfRecord(1), first.NodeOfRecord(2)));
    EXPECT_FALSE(first.Adjacent(first.NodeOfRecord(0), first.NodeOfRecord(3)));
    const Mesh second({0, 0, 1, 1}, {0, 1, 1, 0});
    EXPECT_TRUE(second.Adjacent(second.NodeOfRecord(0), second.NodeOfRecord(2)));
    EXPECT_FALSE(second.Adjacent(second.NodeOfRecord(1), second.NodeOfRecord(3)));
}

TEST(BuildMeshTest, RandomAndSurveyShapedNodesAtEveryScale) {
    // Products of the largest and smallest coordinates overflow or underflow in plain
    // doubles; at 1.7e308 some x overflow and are left out like the non-finite ones.
    std::vector<double> x, y, rx, ry;
    for (const double scale : {1e-300, 1e-150, 1e-9, 1.0, 7.0, 1e9, 1e150, 1e300, 1.7e308}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        test::SurveyPoints(8, 40, scale, x, y);
        test::RandomPoints(300, scale, 1, rx, ry);
        x.insert(x.end(), rx.begin(), rx.end());
        y.insert(y.end(), ry.begin(), ry.end());
        x[0] = y[5] = std::nan("");
        x[7] = -INFINITY;
        const Mesh m(x, y);
        test::ExpectDelaunay(m, 3);
        int32_t inserted = 0;
        for (int32_t k = 1; k <= m.lists.NodeCount(); ++k) {
            const bool finite = std::isfinite(m.x[k - 1]) && std::isfinite(m.y[k - 1]);
            EXPECT_EQ(m.lists.Inserted(k), finite) << k;
            inserted += finite ? 1 : 0;
        }
        EXPECT_GT(inserted, 290);
    }
    EXPECT_EQ(Mesh({NAN, NAN, NAN}, {1, 2, 3}).status, MeshStatus::Collinear);
    EXPECT_EQ(Mesh({NAN, 0, 1, 2}, {0, 0, 1, 0}).status, MeshStatus::Built);
}

TEST(BuildMeshTest, RegressionSwapsOnNearlyStraightDiagonals) {
    // Survey-shaped nodes, each coordinate moved by up to two units in the last place
    // as rounding leaves pseudo-locations: the diagonals from level to level are nearly
    // straight, the angle test of a swap is decided by its rounding, and only the check
    // that the new diagonal separates the old one keeps a triangle from folding over.
    std::mt19937 random(21);
    std::uniform_int_distribution<int> ulps(-2, 2);
    const auto moved = [&](double value) {
        for (int step = ulps(random); step != 0; step += step > 0 ? -1 : 1) {
            value = std::nextafter(value, step > 0 ? 1e9 : -1e9);
        }
        return value;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<double> x, y;
        test::SurveyPoints(6, 12, 0.1, x, y);
        for (size_t i = 0; i < x.size(); ++i) {
            x[i] = moved(x[i]);
            y[i] = moved(y[i]);
        }
        const Mesh m(x, y);
        ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "") << "round " << round;
    }
}

std::vector<int32_t> OrderOf(const std::vector<double>& keys) {
    std::vector<int32_t> order;
    SortOrder(keys, order);
    return order;
}

TEST(SortOrderTest, SortsEveryLengthAndKeyPatternWithEqualKeysInTheQuicksortsOrder) {
    EXPECT_EQ(OrderOf({0, 0, 1, 1}), (std::vector<int32_t>{1, 2, 3, 4}));
    std::vector<double> x{1, 1, 0, 0}, y{1, 2, 3, 4}, unused;
    std::vector<int32_t> nodeOrder;
    ReorderNodes(2, x, y, unused, nodeOrder);
    EXPECT_EQ(nodeOrder, (std::vector<int32_t>{4, 3, 1, 2}));
    PermuteValues({1, 1, 2, 3}, y);  // not a permutation
    PermuteValues({2, 1, 5, 3}, y);  // out of range
    PermuteValues({2, 1, 0, 3}, y);
    EXPECT_EQ(y, (std::vector<double>{4, 3, 1, 2}));
    std::mt19937 random(11);
    for (int32_t n = 0; n < 300; n += n < 2 ? 1 : 7) {
        // Few distinct keys, many, and a third of them undefined.
        for (const int distinct : {2, 5, 1000000, 0}) {
            std::vector<double> keys(n);
            for (int32_t i = 0; i < n; ++i) {
                keys[i] = distinct != 0 ? static_cast<double>(random() % distinct)
                          : i % 3 == 0  ? std::nan("")
                                        : static_cast<double>((i * 37) % 101);
            }
            const std::vector<int32_t> order = OrderOf(keys);
            std::vector<int32_t> all(n);
            std::iota(all.begin(), all.end(), 1);
            ASSERT_TRUE(std::is_permutation(order.begin(), order.end(), all.begin(), all.end()));
            const auto byKey = [&keys](int32_t a, int32_t b) { return keys[a - 1] < keys[b - 1]; };
            ASSERT_TRUE(distinct == 0 || std::is_sorted(order.begin(), order.end(), byKey)) << n;
        }
    }
}

// Input the triangulation is not meant for but can be given: coincident nodes, lists
// that contradict the coordinates, a node whose neighbour list is as long as the survey,
// a leading run of thousands of collinear nodes. The build takes other paths for the
// last two (room in proportion to a list's length, bisection of a hull node's arcs, the
// run sorted in). It and the walk must stay inside their arrays, end, and keep
// consistent lists; the answer must still be a Delaunay triangulation.
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

// A column of data, its x off by an ulp or so as rounded pseudo-locations are, in
// shuffled record order, and one datum on either side that every column node joins.
Mesh ColumnBetweenTwoData(int32_t count) {
    std::vector<double> x{25, 75}, y{-1, -1};
    std::mt19937 random(7);
    for (int32_t i = 0; i < count; ++i) {
        x.push_back(std::nextafter(50.0, random() % 2 ? 0.0 : 100.0));
        y.push_back(-0.5 - 0.01 * i);
    }
    std::shuffle(x.begin() + 2, x.end(), random);
    return Mesh(x, y);
}

TEST(LongListsTest, ColumnBetweenTwoDataIsTriangulatedAndLocated) {
    const Mesh m = ColumnBetweenTwoData(1500);
    test::ExpectDelaunay(m);
    EXPECT_EQ(m.Triangles().size(), 2u * m.x.size() - 2 - m.HullSize());
    // Points beside the column, found from either end of it.
    for (const double px : {40.0, 49.0, 51.0, 60.0}) {
        for (const double py : {-1.2, -5.3, -8.1}) {
            for (const int32_t start : {1, m.lists.NodeCount()}) {
                test::CheckLocation(m, LocatePoint(start, px, py, m.x, m.y, m.lists), px, py);
            }
        }
    }
}

TEST(LongListsTest, LongCollinearRunIsJoinedInItsOrderToTheFirstNodeOffIt) {
    // 3000 nodes on a sloping line in shuffled order, some twice, then one node off it.
    std::vector<double> x, y;
    std::mt19937 random(3);
    for (int32_t i = 0; i < 3000; ++i) {
        const double t = static_cast<double>(random() % 2500);
        x.push_back(t);
        y.push_back(-2 * t);
    }
    x.push_back(5000);
    y.push_back(0);
    // Every distinct position of the line is inserted, each pair of neighbours along
    // it joined to the apex.
    const Mesh m(x, y);
    test::ExpectDelaunay(m, 7);
    EXPECT_EQ(m.Triangles().size(), std::set<double>(x.begin(), x.end()).size() - 2);
}

}  // namespace
}  // namespace oskava

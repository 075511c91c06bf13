// Degenerate shapes that give a node a neighbour list as long as the survey, or a
// leading run of thousands of collinear nodes: the build takes other paths for them
// (room in proportion to a list's length, bisection of a hull node's arcs, the run
// sorted in), and its answer must still be a Delaunay triangulation found by the walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "interp/MeshFixtures.h"

namespace oskava {
namespace {

using test::Mesh;

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
    EXPECT_EQ(m.Triangles().size(), 2u * m.x.size() - 2 - m.Hull().size());
    // Points beside the column, found from either end of it, lie in the triangle found.
    for (const double px : {40.0, 49.0, 51.0, 60.0}) {
        for (const double py : {-1.2, -5.3, -8.1}) {
            for (const int32_t start : {1, m.lists.NodeCount()}) {
                const Location t = LocatePoint(start, px, py, m.x, m.y, m.lists);
                ASSERT_NE(t.i3, 0) << px << " " << py;
                const int32_t corner[3] = {t.i1, t.i2, t.i3};
                for (int i = 0; i < 3; ++i) {
                    const int32_t a = corner[i] - 1;
                    const int32_t b = corner[(i + 1) % 3] - 1;
                    EXPECT_GE(test::Orientation(m.x[a], m.y[a], m.x[b], m.y[b], px, py), 0);
                }
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
    const Mesh m(x, y);
    ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    // A fan: one triangle per pair of neighbours along the line, each with the apex;
    // every distinct position of the line in one of them.
    const std::set<double> onLine(x.begin(), x.end() - 1);
    std::set<double> used;
    const auto triangles = m.Triangles();
    for (const auto& t : triangles) {
        for (const int32_t k : t) {
            used.insert(m.x[k - 1]);
        }
    }
    used.erase(5000);
    EXPECT_EQ(used, onLine);
    EXPECT_EQ(triangles.size(), onLine.size() - 1);
}

}  // namespace
}  // namespace oskava

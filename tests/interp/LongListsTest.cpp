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

// The triangulation: the documented small cases, and topology, orientation and the
// empty-circumcircle property on random, survey-shaped and gridded point sets at many
// scales.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "interp/MeshFixtures.h"
#include "interp/TopologyCheck.h"

namespace oskava {
namespace {

using test::Mesh;

// Every triangle counterclockwise, lists consistent, and no node strictly inside any
// triangle's circumcircle.
void ExpectDelaunay(const Mesh& m) {
    ASSERT_EQ(m.status, MeshStatus::Built);
    ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    for (const auto& t : m.Triangles()) {
        for (int32_t d = 1; d <= m.lists.NodeCount(); ++d) {
            if (d != t[0] && d != t[1] && d != t[2] && m.lists.Inserted(d)) {
                ASSERT_FALSE(test::StrictlyInCircle(m, t[0], t[1], t[2], d))
                    << "node " << d << " in the circle of " << t[0] << " " << t[1] << " " << t[2];
            }
        }
    }
}

TEST(BuildMeshTest, TooFewNodesAndCollinearNodesBuildNothing) {
    EXPECT_EQ(Mesh({}, {}).status, MeshStatus::TooFewNodes);
    EXPECT_EQ(Mesh({1, 2}, {1, 5}).status, MeshStatus::TooFewNodes);
    EXPECT_EQ(Mesh({3, 0, 2, 1}, {3, 0, 2, 1}).status, MeshStatus::Collinear);
    EXPECT_EQ(Mesh({5, 5, 5, 5}, {2, 0, 3, 1}).status, MeshStatus::Collinear);  // vertical
    EXPECT_EQ(Mesh({1, 1, 1, 1}, {2, 2, 2, 2}).status, MeshStatus::Collinear);
    EXPECT_EQ(Mesh({1, 1, 3}, {2, 2, 0}).status, MeshStatus::Collinear);
    const Mesh collinear({1, 2, 3, 4, 5}, {0, 0, 0, 0, 0});
    for (int32_t k = 1; k <= 5; ++k) {
        EXPECT_FALSE(collinear.lists.Inserted(k));
    }
}

TEST(BuildMeshTest, SmallCases) {
    const Mesh one({0, 2, 1}, {0, 0, 3});
    ASSERT_EQ(VerifyTopology(one.x, one.y, one.lists), "");
    EXPECT_EQ(one.Triangles().size(), 1u);
    // A collinear run in scrambled order, or with repeats, before a node off the line.
    const Mesh run({2, 0, 4, 1, 3, 2}, {2, 0, 4, 1, 3, -5});
    ASSERT_EQ(VerifyTopology(run.x, run.y, run.lists), "");
    EXPECT_EQ(run.Triangles().size(), 4u);
    const Mesh repeats({0, 0, 1, 1, 2, 0, 1}, {0, 0, 1, 1, 2, 0, -3});
    ASSERT_EQ(VerifyTopology(repeats.x, repeats.y, repeats.lists), "");
    EXPECT_EQ(repeats.Triangles().size(), 2u);
    // (1, 0) lies on the edge from (0, 0) to (2, 0) of the first triangle.
    const Mesh onEdge({0, 2, 1.5, 1}, {0, 0, 2, 0});
    ExpectDelaunay(onEdge);
    EXPECT_TRUE(onEdge.OnHull(onEdge.NodeOfRecord(3)));
    EXPECT_FALSE(onEdge.Adjacent(onEdge.NodeOfRecord(0), onEdge.NodeOfRecord(1)));
}

TEST(BuildMeshTest, UnitSquareDiagonalFollowsInsertionOrder) {
    const Mesh first({0, 0, 1, 1}, {0, 1, 0, 1});
    ASSERT_EQ(VerifyTopology(first.x, first.y, first.lists), "");
    EXPECT_TRUE(first.Adjacent(first.NodeOfRecord(1), first.NodeOfRecord(2)));
    EXPECT_FALSE(first.Adjacent(first.NodeOfRecord(0), first.NodeOfRecord(3)));

    const Mesh second({0, 0, 1, 1}, {0, 1, 1, 0});
    ASSERT_EQ(VerifyTopology(second.x, second.y, second.lists), "");
    EXPECT_TRUE(second.Adjacent(second.NodeOfRecord(0), second.NodeOfRecord(2)));
    EXPECT_FALSE(second.Adjacent(second.NodeOfRecord(1), second.NodeOfRecord(3)));
}

TEST(BuildMeshTest, ListSizesMatchNodesAndHull) {
    std::vector<double> x, y;
    test::RandomPoints(200, 10, 3, x, y);
    const Mesh m(x, y);
    ASSERT_EQ(m.status, MeshStatus::Built);
    int32_t hull = 0;
    for (int32_t k = 1; k <= 200; ++k) {
        hull += m.OnHull(k) ? 1 : 0;
    }
    EXPECT_EQ(m.lists.End(200), 6 * 200 - 6 - hull);
    EXPECT_EQ(static_cast<int32_t>(m.Hull().size()), hull);
    EXPECT_EQ(m.lists.adjacency.size(), 6u * 200 - 9);
}

TEST(BuildMeshTest, RandomAndSurveyShapedPointsAtEveryScale) {
    for (const double scale : {1e-9, 1e-3, 1.0, 7.0, 1e3, 1e9}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        std::vector<double> x, y;
        test::RandomPoints(300, scale, 1, x, y);
        ExpectDelaunay(Mesh(x, y));
        test::SurveyPoints(8, 40, scale, x, y);
        ExpectDelaunay(Mesh(x, y));
    }
}

TEST(BuildMeshTest, RegularGridKeepsAValidTriangulation) {
    std::vector<double> x, y;
    for (int32_t k = 0; k < 15 * 12; ++k) {
        x.push_back(k / 12 * 0.1);
        y.push_back(k % 12 * 0.1);
    }
    ExpectDelaunay(Mesh(x, y));
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
        for (int32_t level = 1; level <= 6; ++level) {
            for (int32_t i = 0; i < 12 - level; ++i) {
                x.push_back(moved((i + 0.5 * (level + 1)) * 0.1));
                y.push_back(moved(0.5 * level * 0.1));
            }
        }
        const Mesh m(x, y);
        ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "") << "round " << round;
    }
}

}  // namespace
}  // namespace oskava

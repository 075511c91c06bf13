// The triangulation: the documented small cases, and topology, orientation and the
// empty-circumcircle property on random and survey-shaped point sets at many scales.
#include <gtest/gtest.h>

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

TEST(BuildMeshTest, ThreeNodesMakeOneTriangle) {
    const Mesh m({0, 2, 1}, {0, 0, 3});
    ASSERT_EQ(m.status, MeshStatus::Built);
    EXPECT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    EXPECT_EQ(m.Triangles().size(), 1u);
    for (int32_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(m.lists.End(k) - m.lists.End(k - 1), 3);
        EXPECT_EQ(m.lists.At(m.lists.End(k)), 0);
    }
}

TEST(BuildMeshTest, TooFewNodesAndCollinearNodesBuildNothing) {
    EXPECT_EQ(Mesh({}, {}).status, MeshStatus::TooFewNodes);
    EXPECT_EQ(Mesh({1}, {1}).status, MeshStatus::TooFewNodes);
    EXPECT_EQ(Mesh({1, 2}, {1, 5}).status, MeshStatus::TooFewNodes);
    EXPECT_EQ(Mesh({0, 1, 2, 3}, {0, 1, 2, 3}).status, MeshStatus::Collinear);
    EXPECT_EQ(Mesh({3, 0, 2, 1}, {3, 0, 2, 1}).status, MeshStatus::Collinear);
    EXPECT_EQ(Mesh({5, 5, 5, 5}, {2, 0, 3, 1}).status, MeshStatus::Collinear);  // vertical
    EXPECT_EQ(Mesh({0, 1, 2}, {7, 7, 7}).status, MeshStatus::Collinear);
    const Mesh collinear({1, 2, 3, 4, 5}, {0, 0, 0, 0, 0});
    for (int32_t k = 1; k <= 5; ++k) {
        EXPECT_FALSE(collinear.lists.Inserted(k));
    }
}

TEST(BuildMeshTest, CollinearRunThenOneNodeOffTheLine) {
    // The run along the line comes in scrambled order; the last node is off it.
    const Mesh m({2, 0, 4, 1, 3, 2}, {2, 0, 4, 1, 3, -5});
    ASSERT_EQ(m.status, MeshStatus::Built);
    EXPECT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    EXPECT_EQ(m.Triangles().size(), 4u);
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

TEST(BuildMeshTest, NodeOnAHullEdgeJoinsTheHull) {
    // (1, 0) lies on the edge from (0, 0) to (2, 0) of the first triangle.
    const Mesh m({0, 2, 1.5, 1}, {0, 0, 2, 0});
    ExpectDelaunay(m);
    const int32_t onEdge = m.NodeOfRecord(3);
    EXPECT_TRUE(m.OnHull(onEdge));
    EXPECT_FALSE(m.Adjacent(m.NodeOfRecord(0), m.NodeOfRecord(1)));
    EXPECT_EQ(m.Hull().size(), 4u);
}

TEST(BuildMeshTest, RandomPointsAtEveryScale) {
    for (const double scale : {1e-9, 1e-3, 1.0, 1e3, 1e9}) {
        for (const uint32_t seed : {1u, 2u}) {
            std::vector<double> x, y;
            test::RandomPoints(300, scale, seed, x, y);
            SCOPED_TRACE("scale " + std::to_string(scale));
            ExpectDelaunay(Mesh(x, y));
        }
    }
}

TEST(BuildMeshTest, SurveyShapedPointsAtEveryScale) {
    for (const double scale : {1e-9, 1e-3, 1.0, 7.0, 1e3, 1e9}) {
        std::vector<double> x, y;
        test::SurveyPoints(8, 40, scale, x, y);
        SCOPED_TRACE("scale " + std::to_string(scale));
        ExpectDelaunay(Mesh(x, y));
    }
}

TEST(BuildMeshTest, RegularGridKeepsAValidTriangulation) {
    std::vector<double> x, y;
    for (int32_t i = 0; i < 15; ++i) {
        for (int32_t j = 0; j < 12; ++j) {
            x.push_back(i * 0.1);
            y.push_back(j * 0.1);
        }
    }
    ExpectDelaunay(Mesh(x, y));
}

}  // namespace
}  // namespace oskava

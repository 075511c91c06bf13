// Point location against a brute-force search over every triangle and hull edge.
#include <gtest/gtest.h>

#include <algorithm>

#include "interp/MeshFixtures.h"

namespace oskava {
namespace {

using test::Mesh;

class BruteForce {
  public:
    explicit BruteForce(const Mesh& m) : m_(m), hull_(m.Hull()) {}

    long double Side(int32_t a, int32_t b, double px, double py) const {
        return test::Orientation(m_.x[a - 1], m_.y[a - 1], m_.x[b - 1], m_.y[b - 1], px, py);
    }
    int32_t Next(size_t i) const { return hull_[(i + 1) % hull_.size()]; }

    // Positions in the hull of the edges that (px, py) lies on (two at a hull node).
    std::vector<size_t> HullEdgesUnder(double px, double py) const {
        std::vector<size_t> edges;
        for (size_t i = 0; i < hull_.size(); ++i) {
            const int32_t a = hull_[i], b = Next(i);
            if (Side(a, b, px, py) == 0 && std::min(m_.x[a - 1], m_.x[b - 1]) <= px &&
                px <= std::max(m_.x[a - 1], m_.x[b - 1]) &&
                std::min(m_.y[a - 1], m_.y[b - 1]) <= py &&
                py <= std::max(m_.y[a - 1], m_.y[b - 1])) {
                edges.push_back(i);
            }
        }
        return edges;
    }
    bool InsideHull(double px, double py) const {
        for (size_t i = 0; i < hull_.size(); ++i) {
            if (Side(hull_[i], Next(i), px, py) < 0) {
                return false;
            }
        }
        return true;
    }

    void Check(const Location& found, double px, double py) const {
        const std::vector<size_t> edges = HullEdgesUnder(px, py);
        if (edges.empty() && InsideHull(px, py)) {
            ASSERT_NE(found.i3, 0) << px << " " << py;
            const auto triangles = m_.Triangles();
            std::array<int32_t, 3> t{found.i1, found.i2, found.i3};
            std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
            ASSERT_NE(std::find(triangles.begin(), triangles.end(), t), triangles.end());
            EXPECT_GE(Side(found.i1, found.i2, px, py), 0);
            EXPECT_GE(Side(found.i2, found.i3, px, py), 0);
            EXPECT_GE(Side(found.i3, found.i1, px, py), 0);
            return;
        }
        ASSERT_EQ(found.i3, 0) << px << " " << py;
        ASSERT_TRUE(m_.OnHull(found.i1) && m_.OnHull(found.i2));
        if (!edges.empty()) {
            EXPECT_TRUE(
                std::any_of(edges.begin(), edges.end(),
                            [&](size_t i) { return found.i2 == hull_[i] && found.i1 == Next(i); }))
                << px << " " << py << " gave " << found.i1 << " " << found.i2;
            return;
        }
        // The edges from i2 round to i1 are exactly the ones the point sees.
        const size_t from = std::find(hull_.begin(), hull_.end(), found.i2) - hull_.begin();
        bool seen = true;
        for (size_t step = 0; step < hull_.size(); ++step) {
            const size_t i = (from + step) % hull_.size();
            if (hull_[i] == found.i1) {
                seen = false;
            }
            EXPECT_EQ(Side(hull_[i], Next(i), px, py) < 0, seen) << "edge from " << hull_[i];
        }
    }

  private:
    const Mesh& m_;
    std::vector<int32_t> hull_;
};

void CheckQueries(const Mesh& m, const std::vector<std::pair<double, double>>& points) {
    ASSERT_EQ(m.status, MeshStatus::Built);
    const BruteForce brute(m);
    int32_t start = 1;
    for (const auto& [px, py] : points) {
        const Location found = LocatePoint(start, px, py, m.x, m.y, m.lists);
        brute.Check(found, px, py);
        start = found.i1;
    }
}

TEST(LocatePointTest, AgreesWithBruteForceOnRandomPoints) {
    std::vector<double> x, y;
    test::RandomPoints(150, 100, 5, x, y);
    const Mesh m(x, y);
    std::vector<double> qx, qy;
    test::RandomPoints(400, 140, 6, qx, qy);
    std::vector<std::pair<double, double>> queries;
    for (size_t i = 0; i < qx.size(); ++i) {
        queries.emplace_back(qx[i], qy[i]);
    }
    CheckQueries(m, queries);
}

TEST(LocatePointTest, AgreesWithBruteForceOnGridNodesEdgesAndOutside) {
    // Integer coordinates: every point on a hull edge below is exactly on it.
    std::vector<double> x, y;
    test::SurveyPoints(5, 14, 2.0, x, y);
    const Mesh m(x, y);
    std::vector<std::pair<double, double>> queries;
    for (int32_t i = -4; i <= 32; ++i) {
        for (int32_t j = -3; j <= 8; ++j) {
            queries.emplace_back(i * 1.0, j * 1.0);
            queries.emplace_back(i * 1.0 + 0.5, j * 1.0 + 0.25);
        }
    }
    CheckQueries(m, queries);
}

TEST(LocatePointTest, StartNodeIsClampedAndAnyNodeWorks) {
    const Mesh m({0, 4, 2, 2}, {0, 0, 3, 1});
    const BruteForce brute(m);
    for (const int32_t start : {-5, 0, 1, 2, 3, 4, 9}) {
        brute.Check(LocatePoint(start, 2, 0.5, m.x, m.y, m.lists), 2, 0.5);
        brute.Check(LocatePoint(start, -1, 7, m.x, m.y, m.lists), -1, 7);
    }
}

TEST(LocatePointTest, NoAnswerWithoutTriangulationOrForNonFinitePoints) {
    for (const Mesh& unusable : {Mesh({}, {}), Mesh({0, 1, 2}, {0, 1, 2})}) {
        const Location none = LocatePoint(1, 0.5, 0, unusable.x, unusable.y, unusable.lists);
        EXPECT_EQ(none.i1 + none.i2 + none.i3, 0);
    }
    const Mesh m({0, 4, 2}, {0, 0, 3});
    const Location nan = LocatePoint(1, std::nan(""), 1, m.x, m.y, m.lists);
    EXPECT_EQ(nan.i1 + nan.i2 + nan.i3, 0);
}

}  // namespace
}  // namespace oskava

// Point sets, independent geometric checks and brute-force answers for the tests of
// the triangulation and the interpolation.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "interp/NodeOrder.h"
#include "interp/TopologyCheck.h"
#include "interp/Triangulation.h"

namespace oskava::test {

/// Points given in record order, put in node order and triangulated.
struct Mesh {
    std::vector<double> x, y;
    std::vector<int32_t> order;
    NeighbourLists lists;
    MeshStatus status = MeshStatus::TooFewNodes;

    Mesh(std::vector<double> xs, std::vector<double> ys) : x(std::move(xs)), y(std::move(ys)) {
        std::vector<double> unused(x.size());
        ReorderNodes(2, x, y, unused, order);
        status = BuildMesh(x, y, lists);
    }
    /// Node number (1-based) of the point given as record r (0-based).
    int32_t NodeOfRecord(int32_t r) const {
        return static_cast<int32_t>(std::find(order.begin(), order.end(), r + 1) - order.begin()) +
               1;
    }
    /// Whether a and b are corners of one triangle.
    bool Adjacent(int32_t a, int32_t b) const {
        const auto all = Triangles();
        return std::any_of(all.begin(), all.end(), [&](const std::array<int32_t, 3>& t) {
            return std::count(t.begin(), t.end(), a) + std::count(t.begin(), t.end(), b) == 2;
        });
    }
    bool OnHull(int32_t k) const { return lists.Inserted(k) && lists.At(lists.End(k)) == 0; }
    std::vector<std::array<int32_t, 3>> Triangles() const { return MeshTriangles(lists); }
    /// The next hull node counterclockwise after hull node k.
    int32_t NextOnHull(int32_t k) const { return lists.At(lists.Begin(k)); }
    size_t HullSize() const {
        size_t size = 0;
        for (int32_t k = 1; k <= lists.NodeCount(); ++k) {
            size += OnHull(k) ? 1 : 0;
        }
        return size;
    }
};

/// Orientation of (a, b, p) in long double: > 0 when p is left of a->b.
inline long double Orientation(double ax, double ay, double bx, double by, double px, double py) {
    return (static_cast<long double>(bx) - ax) * (static_cast<long double>(py) - ay) -
           (static_cast<long double>(px) - ax) * (static_cast<long double>(by) - ay);
}

/// Whether d lies strictly inside the circle through the counterclockwise a, b, c,
/// beyond the rounding of the long double determinant.
inline bool StrictlyInCircle(const Mesh& m, int32_t a, int32_t b, int32_t c, int32_t d) {
    const int32_t k[3] = {a, b, c};
    long double r[3][3];
    for (int i = 0; i < 3; ++i) {
        r[i][0] = static_cast<long double>(m.x[k[i] - 1]) - m.x[d - 1];
        r[i][1] = static_cast<long double>(m.y[k[i] - 1]) - m.y[d - 1];
        r[i][2] = r[i][0] * r[i][0] + r[i][1] * r[i][1];
    }
    long double det = 0, permanent = 0;
    for (int i = 0; i < 3; ++i) {  // along the first row, minors by cyclic indices
        const long double p = r[1][(i + 1) % 3] * r[2][(i + 2) % 3];
        const long double q = r[1][(i + 2) % 3] * r[2][(i + 1) % 3];
        det += r[0][i] * (p - q);
        permanent += std::fabs(r[0][i]) * (std::fabs(p) + std::fabs(q));
    }
    return det > 1e-9L * permanent;
}

/// Built, lists consistent, every triangle counterclockwise, and no inserted node (of
/// every stride-th) strictly inside any triangle's circumcircle.
inline void ExpectDelaunay(const Mesh& m, int32_t stride = 1) {
    ASSERT_EQ(m.status, MeshStatus::Built);
    ASSERT_EQ(VerifyTopology(m.x, m.y, m.lists), "");
    for (const auto& t : m.Triangles()) {
        for (int32_t d = 1; d <= m.lists.NodeCount(); d += stride) {
            if (d != t[0] && d != t[1] && d != t[2] && m.lists.Inserted(d)) {
                ASSERT_FALSE(StrictlyInCircle(m, t[0], t[1], t[2], d))
                    << "node " << d << " in the circle of " << t[0] << " " << t[1] << " " << t[2];
            }
        }
    }
}

/// Checks a location: inside the hull, a triangle of the mesh that holds the point;
/// elsewhere two hull nodes with the edge from i2 to i1 holding or seeing the point.
inline void CheckLocation(const Mesh& m, const Location& found, double px, double py) {
    const auto side = [&](int32_t a, int32_t b) {
        return Orientation(m.x[a - 1], m.y[a - 1], m.x[b - 1], m.y[b - 1], px, py);
    };
    bool inside = true;  // strictly
    for (int32_t k = 1; k <= m.lists.NodeCount(); ++k) {
        inside = inside && (!m.OnHull(k) || side(k, m.NextOnHull(k)) > 0);
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

/// Random points in a square of the given size around the origin.
inline void RandomPoints(int32_t n, double size, uint32_t seed, std::vector<double>& x,
                         std::vector<double>& y) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-size / 2, size / 2);
    x.resize(n);
    y.resize(n);
    for (int32_t i = 0; i < n; ++i) {
        x[i] = coordinate(random);
        y[i] = coordinate(random);
    }
}

/// Pseudo-locations shaped like a survey: levels of equal depth, points on each
/// level at a regular spacing offset by half a spacing from level to level, so that
/// many points share an x, scaled by the given factor.
inline void SurveyPoints(int32_t levels, int32_t perLevel, double scale, std::vector<double>& x,
                         std::vector<double>& y) {
    x.clear();
    y.clear();
    for (int32_t level = 1; level <= levels; ++level) {
        for (int32_t i = 0; i < perLevel - level; ++i) {
            x.push_back((i + 0.5 * (level + 1)) * scale);
            y.push_back(0.5 * level * scale);
        }
    }
}

}  // namespace oskava::test

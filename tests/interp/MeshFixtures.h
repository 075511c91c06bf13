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
    bool Adjacent(int32_t a, int32_t b) const {
        for (int32_t p = lists.Begin(a); p <= lists.End(a); ++p) {
            if (lists.At(p) == b) {
                return true;
            }
        }
        return false;
    }
    bool OnHull(int32_t k) const { return lists.Inserted(k) && lists.At(lists.End(k)) == 0; }
    std::vector<std::array<int32_t, 3>> Triangles() const { return MeshTriangles(lists); }
    /// The hull's nodes, counterclockwise, starting at the first hull node.
    std::vector<int32_t> Hull() const {
        std::vector<int32_t> hull;
        int32_t start = 0;
        for (int32_t k = 1; k <= lists.NodeCount() && start == 0; ++k) {
            start = OnHull(k) ? k : 0;
        }
        for (int32_t k = start; k != 0 && hull.size() <= order.size();) {
            hull.push_back(k);
            k = lists.At(lists.Begin(k));
            if (k == start) {
                break;
            }
        }
        return hull;
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
    auto row = [&](int32_t k, long double& dx, long double& dy, long double& l) {
        dx = static_cast<long double>(m.x[k - 1]) - m.x[d - 1];
        dy = static_cast<long double>(m.y[k - 1]) - m.y[d - 1];
        l = dx * dx + dy * dy;
    };
    long double ax, ay, al, bx, by, bl, cx, cy, cl;
    row(a, ax, ay, al);
    row(b, bx, by, bl);
    row(c, cx, cy, cl);
    const long double det =
        ax * (by * cl - bl * cy) - ay * (bx * cl - bl * cx) + al * (bx * cy - by * cx);
    const long double permanent = std::fabs(ax) * (std::fabs(by * cl) + std::fabs(bl * cy)) +
                                  std::fabs(ay) * (std::fabs(bx * cl) + std::fabs(bl * cx)) +
                                  std::fabs(al) * (std::fabs(bx * cy) + std::fabs(by * cx));
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

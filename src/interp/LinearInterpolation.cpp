// Linear interpolation inside the triangle that holds the point.
#include "interp/LinearInterpolation.h"

#include <cmath>
#include <cstddef>

#include "interp/Orientation.h"
#include "interp/Walk.h"

namespace oskava {

namespace {

// The value at (px, py) found at the location; startNode follows the location.
Interpolation ValueAt(const Location& found, double px, double py, const std::vector<double>& x,
                      const std::vector<double>& y, const std::vector<double>& z,
                      int32_t& startNode) {
    if (found.i1 == 0) {
        return {0, kDegenerate};
    }
    startNode = found.i1;
    if (found.i3 == 0) {
        return {0, kOutsideHull};
    }
    const int32_t i1 = found.i1 - 1, i2 = found.i2 - 1, i3 = found.i3 - 1;
    const BarycentricWeights b =
        BarycentricCoords(px, py, x[i1], y[i1], x[i2], y[i2], x[i3], y[i3]);
    if (b.failed) {
        return {0, kDegenerate};
    }
    return {(b.b2 * z[i2] + b.b1 * z[i1]) + b.b3 * z[i3], kInsideTriangle};
}

}  // namespace

Interpolation InterpolateLinear(double px, double py, const std::vector<double>& x,
                                const std::vector<double>& y, const std::vector<double>& z,
                                const NeighbourLists& lists, int32_t& startNode) {
    const int32_t n = lists.NodeCount();
    if (n < 3 || startNode < 1 || startNode > n || z.size() < static_cast<size_t>(n)) {
        return {0, kNoMesh};
    }
    return ValueAt(LocatePoint(startNode, px, py, x, y, lists), px, py, x, y, z, startNode);
}

Interpolation InterpolateLinearNear(double px, double py, const std::vector<double>& x,
                                    const std::vector<double>& y, const std::vector<double>& z,
                                    const NeighbourLists& lists, const HullRuns* runs,
                                    int32_t& startNode, int32_t& nearby) {
    const int32_t n = lists.NodeCount();
    if (n < 3 || startNode < 1 || startNode > n || z.size() < static_cast<size_t>(n)) {
        return {0, kNoMesh};
    }
    Location found;
    const bool usable = x.size() >= static_cast<size_t>(n) && y.size() >= static_cast<size_t>(n) &&
                        std::isfinite(px) && std::isfinite(py);
    const int32_t start = WalkStart(startNode, lists);
    if (usable && nearby >= 1 && nearby <= n && nearby != start && lists.Inserted(nearby)) {
        const Location near = Walk<NeighbourLists>(px, py, x, y, lists, runs).From(nearby);
        if (near.i1 != 0 && near.i3 == 0) {
            // Strictly outside, beyond the hull edge from i2 to the next hull node, the
            // answer is the hull's geometry; on the hull (at a node, on an edge) the
            // walk from startNode decides.
            const int32_t a = near.i2;
            const int32_t b = lists.At(lists.Begin(a));
            if (b != 0 && Orientation(x[a - 1], y[a - 1], x[b - 1], y[b - 1], px, py) < 0) {
                found = near;
            }
        } else if (near.i3 != 0) {
            NameAsWalkFrom(start, px, py, x, y, near, found);
        }
    }
    if (found.i1 == 0) {
        found = LocatePoint(startNode, px, py, x, y, lists, runs);
    }
    if (found.i3 != 0) {
        nearby = found.i1;
    }
    return ValueAt(found, px, py, x, y, z, startNode);
}

BarycentricWeights BarycentricCoords(double px, double py, double x1, double y1, double x2,
                                     double y2, double x3, double y3) {
    const double a = (y1 - y3) * (x3 - x2) - (y3 - y2) * (x1 - x3);
    if (a == 0) {
        return {0, 0, 0, true};
    }
    return {((py - y2) * (x3 - x2) - (px - x2) * (y3 - y2)) / a,
            ((py - y1) * (x1 - x3) - (px - x1) * (y1 - y3)) / a,
            ((py - y1) * (x2 - x1) - (px - x1) * (y2 - y1)) / a, false};
}

}  // namespace oskava

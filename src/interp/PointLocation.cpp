// Point location on the packed lists: the walk of Walk.h from a usable start node.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "interp/Orientation.h"
#include "interp/Triangulation.h"
#include "interp/Walk.h"

namespace oskava {

namespace {

// The inserted node nearest to start in node number, or 0 when there is none.
int32_t InsertedNodeNear(int32_t start, const NeighbourLists& lists) {
    const int32_t n = lists.NodeCount();
    for (int32_t k = start; k <= n; ++k) {
        if (lists.Inserted(k)) {
            return k;
        }
    }
    for (int32_t k = start - 1; k >= 1; --k) {
        if (lists.Inserted(k)) {
            return k;
        }
    }
    return 0;
}

}  // namespace

HullRuns::HullRuns(const std::vector<double>& x, const std::vector<double>& y,
                   const NeighbourLists& lists) {
    const int32_t n = lists.NodeCount();
    if (x.size() < static_cast<size_t>(n) || y.size() < static_cast<size_t>(n)) {
        return;
    }
    // The hull counterclockwise: a hull node's list starts with the next hull node.
    std::vector<int32_t> hull;
    for (int32_t k = 1; k <= n && hull.empty(); ++k) {
        if (lists.Inserted(k) && lists.At(lists.End(k)) == 0) {
            for (int32_t node = k; hull.size() <= static_cast<size_t>(n);) {
                hull.push_back(node);
                node = lists.At(lists.Begin(node));
                if (node == k) {
                    break;
                }
            }
        }
    }
    const size_t h = hull.size();
    if (h < 3 || h > static_cast<size_t>(n)) {
        return;
    }
    const auto at = [&](size_t i) { return hull[i % h]; };
    // straight[i]: the edges i -> i+1 and i+1 -> i+2 lie on one line, pointing the same
    // way (compared exactly, coordinate by coordinate).
    const auto sameWay = [](double a, double b, double c) {
        return (b > a) == (c > b) && (b < a) == (c < b);
    };
    std::vector<char> straight(h);
    size_t bends = 0;
    for (size_t i = 0; i < h; ++i) {
        const int32_t a = at(i) - 1, b = at(i + 1) - 1, c = at(i + 2) - 1;
        straight[i] = Orientation(x[a], y[a], x[b], y[b], x[c], y[c]) == 0 &&
                      sameWay(x[a], x[b], x[c]) && sameWay(y[a], y[b], y[c]);
        bends += straight[i] ? 0 : 1;
    }
    if (bends == 0) {
        return;
    }
    std::vector<int32_t> forward(h), backward(h);
    // Counterclockwise from the node after a bend, clockwise from the node before one,
    // so that each run is followed to its end once.
    size_t bend = 0;
    while (straight[bend]) {
        ++bend;
    }
    for (size_t step = 0; step < h; ++step) {
        const size_t i = (bend + h - step) % h;  // the edge i -> i+1, from the back
        forward[i] = straight[i] ? forward[(i + 1) % h] : at(i + 1);
    }
    for (size_t step = 0; step < h; ++step) {
        const size_t i = (bend + 1 + step) % h;  // node i + 1, edge i -> i+1, from the front
        backward[(i + 1) % h] = straight[(i + h - 1) % h] ? backward[i] : at(i);
    }
    std::vector<size_t> byNode(h);
    std::iota(byNode.begin(), byNode.end(), size_t{0});
    std::sort(byNode.begin(), byNode.end(), [&](size_t a, size_t b) { return hull[a] < hull[b]; });
    for (const size_t i : byNode) {
        nodes_.push_back(hull[i]);
        forward_.push_back(forward[i]);
        backward_.push_back(backward[i]);
    }
}

int32_t HullRuns::Find(int32_t node, const std::vector<int32_t>& ends) const {
    const auto found = std::lower_bound(nodes_.begin(), nodes_.end(), node);
    return found != nodes_.end() && *found == node
               ? ends[static_cast<size_t>(found - nodes_.begin())]
               : node;
}

bool NameAsWalkFrom(int32_t start, double px, double py, const std::vector<double>& x,
                    const std::vector<double>& y, const Location& t, Location& named) {
    const int32_t vertex[3] = {t.i1, t.i2, t.i3};
    const auto orientation = [&](int32_t a, int32_t b) {
        return Orientation(x[a - 1], y[a - 1], x[b - 1], y[b - 1], px, py);
    };
    int side[3];
    for (int i = 0; i < 3; ++i) {
        if (orientation(vertex[i], vertex[(i + 1) % 3]) <= 0) {
            return false;
        }
        // The side of vertex i of the ray from start through the point.
        side[i] = vertex[i] == start ? 0
                                     : Orientation(x[start - 1], y[start - 1], px, py,
                                                   x[vertex[i] - 1], y[vertex[i] - 1]);
        if (side[i] == 0 && vertex[i] != start) {
            return false;
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (side[i] < 0 && side[(i + 1) % 3] > 0) {
            named = {vertex[i], vertex[(i + 1) % 3], vertex[(i + 2) % 3]};
            return true;
        }
    }
    return false;
}

int32_t WalkStart(int32_t start, const NeighbourLists& lists) {
    const int32_t n = lists.NodeCount();
    if (n == 0) {
        return 0;
    }
    start = start < 1 ? 1 : (start > n ? n : start);
    return lists.Inserted(start) ? start : InsertedNodeNear(start, lists);
}

Location LocatePoint(int32_t start, double px, double py, const std::vector<double>& x,
                     const std::vector<double>& y, const NeighbourLists& lists,
                     const HullRuns* runs) {
    const int32_t n = lists.NodeCount();
    if (n == 0 || x.size() < static_cast<size_t>(n) || y.size() < static_cast<size_t>(n) ||
        !std::isfinite(px) || !std::isfinite(py)) {
        return {};
    }
    start = WalkStart(start, lists);
    if (start == 0) {
        return {};
    }
    return Walk<NeighbourLists>(px, py, x, y, lists, runs).From(start);
}

}  // namespace oskava

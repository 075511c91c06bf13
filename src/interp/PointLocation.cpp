// Point location on the packed lists: the walk of Walk.h from a usable start node.
#include <cmath>

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

Location LocatePoint(int32_t start, double px, double py, const std::vector<double>& x,
                     const std::vector<double>& y, const NeighbourLists& lists) {
    const int32_t n = lists.NodeCount();
    if (n == 0 || x.size() < static_cast<size_t>(n) || y.size() < static_cast<size_t>(n) ||
        !std::isfinite(px) || !std::isfinite(py)) {
        return {};
    }
    start = start < 1 ? 1 : (start > n ? n : start);
    if (!lists.Inserted(start)) {
        start = InsertedNodeNear(start, lists);
        if (start == 0) {
            return {};
        }
    }
    return Walk<NeighbourLists>(px, py, x, y, lists).From(start);
}

}  // namespace oskava

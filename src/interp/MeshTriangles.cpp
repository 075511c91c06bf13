// Listing the triangles that the packed neighbour lists describe.
#include "interp/Triangulation.h"

namespace oskava {

std::vector<std::array<int32_t, 3>> MeshTriangles(const NeighbourLists& lists) {
    std::vector<std::array<int32_t, 3>> triangles;
    for (int32_t k = 1; k <= lists.NodeCount(); ++k) {
        const int32_t first = lists.Begin(k);
        const int32_t last = lists.End(k);
        if (last < first) {
            continue;
        }
        // Consecutive neighbours b, c of k make the triangle (k, b, c); a hull node's
        // list does not wrap round from its last neighbour to its first.
        const bool onHull = lists.At(last) == 0;
        const int32_t lastNeighbour = onHull ? last - 1 : last;
        for (int32_t p = first; p <= lastNeighbour; ++p) {
            const int32_t b = lists.At(p);
            const int32_t c = p < lastNeighbour ? lists.At(p + 1) : (onHull ? 0 : lists.At(first));
            if (c != 0 && b > k && c > k) {
                triangles.push_back({k, b, c});
            }
        }
    }
    return triangles;
}

}  // namespace oskava

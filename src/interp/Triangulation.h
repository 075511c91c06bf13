// The Delaunay triangulation of the data's pseudo-locations: its packed neighbour
// lists, the build by insertion of one node at a time with diagonal swaps, and point
// location.
//
// Orientation: a triangle (a, b, c) is counterclockwise when
//   (xb - xa)(yc - ya) - (xc - xa)(yb - ya) > 0,
// that is counterclockwise with y taken as an ordinary upward axis, although the
// program's y is a depth that grows downward. "P is left of a->b" means that
// expression for (a, b, P) is >= 0: left of the directed line or on it. Its sign is
// always the exact one (Orientation.h); the Delaunay swap test is plain double
// arithmetic without tolerance.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace oskava {

// Node numbers are 1-based (node k is x[k-1], y[k-1]); 0 is never a node and marks the
// end of a hull node's list. Positions in the adjacency array are 1-based as well.
//
//   adjacency:  | list of node 1      | list of node 2  | ... | list of node n |  free  |
//               1           listEnd(1)                          listEnd(n)   capacity
//
//   list of node k = adjacency[listEnd(k-1)+1 .. listEnd(k)], listEnd(0) = 0
//
// Invariants kept by every operation (VerifyTopology checks them):
//  - listEnd never decreases; listEnd(n) <= adjacency.size() = max(6N - 9, 0).
//  - A node's list holds every node joined to it by an arc, once, in counterclockwise
//    order around it. b is in a's list exactly when a is in b's list.
//  - Interior node: the list is cyclic (its first entry follows its last).
//  - Hull node: next hull node counterclockwise, ..., previous hull node, 0. The 0
//    appears nowhere else.
//  - Consecutive entries b, c of a's list (cyclically for an interior node) make the
//    counterclockwise triangle (a, b, c).
//  - A node that was not inserted (non-finite, or at the position of an earlier
//    node) has an empty list and appears in no list.
//  - Over the n inserted nodes, of which B lie on the hull (B >= 3):
//    listEnd(N) = 6n - 6 - B <= 6N - 9.
struct NeighbourLists {
    std::vector<int32_t> adjacency;  // packed lists, node numbers; capacity 6N - 9
    std::vector<int32_t> listEnd;    // listEnd[k-1]: 1-based position of node k's last entry

    int32_t NodeCount() const { return static_cast<int32_t>(listEnd.size()); }
    /// Position of node k's last entry; 0 for k = 0.
    int32_t End(int32_t k) const { return k == 0 ? 0 : listEnd[k - 1]; }
    /// Position of node k's first entry (one past End(k) when the list is empty).
    int32_t Begin(int32_t k) const { return End(k - 1) + 1; }
    /// The entry at a 1-based position.
    int32_t At(int32_t position) const { return adjacency[position - 1]; }
    /// Whether node k has arcs, that is whether it was inserted.
    bool Inserted(int32_t k) const { return End(k) > End(k - 1); }
    /// Position of value in node k's list, searched from its end; 0 when it is not there.
    int32_t Find(int32_t k, int32_t value) const {
        for (int32_t position = End(k); position >= Begin(k); --position) {
            if (At(position) == value) {
                return position;
            }
        }
        return 0;
    }
};

/// BuildMesh's result.
enum class MeshStatus : int32_t {
    Built = 0,        // triangulation of every usable node
    TooFewNodes = 1,  // fewer than 3 nodes: nothing built
    Collinear = 2,    // all usable nodes on one straight line: nothing built
};

/// Triangulates nodes 1..N (N = x.size() = y.size()), which should be sorted by x
/// (ReorderNodes). Sizes lists: listEnd to N, adjacency to max(6N - 9, 0). Nodes with
/// non-finite coordinates or at the exact position of an earlier node are left out
/// (empty lists). With status other than Built every list is empty; x and y of
/// different lengths, or N above 357913941 (positions must fit 32 bits), give
/// TooFewNodes with nothing built.
MeshStatus BuildMesh(const std::vector<double>& x, const std::vector<double>& y,
                     NeighbourLists& lists);

/// Where a point lies relative to the triangulation; 1-based node numbers.
/// (i1, i2, i3) all non-zero: inside that counterclockwise triangle, not on a hull
/// edge. i3 = 0: outside the hull or exactly on a hull edge; i1 and i2 are the extreme
/// hull nodes the point sees (counterclockwise around the hull from i2 one reaches i1
/// over edges it sees; on a hull edge, that edge's ends). All 0: no answer (all nodes
/// collinear or nothing built, a non-finite point, or a walk given up on degenerate
/// arithmetic).
struct Location {
    int32_t i1 = 0;
    int32_t i2 = 0;
    int32_t i3 = 0;
};

/// Every triangle once, as counterclockwise node numbers starting with the smallest,
/// ordered by that node and then as its list meets them.
std::vector<std::array<int32_t, 3>> MeshTriangles(const NeighbourLists& lists);

class HullRuns;

/// Locates (px, py) by walking from the start node (below 1 taken as 1, above N as N;
/// a node without arcs is replaced by the nearest node that has them). runs, the hull
/// runs of the lists (Walk.h) when given, shorten walks along the hull.
Location LocatePoint(int32_t start, double px, double py, const std::vector<double>& x,
                     const std::vector<double>& y, const NeighbourLists& lists,
                     const HullRuns* runs = nullptr);

/// The start node LocatePoint walks from, given start; 0 when there is none.
int32_t WalkStart(int32_t start, const NeighbourLists& lists);

}  // namespace oskava

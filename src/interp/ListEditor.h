// The changes that the triangulation's build makes to the neighbour lists: inserting
// a node into a triangle or outside the hull, and swapping a diagonal. Each checks
// that the lists agree with it before changing anything and returns false, with the
// lists untouched, when they do not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "interp/GappedLists.h"

namespace oskava {

class ListEditor {
  public:
    explicit ListEditor(GappedLists& lists)
        : lists_(lists), neighbourOf_(static_cast<size_t>(lists.NodeCount()) + 1, 0) {}

    /// Position (1-based) of neighbour in node's list; 0 when it is not there.
    int32_t FindNeighbourPosition(int32_t node, int32_t neighbour) const;

    // The node k being inserted is the highest node with a list, and its list (empty
    // before the insertion) is the one started last.

    /// Node k inside the counterclockwise triangle (i1, i2, i3): k's list becomes
    /// (i1, i2, i3), and k goes after i2 in i1's list, after i3 in i2's, after i1 in i3's.
    bool InsertInterior(int32_t k, int32_t i1, int32_t i2, int32_t i3);
    /// Node k outside the hull, seeing the hull chain from i2 counterclockwise to i1.
    bool InsertExterior(int32_t k, int32_t i1, int32_t i2);
    /// Replaces the arc io1-io2 by in1-k, where (in1, io1, io2) and (k, io2, io1) are
    /// the counterclockwise triangles on either side of it; io1InIo2 and io1InK are the
    /// positions of io1 in io2's and k's lists.
    bool SwapDiagonal(int32_t in1, int32_t k, int32_t io1, int32_t io2, int32_t io1InIo2,
                      int32_t io1InK);

  private:
    bool OnHull(int32_t node) const {
        return lists_.Inserted(node) && lists_.At(lists_.End(node)) == 0;
    }
    // Offset in node's list of a position in it.
    int32_t OffsetOf(int32_t node, int32_t position) const { return position - lists_.Begin(node); }
    // Adds entry to the list of k, the node being inserted.
    void AppendToNewest(int32_t k, int32_t entry) {
        lists_.Append(entry);
        neighbourOf_[static_cast<size_t>(entry)] = k;
    }

    GappedLists& lists_;
    // neighbourOf_[node] == k exactly when node is in the list of k, the node being
    // inserted: that list only grows while k is inserted, and a node beside a column of
    // data has hundreds of entries, too many to search for each of its swaps.
    std::vector<int32_t> neighbourOf_;
    std::vector<int32_t> chain_;  // InsertExterior's hull nodes between i1 and i2
};

}  // namespace oskava

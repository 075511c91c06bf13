// The changes that the triangulation's build makes to the packed neighbour lists:
// inserting a node into a triangle or outside the hull, and swapping a diagonal. Each
// checks that the lists agree with it before changing anything and returns false,
// with the lists untouched, when they do not.
#pragma once

#include <cstdint>

#include "interp/Triangulation.h"

namespace oskava {

class ListEditor {
  public:
    explicit ListEditor(NeighbourLists& lists) : lists_(lists) {}

    /// Position (1-based) of neighbour in node's list, searched backwards from the
    /// list's last entry; 0 when it is not there.
    int32_t FindNeighbourPosition(int32_t node, int32_t neighbour) const;

    // The node k being inserted is the highest node with a list, and its list (empty
    // before the insertion) is the last one in the array.

    /// Node k inside the counterclockwise triangle (i1, i2, i3): k's list becomes
    /// (i1, i2, i3), and k goes after i2 in i1's list, after i3 in i2's, after i1 in i3's.
    bool InsertInterior(int32_t k, int32_t i1, int32_t i2, int32_t i3);
    /// Node k outside the hull, seeing the hull chain from i2 counterclockwise to i1.
    bool InsertExterior(int32_t k, int32_t i1, int32_t i2);
    /// Replaces the arc io1-io2 by in1-k, where (in1, io1, io2) and (k, io2, io1) are
    /// the counterclockwise triangles on either side of it.
    bool SwapDiagonal(int32_t in1, int32_t k, int32_t io1, int32_t io2);

  private:
    struct Edit {
        int32_t node = 0;
        int32_t position = 0;  // insert: the new entry's place before the shift
        int32_t value = 0;     // the node inserted; 0 for a deletion
        bool Insert() const { return value != 0; }
    };

    /// Moves entries first..last of the adjacency array by distance positions.
    void ShiftEntries(int32_t first, int32_t last, int32_t distance);
    /// Applies insertions and deletions in distinct lists at once, moving each stretch
    /// of entries between two changed places only once, and updates the list ends of
    /// the nodes up to lastNode.
    bool ApplyEdits(Edit* edits, int32_t count, int32_t lastNode);
    bool OnHull(int32_t node) const {
        return lists_.Inserted(node) && lists_.At(lists_.End(node)) == 0;
    }
    int32_t Capacity() const { return static_cast<int32_t>(lists_.adjacency.size()); }
    int32_t& EntryAt(int32_t position) { return lists_.adjacency[position - 1]; }

    NeighbourLists& lists_;
};

}  // namespace oskava

// The neighbour lists while the triangulation is being built: the same lists as the
// packed arrays hold, in node order in one array, but with free entries between them.
//
//   entries: | list 1 | gap | list 2 |gap| ... | list k (the last) | free to the end |
//
// With nodes inserted in order of x, a new node's neighbours are recent nodes, whose
// lists lie near the end of the array. In the packed layout every insertion into such
// a list moves all entries after it; here it moves only the entries up to the nearest
// gap. Each new list is followed by a few free entries, and deletions leave theirs
// behind. Pack() closes the gaps at the end, giving the packed arrays exactly as the
// same edits on the packed layout would have left them.
#pragma once

#include <cstdint>
#include <vector>

#include "interp/Triangulation.h"

namespace oskava {

class GappedLists {
  public:
    /// Lists for nodes 1..nodes, all empty; at most capacity entries in use at once
    /// (the packed array's size). The lists take their entries from storage.
    GappedLists(int32_t nodes, int32_t capacity, std::vector<int32_t>& storage);

    int32_t NodeCount() const { return static_cast<int32_t>(begin_.size()); }
    /// Position (1-based) of node k's first entry.
    int32_t Begin(int32_t k) const { return begin_[k - 1]; }
    /// Position of node k's last entry; Begin(k) - 1 when the list is empty.
    int32_t End(int32_t k) const { return end_[k - 1]; }
    int32_t At(int32_t position) const { return entries_[position - 1]; }
    bool Inserted(int32_t k) const { return End(k) >= Begin(k); }
    /// Entries in use over all lists.
    int32_t Used() const { return used_; }
    int32_t Capacity() const { return capacity_; }

    /// Starts node k's list, empty, after every list started before; k must be higher
    /// than every node started before.
    void StartList(int32_t k);
    /// Appends to the list started last.
    void Append(int32_t entry);
    /// Inserts value into node's list so that it stands at offset (0: first).
    void Insert(int32_t node, int32_t offset, int32_t value);
    /// Removes the entry at offset from node's list.
    void Erase(int32_t node, int32_t offset);
    /// Overwrites the entry at a position.
    void Set(int32_t position, int32_t entry) { entries_[position - 1] = entry; }
    /// Position of value in node's list; 0 when it is not there.
    int32_t Find(int32_t node, int32_t value) const;

    /// Closes the gaps: the storage becomes the packed adjacency array (capacity
    /// entries, unused ones 0) and listEnd its list ends.
    void Pack(std::vector<int32_t>& listEnd);

  private:
    int32_t Length(int32_t k) const { return End(k) - Begin(k) + 1; }
    // Free entries before node k's list (after the list before it).
    int32_t GapBefore(int32_t k) const;
    // Free entries after node k's list (up to the end of the storage for the last).
    int32_t GapAfter(int32_t k) const;
    // Makes a free entry after node k's list by moving the lists between it and the
    // nearest gap one entry towards that gap; false when there is no gap.
    bool MoveGapAfter(int32_t k);
    // Spreads the lists over the storage again, the free entries after the most
    // recent lists and on both sides of long ones, when the end of the storage is
    // reached or a long list has no gap after it.
    void Respace();
    // Moves lists to new first positions (both increasing in node order).
    void MoveLists(const std::vector<int32_t>& newBegin);
    void MoveEntries(int32_t from, int32_t to, int32_t count);

    std::vector<int32_t>& entries_;
    std::vector<int32_t> begin_;
    std::vector<int32_t> end_;
    // Offset in each list where Find last found an entry or Insert put one. The build asks again
    // and again for neighbours near the same place of a list (the node added last, the arcs just
    // swapped), so a search from there stays short even in a list of a node joined to most of the
    // others, such as a node beside a column of data.
    mutable std::vector<int32_t> lastFound_;
    // Lists this long get room for half their length again when respaced: a node
    // beside a column of data gains a neighbour with every node of the column. A
    // respace moves every list, so below about the square root of the entries
    // moving the lists up to the nearest gap costs less.
    int32_t longList_;
    int32_t last_ = 0;         // the node whose list was started last; 0: none
    bool roomForLong_ = true;  // false once respacing found no room for a long list
    int32_t used_ = 0;
    int32_t capacity_;
};

}  // namespace oskava

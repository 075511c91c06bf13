// Edits of the packed neighbour lists. An edit shifts the entries between the changed
// places, so its cost is the number of entries stored after the lowest changed list:
// with nodes inserted in order of x, the changed lists are those of recent nodes near
// the end of the array.
#include "interp/ListEditor.h"

#include <algorithm>
#include <cstring>

namespace oskava {

int32_t ListEditor::FindNeighbourPosition(int32_t node, int32_t neighbour) const {
    for (int32_t position = lists_.End(node); position >= lists_.Begin(node); --position) {
        if (lists_.At(position) == neighbour) {
            return position;
        }
    }
    return 0;
}

void ListEditor::ShiftEntries(int32_t first, int32_t last, int32_t distance) {
    if (first > last || distance == 0) {
        return;
    }
    int32_t* entries = lists_.adjacency.data();
    std::memmove(entries + first - 1 + distance, entries + first - 1,
                 static_cast<size_t>(last - first + 1) * sizeof(int32_t));
}

bool ListEditor::ApplyEdits(Edit* edits, int32_t count, int32_t lastNode) {
    std::sort(edits, edits + count, [](const Edit& a, const Edit& b) { return a.node < b.node; });
    const int32_t end = lists_.End(lastNode);
    int32_t growth = 0;
    for (int32_t j = 0; j < count; ++j) {
        growth += edits[j].Insert() ? 1 : -1;
    }
    if (end + growth > Capacity()) {
        return false;
    }
    // The stretch after edit j moves by the sum of the changes up to j. Stretches that
    // move down go first, front to back, then those moving up, back to front: no
    // stretch then lands on one that has not moved yet.
    int32_t shift[4] = {};
    int32_t first[4] = {};
    int32_t last[4] = {};
    for (int32_t j = 0; j < count; ++j) {
        shift[j] = (j > 0 ? shift[j - 1] : 0) + (edits[j].Insert() ? 1 : -1);
        first[j] = edits[j].Insert() ? edits[j].position : edits[j].position + 1;
        last[j] = j + 1 < count ? edits[j + 1].position - 1 : end;
    }
    for (int32_t j = 0; j < count; ++j) {
        if (shift[j] < 0) {
            ShiftEntries(first[j], last[j], shift[j]);
        }
    }
    for (int32_t j = count - 1; j >= 0; --j) {
        if (shift[j] > 0) {
            ShiftEntries(first[j], last[j], shift[j]);
        }
    }
    for (int32_t j = 0; j < count; ++j) {
        if (edits[j].Insert()) {
            EntryAt(edits[j].position + (j > 0 ? shift[j - 1] : 0)) = edits[j].value;
        }
    }
    // Each list end from the first changed list on moves by the changes up to it.
    int32_t* ends = lists_.listEnd.data();
    for (int32_t j = 0; j < count; ++j) {
        const int32_t to = j + 1 < count ? edits[j + 1].node - 1 : lastNode;
        for (int32_t node = edits[j].node; node <= to; ++node) {
            ends[node - 1] += shift[j];
        }
    }
    return true;
}

bool ListEditor::InsertInterior(int32_t k, int32_t i1, int32_t i2, int32_t i3) {
    const int32_t after1 = FindNeighbourPosition(i1, i2);
    const int32_t after2 = FindNeighbourPosition(i2, i3);
    const int32_t after3 = FindNeighbourPosition(i3, i1);
    if (after1 == 0 || after2 == 0 || after3 == 0 || lists_.End(k) + 6 > Capacity()) {
        return false;
    }
    Edit edits[3] = {{i1, after1 + 1, k}, {i2, after2 + 1, k}, {i3, after3 + 1, k}};
    if (!ApplyEdits(edits, 3, k)) {
        return false;
    }
    const int32_t end = lists_.End(k);
    EntryAt(end + 1) = i1;
    EntryAt(end + 2) = i2;
    EntryAt(end + 3) = i3;
    lists_.listEnd[k - 1] = end + 3;
    return true;
}

bool ListEditor::InsertExterior(int32_t k, int32_t i1, int32_t i2) {
    if (i1 == i2 || !OnHull(i1) || !OnHull(i2)) {
        return false;
    }
    // k's list is written straight to its final place, after the two entries the
    // insertions into i1's and i2's lists add: i1, the nodes met walking from i1 to
    // i2 through previous hull nodes, i2, 0.
    const int32_t listStart = lists_.End(k) + 3;
    int32_t position = listStart;
    auto append = [&](int32_t entry) {
        if (position > Capacity()) {
            return false;
        }
        EntryAt(position++) = entry;
        return true;
    };
    if (!append(i1)) {
        return false;
    }
    // The hull is a cycle, so the walk meets i2 before it could come back to i1.
    for (int32_t node = i1;;) {
        node = lists_.At(lists_.End(node) - 1);
        if (node == i2) {
            break;
        }
        if (node == i1 || !OnHull(node) || !append(node)) {
            return false;
        }
    }
    if (!append(i2) || !append(0)) {
        return false;
    }
    for (int32_t p = listStart + 1; p < position - 2; ++p) {
        EntryAt(lists_.End(lists_.At(p))) = k;  // no longer on the hull
    }
    // The capacity was checked by the appends, which reach beyond the moved entries.
    Edit edits[2] = {{i2, lists_.Begin(i2), k}, {i1, lists_.End(i1), k}};
    ApplyEdits(edits, 2, k);
    lists_.listEnd[k - 1] = position - 1;
    return true;
}

bool ListEditor::SwapDiagonal(int32_t in1, int32_t k, int32_t io1, int32_t io2) {
    if (in1 == k || in1 == io1 || in1 == io2 || io1 == io2) {
        return false;
    }
    const int32_t inIo1 = FindNeighbourPosition(io1, io2);
    const int32_t inIo2 = FindNeighbourPosition(io2, io1);
    const int32_t inK = FindNeighbourPosition(k, io1);
    const int32_t io1InIn1 = FindNeighbourPosition(in1, io1);
    const int32_t io2InIn1 = FindNeighbourPosition(in1, io2);
    if (inIo1 == 0 || inIo2 == 0 || inK == 0 || io1InIn1 == 0 || io2InIn1 == 0 ||
        FindNeighbourPosition(k, in1) != 0) {
        return false;
    }
    // io2 follows io1 in in1's list, the two wrapping round only when io1 is last. Where
    // k goes in between decides which neighbour stands first in in1's list.
    const int32_t nextAfterIo1 = io1InIn1 == lists_.End(in1) ? lists_.Begin(in1) : io1InIn1 + 1;
    if (nextAfterIo1 != io2InIn1) {
        return false;
    }
    const int32_t inIn1 = in1 > std::min(io1, io2) ? io2InIn1 : io1InIn1 + 1;
    Edit edits[4] = {{io1, inIo1, 0}, {io2, inIo2, 0}, {k, inK, in1}, {in1, inIn1, k}};
    return ApplyEdits(edits, 4, k);
}

}  // namespace oskava

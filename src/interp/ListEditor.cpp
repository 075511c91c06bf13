// Edits of the neighbour lists during the build. The capacity checks keep the lists
// within the packed array's 6N - 9 entries, so that they pack into it at the end.
#include "interp/ListEditor.h"

#include <algorithm>

namespace oskava {

int32_t ListEditor::FindNeighbourPosition(int32_t node, int32_t neighbour) const {
    return lists_.Find(node, neighbour);
}

bool ListEditor::InsertInterior(int32_t k, int32_t i1, int32_t i2, int32_t i3) {
    const int32_t after1 = FindNeighbourPosition(i1, i2);
    const int32_t after2 = FindNeighbourPosition(i2, i3);
    const int32_t after3 = FindNeighbourPosition(i3, i1);
    if (after1 == 0 || after2 == 0 || after3 == 0 || lists_.Used() + 6 > lists_.Capacity()) {
        return false;
    }
    const int32_t offset1 = OffsetOf(i1, after1) + 1;
    const int32_t offset2 = OffsetOf(i2, after2) + 1;
    const int32_t offset3 = OffsetOf(i3, after3) + 1;
    lists_.Insert(i1, offset1, k);
    lists_.Insert(i2, offset2, k);
    lists_.Insert(i3, offset3, k);
    AppendToNewest(k, i1);
    AppendToNewest(k, i2);
    AppendToNewest(k, i3);
    return true;
}

bool ListEditor::InsertExterior(int32_t k, int32_t i1, int32_t i2) {
    if (i1 == i2 || !OnHull(i1) || !OnHull(i2)) {
        return false;
    }
    // k's list: i1, the nodes met walking from i1 to i2 through previous hull nodes,
    // i2, 0; with the two entries the insertions into i1's and i2's lists add, the
    // lists grow by the chain's length + 5.
    chain_.clear();
    auto fits = [&] {
        return int64_t{lists_.Used()} + static_cast<int64_t>(chain_.size()) + 5 <=
               lists_.Capacity();
    };
    if (!fits()) {
        return false;
    }
    // The hull is a cycle, so the walk meets i2 before it could come back to i1.
    for (int32_t node = i1;;) {
        node = lists_.At(lists_.End(node) - 1);
        if (node == i2) {
            break;
        }
        if (node == i1 || !OnHull(node)) {
            return false;
        }
        chain_.push_back(node);
        if (!fits()) {
            return false;
        }
    }
    for (const int32_t node : chain_) {
        lists_.Set(lists_.End(node), k);  // no longer on the hull
    }
    lists_.Insert(i2, 0, k);
    lists_.Insert(i1, OffsetOf(i1, lists_.End(i1)), k);
    AppendToNewest(k, i1);
    for (const int32_t node : chain_) {
        AppendToNewest(k, node);
    }
    AppendToNewest(k, i2);
    lists_.Append(0);
    return true;
}

bool ListEditor::SwapDiagonal(int32_t in1, int32_t k, int32_t io1, int32_t io2, int32_t io1InIo2,
                              int32_t io1InK) {
    if (in1 == k || in1 == io1 || in1 == io2 || io1 == io2 || lists_.At(io1InIo2) != io1 ||
        lists_.At(io1InK) != io1) {
        return false;
    }
    const int32_t inIo1 = FindNeighbourPosition(io1, io2);
    const int32_t inIo2 = io1InIo2;
    const int32_t inK = io1InK;
    const int32_t io1InIn1 = FindNeighbourPosition(in1, io1);
    if (inIo1 == 0 || io1InIn1 == 0 || neighbourOf_[static_cast<size_t>(in1)] == k) {
        return false;
    }
    // io2 follows io1 in in1's list, the two wrapping round only when io1 is last (the
    // entries of a list are distinct, so that is io2's one place). Where k goes in
    // between decides which neighbour stands first in in1's list.
    const int32_t io2InIn1 = io1InIn1 == lists_.End(in1) ? lists_.Begin(in1) : io1InIn1 + 1;
    if (lists_.At(io2InIn1) != io2) {
        return false;
    }
    const int32_t inIn1 = in1 > std::min(io1, io2) ? io2InIn1 : io1InIn1 + 1;
    // The four lists are distinct, so offsets stay valid while the others change.
    const int32_t offsets[4] = {OffsetOf(io1, inIo1), OffsetOf(io2, inIo2), OffsetOf(k, inK),
                                OffsetOf(in1, inIn1)};
    lists_.Erase(io1, offsets[0]);
    lists_.Erase(io2, offsets[1]);
    lists_.Insert(k, offsets[2], in1);
    neighbourOf_[static_cast<size_t>(in1)] = k;
    lists_.Insert(in1, offsets[3], k);
    return true;
}

}  // namespace oskava

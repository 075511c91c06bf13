#include "interp/GappedLists.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace oskava {

namespace {

// Free entries left after each new list; enough that the nearest gap is usually a
// list or two away.
constexpr int32_t kGap = 2;
// Lists shorter than this are searched from their end, without the remembered place
// (whose array, one entry per node, costs a cache miss per search at 1e6 nodes).
constexpr int32_t kHintedLength = 16;

}  // namespace

GappedLists::GappedLists(int32_t nodes, int32_t capacity, std::vector<int32_t>& storage)
    : entries_(storage),
      begin_(static_cast<size_t>(nodes), 1),
      end_(static_cast<size_t>(nodes), 0),
      lastFound_(static_cast<size_t>(nodes), 0),
      longList_(std::max(64, static_cast<int32_t>(std::sqrt(capacity)))),
      capacity_(capacity) {
    // Room for the gaps: about what the lists of a survey-shaped build leave behind.
    const int64_t spare = std::min<int64_t>(
        3 * int64_t{nodes} + 64, std::numeric_limits<int32_t>::max() - int64_t{capacity});
    entries_.assign(static_cast<size_t>(capacity + spare), 0);
}

int32_t GappedLists::GapBefore(int32_t k) const {
    return k == 1 ? Begin(1) - 1 : GapAfter(k - 1);
}

int32_t GappedLists::GapAfter(int32_t k) const {
    const int32_t next =
        k < last_ ? begin_[static_cast<size_t>(k)] : static_cast<int32_t>(entries_.size()) + 1;
    return next - End(k) - 1;
}

int32_t GappedLists::Find(int32_t node, int32_t value) const {
    const int32_t begin = Begin(node);
    const int32_t end = End(node);
    if (end - begin < kHintedLength) {
        for (int32_t position = end; position >= begin; --position) {
            if (At(position) == value) {
                return position;
            }
        }
        return 0;
    }
    // Entries of a list are distinct, so searching outwards from the last find gives
    // the one position a search from either end would.
    int32_t& hint = lastFound_[node - 1];
    const int32_t start = std::min(begin + hint, end);
    for (int32_t up = start, down = start - 1; up <= end || down >= begin; ++up, --down) {
        if (up <= end && At(up) == value) {
            hint = up - begin;
            return up;
        }
        if (down >= begin && At(down) == value) {
            hint = down - begin;
            return down;
        }
    }
    return 0;
}

void GappedLists::StartList(int32_t k) {
    const int32_t tail = static_cast<int32_t>(entries_.size()) + 1;
    const int32_t position = last_ == 0 ? 1 : std::min(End(last_) + 1 + kGap, tail);
    for (int32_t node = last_ + 1; node <= k; ++node) {
        begin_[node - 1] = position;
        end_[node - 1] = position - 1;
    }
    last_ = k;
}

void GappedLists::Append(int32_t entry) {
    if (GapAfter(last_) == 0) {
        Respace();
    }
    entries_[static_cast<size_t>(End(last_))] = entry;
    ++end_[last_ - 1];
    ++used_;
}

void GappedLists::Insert(int32_t node, int32_t offset, int32_t value) {
    // A long list that keeps growing would use up the gaps around it, and moving ever
    // more lists for each of its entries takes quadratic time: respacing gives it
    // room on both sides in proportion to its length instead, while that fits.
    const bool longList = Length(node) >= longList_ && roomForLong_;
    // A long list grows at the side with fewer entries to move: its new neighbours
    // often come near its front.
    const bool nearFront = longList && offset < Length(node) / 2;
    if (longList && (nearFront ? GapBefore(node) : GapAfter(node)) == 0) {
        Respace();
        roomForLong_ = (nearFront ? GapBefore(node) : GapAfter(node)) > 0;
    }
    if (nearFront && GapBefore(node) > 0) {
        MoveEntries(Begin(node), Begin(node) - 1, offset);
        --begin_[node - 1];
        Set(Begin(node) + offset, value);
        ++used_;
        lastFound_[node - 1] = offset;
        return;
    }
    if (GapAfter(node) == 0 && !MoveGapAfter(node)) {
        // No gap anywhere: the lists fill the storage up to its end. Respacing leaves
        // free entries at least at the end (fewer are in use than the storage holds).
        Respace();
        if (GapAfter(node) == 0) {
            MoveGapAfter(node);
        }
    }
    const int32_t position = Begin(node) + offset;
    MoveEntries(position, position + 1, End(node) - position + 1);
    Set(position, value);
    ++end_[node - 1];
    ++used_;
    lastFound_[node - 1] = offset;
}

void GappedLists::Erase(int32_t node, int32_t offset) {
    const int32_t position = Begin(node) + offset;
    if (Length(node) >= longList_ && offset < Length(node) / 2) {
        MoveEntries(Begin(node), Begin(node) + 1, offset);
        ++begin_[node - 1];
    } else {
        MoveEntries(position + 1, position, End(node) - position);
        --end_[node - 1];
    }
    --used_;
}

bool GappedLists::MoveGapAfter(int32_t k) {
    for (int32_t distance = 1; k + distance <= last_ || k - distance >= 1; ++distance) {
        const int32_t after = k + distance;
        if (after <= last_ && GapAfter(after) > 0) {
            // Lists k+1..after move up by one.
            const int32_t first = Begin(k + 1);
            MoveEntries(first, first + 1, End(after) - first + 1);
            for (int32_t node = k + 1; node <= after; ++node) {
                ++begin_[node - 1];
                ++end_[node - 1];
            }
            return true;
        }
        const int32_t before = k - distance;
        if (before >= 1 && GapAfter(before) > 0) {
            // Lists before+1..k move down by one.
            const int32_t first = Begin(before + 1);
            MoveEntries(first, first - 1, End(k) - first + 1);
            for (int32_t node = before + 1; node <= k; ++node) {
                --begin_[node - 1];
                --end_[node - 1];
            }
            return true;
        }
    }
    return false;
}

void GappedLists::Respace() {
    const int64_t free = static_cast<int64_t>(entries_.size()) - used_;
    // Half the free entries go to the gaps, at most kGap after each list, the rest to
    // the end of the storage; long lists get room on both sides when a quarter of the
    // free entries covers it.
    const int32_t gap = static_cast<int32_t>(std::min<int64_t>(kGap, free / (2 * int64_t{last_})));
    int64_t longRoom = 0;
    for (int32_t k = 1; k <= last_; ++k) {
        longRoom += Length(k) >= longList_ ? Length(k) / 2 : 0;
    }
    const bool roomForLong = gap == kGap && longRoom <= free / 4;
    std::vector<int32_t> newBegin(static_cast<size_t>(last_));
    int32_t position = 1;
    for (int32_t k = 1; k <= last_; ++k) {
        const int32_t room = roomForLong && Length(k) >= longList_ ? Length(k) / 4 : 0;
        newBegin[k - 1] = position + room;
        position += room + Length(k) + room + gap;
    }
    MoveLists(newBegin);
}

void GappedLists::MoveLists(const std::vector<int32_t>& newBegin) {
    // Lists moving down go first, front to back, then those moving up, back to front:
    // no list then lands on one that has not moved yet.
    auto move = [&](int32_t k) {
        const int32_t shift = newBegin[k - 1] - Begin(k);
        MoveEntries(Begin(k), newBegin[k - 1], Length(k));
        begin_[k - 1] += shift;
        end_[k - 1] += shift;
    };
    for (int32_t k = 1; k <= last_; ++k) {
        if (newBegin[k - 1] < Begin(k)) {
            move(k);
        }
    }
    for (int32_t k = last_; k >= 1; --k) {
        if (newBegin[k - 1] > Begin(k)) {
            move(k);
        }
    }
}

void GappedLists::MoveEntries(int32_t from, int32_t to, int32_t count) {
    if (count > 0 && from != to) {
        int32_t* entries = entries_.data();
        std::memmove(entries + to - 1, entries + from - 1,
                     static_cast<size_t>(count) * sizeof(int32_t));
    }
}

void GappedLists::Pack(std::vector<int32_t>& listEnd) {
    StartList(NodeCount());
    std::vector<int32_t> packed(static_cast<size_t>(last_));
    int32_t position = 1;
    for (int32_t k = 1; k <= last_; ++k) {
        packed[k - 1] = position;
        position += Length(k);
    }
    MoveLists(packed);
    listEnd = std::move(end_);
    std::fill(entries_.begin() + used_, entries_.end(), 0);
    entries_.resize(static_cast<size_t>(capacity_));
}

}  // namespace oskava

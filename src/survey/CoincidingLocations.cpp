#include "survey/CoincidingLocations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "survey/ParallelParts.h"

namespace oskava {

namespace {

struct Location {
    double x;
    double depth;
    int record;
};

struct WalkEnd {
    double depth;
    int lastLowering;
};

// The depths met in one column, each with the records whose walk ended there (in
// record order) and where the walk of the records that started there stopped. An
// open-addressing table on the bits of the depth, -0 folded into +0 so that equal
// doubles are one key; it is cleared between columns and keeps its memory, since a
// large survey has thousands of columns.
class ColumnDepths {
  public:
    struct Depth {
        uint64_t key = 0;
        int32_t ending = -1;  // index of its list of records ending here; -1: none
        bool walked = false;  // whether walk holds the end of a walk from here
        WalkEnd walk{};
    };

    /// Empties the table, with room for the depths of a column of this many records.
    void Reset(size_t records) {
        if (slots_.size() < 4 * records) {
            size_t capacity = 16;
            shift_ = 60;
            while (capacity < 4 * records) {
                capacity *= 2;
                --shift_;
            }
            slots_.assign(capacity, -1);
        } else {
            for (const int32_t slot : used_) {
                slots_[slot] = -1;
            }
        }
        mask_ = slots_.size() - 1;
        used_.clear();
        depths_.clear();
        endingCount_ = 0;
    }

    /// The depth's entry, or null when no record of the column has met it.
    Depth* Find(double depth) {
        const int32_t slot = slots_[SlotOf(KeyOf(depth))];
        return slot < 0 ? nullptr : &depths_[static_cast<size_t>(slot)];
    }

    /// The depth's entry, made when it is new.
    Depth& At(double depth) {
        const uint64_t key = KeyOf(depth);
        const size_t place = SlotOf(key);
        if (slots_[place] < 0) {
            slots_[place] = static_cast<int32_t>(depths_.size());
            used_.push_back(static_cast<int32_t>(place));
            depths_.push_back(Depth{key});
        }
        return depths_[static_cast<size_t>(slots_[place])];
    }

    /// The records ending at the depth, in record order; made empty when new.
    std::vector<int>& Ending(Depth& entry) {
        if (entry.ending < 0) {
            if (endingCount_ == endings_.size()) {
                endings_.emplace_back();
            }
            entry.ending = static_cast<int32_t>(endingCount_++);
            endings_[static_cast<size_t>(entry.ending)].clear();
        }
        return endings_[static_cast<size_t>(entry.ending)];
    }

  private:
    static uint64_t KeyOf(double depth) {
        const double folded = depth + 0.0;
        uint64_t key;
        std::memcpy(&key, &folded, sizeof key);
        return key;
    }
    // The key's slot, or the empty slot where it goes; a column of n records meets at
    // most 2n depths, so the table is at most half full and probing ends.
    size_t SlotOf(uint64_t key) const {
        // The top bits of the product: a depth's low bits are often all zero.
        size_t place = static_cast<size_t>((key * 0x9E3779B97F4A7C15u) >> shift_);
        while (slots_[place] >= 0 && depths_[static_cast<size_t>(slots_[place])].key != key) {
            place = (place + 1) & mask_;
        }
        return place;
    }

    std::vector<int32_t> slots_;  // index into depths_, -1: empty
    std::vector<int32_t> used_;   // the slots in use
    std::vector<Depth> depths_;
    std::vector<std::vector<int>> endings_;  // lists kept with their memory between columns
    size_t endingCount_ = 0;
    size_t mask_ = 0;
    int shift_ = 60;  // 64 - log2 of the capacity
};

// Sorts by x, then depth, then record: a total order, so that sorting the halves on
// two cores and merging them gives what one sort gives.
void SortLocations(std::vector<Location>& locations) {
    const auto before = [](const Location& a, const Location& b) {
        if (a.x != b.x) {
            return a.x < b.x;
        }
        if (a.depth != b.depth) {
            return a.depth < b.depth;
        }
        return a.record < b.record;
    };
    const auto middle = locations.begin() + static_cast<std::ptrdiff_t>(locations.size() / 2);
    if (ThreadCount() < 2 || locations.size() < 65536) {
        std::sort(locations.begin(), locations.end(), before);
        return;
    }
    RunParts(2, [&](int part) {
        if (part == 0) {
            std::sort(locations.begin(), middle, before);
        } else {
            std::sort(middle, locations.end(), before);
        }
    });
    std::inplace_merge(locations.begin(), middle, locations.end(), before);
}

// Lowering only ever moves a record along its own vertical, so the records of one
// pseudoX are resolved on their own. Walking the records in order, a record j is
// lowered at the earliest i < j that ends at j's current depth, then at the earliest
// later one that ends at the new depth, and so on; i's depth is final by then. The
// depth reached this way is j's final depth. Records that start on the same spot
// follow the same walk as the one before them up to where it stopped, so each walk
// resumes there instead of starting again.
void ResolveColumn(std::vector<double>& depth, const std::vector<int>& column, double step,
                   ColumnDepths& depths) {
    depths.Reset(column.size());
    for (const int j : column) {
        const double start = depth[static_cast<size_t>(j)];
        const ColumnDepths::Depth* resumed = depths.Find(start);
        WalkEnd walk = resumed != nullptr && resumed->walked ? resumed->walk : WalkEnd{start, -1};
        for (;;) {
            ColumnDepths::Depth* level = depths.Find(walk.depth);
            if (level == nullptr || level->ending < 0) {
                break;
            }
            const std::vector<int>& ending = depths.Ending(*level);
            const auto next = std::upper_bound(ending.begin(), ending.end(), walk.lastLowering);
            if (next == ending.end()) {
                break;
            }
            walk.lastLowering = *next;
            walk.depth -= step;
        }
        depth[static_cast<size_t>(j)] = walk.depth;
        ColumnDepths::Depth& end = depths.At(walk.depth);
        depths.Ending(end).push_back(j);
        ColumnDepths::Depth& from = depths.At(start);
        from.walked = true;
        from.walk = walk;
    }
}

}  // namespace

void MoveCoincidingLocationsApart(std::vector<Cobs>& records, double step) {
    if (records.size() < 2 || step == 0) {
        return;
    }
    // The depths are resolved in an array of their own and written back in record
    // order: a column gathers records from all over a large survey, and each visit to
    // a record of 160 bytes would cost a cache miss.
    std::vector<double> depth(records.size());
    // Locations with a NaN never equal anything, so they never move nor move others.
    std::vector<Location> locations;
    locations.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const Cobs& r = records[i];
        depth[i] = r.pseudoDepth;
        if (!std::isnan(r.pseudoX) && !std::isnan(r.pseudoDepth)) {
            locations.push_back({r.pseudoX, r.pseudoDepth, static_cast<int>(i)});
        }
    }
    SortLocations(locations);
    // Only a column that starts with two records on one spot can ever change.
    std::vector<int> column;
    ColumnDepths depths;
    bool moved = false;
    for (size_t first = 0; first < locations.size();) {
        size_t last = first + 1;
        bool shared = false;
        while (last < locations.size() && locations[last].x == locations[first].x) {
            shared = shared || locations[last].depth == locations[last - 1].depth;
            ++last;
        }
        if (shared) {
            column.clear();
            for (size_t k = first; k < last; ++k) {
                column.push_back(locations[k].record);
            }
            std::sort(column.begin(), column.end());
            ResolveColumn(depth, column, step, depths);
            moved = true;
        }
        first = last;
    }
    if (moved) {
        for (size_t i = 0; i < records.size(); ++i) {
            records[i].pseudoDepth = depth[i];
        }
    }
}

}  // namespace oskava

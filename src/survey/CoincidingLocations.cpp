#include "survey/CoincidingLocations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "survey/ParallelParts.h"

namespace oskava {

namespace {

// A record's place in the search for columns: its pseudoX as a key whose unsigned
// order is the order of the values, or kLeftOut.
struct Entry {
    uint64_t key;
    int32_t record;
};

// Locations with a NaN never equal anything, so they never move nor move others. Only
// a NaN gives this key, so such records sort after every column.
constexpr uint64_t kLeftOut = ~uint64_t{0};

uint64_t KeyOf(double x, double depth) {
    if (std::isnan(x) || std::isnan(depth)) {
        return kLeftOut;
    }
    const double folded = x + 0.0;  // -0 == +0: one column
    uint64_t bits;
    std::memcpy(&bits, &folded, sizeof bits);
    return (bits >> 63) != 0 ? ~bits : bits | (uint64_t{1} << 63);
}

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

// Sorts the entries by key, equal keys kept in the order they came (record order):
// least significant 16-bit digit first, a pass left out when every key has the same
// digit there (the high digits of a survey's positions mostly are).
void SortByKey(std::vector<Entry>& entries) {
    constexpr int kDigits = 4;
    std::vector<std::array<uint32_t, 65536>> counts(kDigits);
    for (auto& count : counts) {
        count.fill(0);
    }
    for (const Entry& entry : entries) {
        for (int d = 0; d < kDigits; ++d) {
            ++counts[d][(entry.key >> (16 * d)) & 0xFFFF];
        }
    }
    std::vector<Entry> sorted(entries.size());
    for (int d = 0; d < kDigits; ++d) {
        std::array<uint32_t, 65536>& next = counts[d];
        const int shift = 16 * d;
        if (next[(entries.front().key >> shift) & 0xFFFF] == entries.size()) {
            continue;
        }
        uint32_t start = 0;
        for (uint32_t& count : next) {
            const uint32_t here = count;
            count = start;
            start += here;
        }
        for (const Entry& entry : entries) {
            sorted[next[(entry.key >> shift) & 0xFFFF]++] = entry;
        }
        entries.swap(sorted);
    }
}

// Whether two records of the column, in record order, start on one spot.
bool SharesADepth(const std::vector<double>& depth, const std::vector<int>& column,
                  std::vector<double>& scratch) {
    scratch.clear();
    for (const int record : column) {
        scratch.push_back(depth[static_cast<size_t>(record)]);
    }
    std::sort(scratch.begin(), scratch.end());
    return std::adjacent_find(scratch.begin(), scratch.end()) != scratch.end();
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
    const size_t n = records.size();
    std::vector<double> depth(n);
    std::vector<Entry> entries(n);
    constexpr int kParts = 2;
    RunParts(kParts, [&](int part) {
        for (size_t i = n * part / kParts; i < n * (part + 1) / kParts; ++i) {
            const Cobs& r = records[i];
            depth[i] = r.pseudoDepth;
            entries[i] = Entry{KeyOf(r.pseudoX, r.pseudoDepth), static_cast<int32_t>(i)};
        }
    });
    SortByKey(entries);
    // Columns are resolved on their own, each part's from the first column that starts
    // in its half; only a column that starts with two records on one spot can change.
    std::array<bool, kParts> moved{};
    RunParts(kParts, [&](int part) {
        const auto columnStart = [&](size_t i) {
            while (i > 0 && i < n && entries[i].key == entries[i - 1].key) {
                ++i;
            }
            return i;
        };
        const size_t end = columnStart(n * (part + 1) / kParts);
        std::vector<int> column;
        std::vector<double> scratch;
        ColumnDepths depths;
        for (size_t first = columnStart(n * part / kParts);
             first < end && entries[first].key != kLeftOut;) {
            column.clear();
            size_t last = first;
            for (; last < n && entries[last].key == entries[first].key; ++last) {
                column.push_back(entries[last].record);
            }
            if (column.size() > 1 && SharesADepth(depth, column, scratch)) {
                ResolveColumn(depth, column, step, depths);
                moved[part] = true;
            }
            first = last;
        }
    });
    if (moved[0] || moved[1]) {
        RunParts(kParts, [&](int part) {
            for (size_t i = n * part / kParts; i < n * (part + 1) / kParts; ++i) {
                records[i].pseudoDepth = depth[i];
            }
        });
    }
}

}  // namespace oskava

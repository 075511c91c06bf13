#include "survey/CoincidingLocations.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace oskava {

namespace {

struct Location {
    double x;
    double depth;
    int record;
};

// Equal doubles hash alike only once -0 is folded into +0.
double Key(double value) { return value + 0.0; }

// Lowering only ever moves a record along its own vertical, so the records of one
// pseudoX are resolved on their own. Walking the records in order, a record j is
// lowered at the earliest i < j that ends at j's current depth, then at the earliest
// later one that ends at the new depth, and so on; i's depth is final by then. The
// depth reached this way is j's final depth. Records that start on the same spot
// follow the same walk as the one before them up to where it stopped, so each walk
// resumes there instead of starting again.
void ResolveColumn(std::vector<Cobs>& records, const std::vector<int>& column, double step) {
    struct WalkEnd {
        double depth;
        int lastLowering;
    };
    std::unordered_map<double, std::vector<int>> recordsEndingAt;
    std::unordered_map<double, WalkEnd> walkFrom;
    recordsEndingAt.reserve(column.size());
    walkFrom.reserve(column.size());
    for (const int j : column) {
        const double start = records[j].pseudoDepth;
        auto resumed = walkFrom.find(Key(start));
        WalkEnd walk = resumed != walkFrom.end() ? resumed->second : WalkEnd{start, -1};
        for (;;) {
            const auto level = recordsEndingAt.find(Key(walk.depth));
            if (level == recordsEndingAt.end()) {
                break;
            }
            const std::vector<int>& ending = level->second;
            const auto next = std::upper_bound(ending.begin(), ending.end(), walk.lastLowering);
            if (next == ending.end()) {
                break;
            }
            walk.lastLowering = *next;
            walk.depth -= step;
        }
        records[j].pseudoDepth = walk.depth;
        recordsEndingAt[Key(walk.depth)].push_back(j);
        walkFrom[Key(start)] = walk;
    }
}

}  // namespace

void MoveCoincidingLocationsApart(std::vector<Cobs>& records, double step) {
    if (records.size() < 2 || step == 0) {
        return;
    }
    // Locations with a NaN never equal anything, so they never move nor move others.
    std::vector<Location> locations;
    locations.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const Cobs& r = records[i];
        if (!std::isnan(r.pseudoX) && !std::isnan(r.pseudoDepth)) {
            locations.push_back({r.pseudoX, r.pseudoDepth, static_cast<int>(i)});
        }
    }
    std::sort(locations.begin(), locations.end(), [](const Location& a, const Location& b) {
        if (a.x != b.x) {
            return a.x < b.x;
        }
        if (a.depth != b.depth) {
            return a.depth < b.depth;
        }
        return a.record < b.record;
    });
    // Only a column that starts with two records on one spot can ever change.
    std::vector<int> column;
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
            ResolveColumn(records, column, step);
        }
        first = last;
    }
}

}  // namespace oskava

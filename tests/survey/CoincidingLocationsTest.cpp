// Moving coinciding pseudo-locations apart must give exactly what comparing every pair
// in record order gives, order effects and rounding included.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "survey/CoincidingLocations.h"

namespace oskava {
namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

// The rule as it is stated, the oracle of the faster pass: for i in record order and
// every later j, when both pseudo-locations are exactly equal at that moment, j's
// pseudo-depth is lowered by step.
void PairwiseRule(std::vector<Cobs>& records, double step) {
    for (size_t i = 0; i + 1 < records.size(); ++i) {
        for (size_t j = i + 1; j < records.size(); ++j) {
            if (records[i].pseudoX == records[j].pseudoX &&
                records[i].pseudoDepth == records[j].pseudoDepth) {
                records[j].pseudoDepth -= step;
            }
        }
    }
}

// Both coordinates of every record, bit for bit.
std::vector<std::pair<uint64_t, uint64_t>> Bits(const std::vector<Cobs>& records) {
    std::vector<std::pair<uint64_t, uint64_t>> bits(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        std::memcpy(&bits[i].first, &records[i].pseudoX, sizeof(double));
        std::memcpy(&bits[i].second, &records[i].pseudoDepth, sizeof(double));
    }
    return bits;
}

TEST(CoincidingLocationsTest, RandomSurveysWithManyCoincidences) {
    std::mt19937_64 random(20240611);
    // Steps that divide the depth grid exactly and steps that round.
    const double steps[] = {0.5, 0.25, 1.0, 0.15, 0.1, 0.3, 1.0 / 3, 0};
    for (int round = 0; round < 600; ++round) {
        const double step = steps[round % 8];
        const size_t count = 1 + random() % 120;
        const int columns = 1 + static_cast<int>(random() % 4);
        const int levels = 1 + static_cast<int>(random() % 6);
        std::vector<Cobs> records(count);
        for (size_t i = 0; i < count; ++i) {
            Cobs& r = records[i];
            const unsigned kind = random() % 20;
            if (i > 0 && kind < 7) {
                // An earlier location again, or one or two steps above one by the
                // rule's own subtraction, so that lowered data land on it and the
                // order of the comparisons matters.
                r = records[random() % i];
                for (int k = 0, steps = kind < 4 ? 0 : kind < 6 ? 1 : 2; k < steps; ++k) {
                    r.pseudoDepth -= step;
                }
            } else {
                r.pseudoX = static_cast<double>(random() % columns) * 0.5;
                r.pseudoDepth = static_cast<double>(random() % levels) * 0.5;
            }
            if (kind == 7) {
                r.pseudoX = -r.pseudoX;  // -0.0 for the first column: equal to 0.0
            }
            if (kind == 8) {
                r.pseudoDepth = -r.pseudoDepth;
            }
            if (kind == 9 && random() % 4 == 0) {  // NaN equals nothing
                (random() % 2 == 0 ? r.pseudoX : r.pseudoDepth) = kNan;
            }
        }
        SCOPED_TRACE(round);
        std::vector<Cobs> expected = records;
        PairwiseRule(expected, step);
        MoveCoincidingLocationsApart(records, step);
        ASSERT_EQ(Bits(records), Bits(expected));
    }
}

}  // namespace
}  // namespace oskava

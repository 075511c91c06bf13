// Moving coinciding pseudo-locations apart must give exactly what comparing every pair
// in record order gives, order effects and rounding included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "survey/CoincidingLocations.h"

namespace oskava {
namespace {

// The rule as it is stated, the oracle of the faster pass: for i in record order and
// every later j, when both pseudo-locations are exactly equal at that moment, j's
// pseudo-depth is lowered by step.
void PairwiseRule(std::vector<Cobs>& records, double step) {
    for (size_t i = 0; i < records.size(); ++i) {
        for (size_t j = i + 1; j < records.size(); ++j) {
            if (records[i].pseudoX == records[j].pseudoX &&
                records[i].pseudoDepth == records[j].pseudoDepth) {
                records[j].pseudoDepth -= step;
            }
        }
    }
}

// Both coordinates of every record, bit for bit.
std::vector<double> Bits(const std::vector<Cobs>& records) {
    std::vector<double> bits;
    for (const Cobs& r : records) {
        bits.insert(bits.end(), {r.pseudoX, r.pseudoDepth});
    }
    return bits;
}

TEST(CoincidingLocationsTest, RandomSurveysWithManyCoincidences) {
    std::mt19937_64 random(20240611);
    // Steps that divide the depth grid exactly and steps that round.
    const double steps[] = {0.5, 0.25, 1.0, 0.15, 0.1, 0.3, 1.0 / 3, 0};
    for (int round = 0; round < 600; ++round) {
        const double step = steps[round % 8];
        const int columns = 1 + random() % 4, levels = 1 + random() % 6;
        std::vector<Cobs> records(1 + random() % 120);
        for (size_t i = 0; i < records.size(); ++i) {
            Cobs& r = records[i];
            const unsigned kind = random() % 20;
            if (i > 0 && kind < 7) {
                // An earlier location, or one or two steps above one by the rule's own
                // subtraction, so that lowered data land on it and order matters.
                r = records[random() % i];
                for (unsigned k = kind / 3; k > 0; --k) {
                    r.pseudoDepth -= step;
                }
            } else {
                r.pseudoX = static_cast<double>(random() % columns) * 0.5;
                r.pseudoDepth = static_cast<double>(random() % levels) * 0.5;
            }
            r.pseudoX *= kind == 7 ? -1 : 1;       // -0.0 for the first column: equal to 0.0
            r.pseudoDepth *= kind == 8 ? -1 : 1;   // and a negative depth
            if (kind == 9 && random() % 4 == 0) {  // NaN equals nothing
                (random() % 2 == 0 ? r.pseudoX : r.pseudoDepth) = NAN;
            }
        }
        std::vector<Cobs> expected = records;
        PairwiseRule(expected, step);
        MoveCoincidingLocationsApart(records, step);
        const std::vector<double> got = Bits(records), want = Bits(expected);
        ASSERT_EQ(std::memcmp(got.data(), want.data(), got.size() * sizeof(double)), 0) << round;
    }
}

}  // namespace
}  // namespace oskava

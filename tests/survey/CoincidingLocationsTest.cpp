// Moving coinciding pseudo-locations apart must give exactly what comparing every pair
// in record order gives, order effects and rounding included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "support/PairwiseCoincidingRule.h"
#include "survey/CoincidingLocations.h"

namespace oskava {
namespace {

uint64_t Bits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::vector<Cobs> Locations(const std::vector<std::pair<double, double>>& xz) {
    std::vector<Cobs> records(xz.size());
    for (size_t i = 0; i < xz.size(); ++i) {
        records[i].pseudoX = xz[i].first;
        records[i].pseudoDepth = xz[i].second;
    }
    return records;
}

// Runs both and compares every coordinate bit for bit.
void ExpectSameAsPairwiseRule(const std::vector<Cobs>& input, double step) {
    std::vector<Cobs> expected = input;
    test::PairwiseCoincidingRule(expected, step);
    std::vector<Cobs> actual = input;
    MoveCoincidingLocationsApart(actual, step);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        ASSERT_EQ(Bits(actual[i].pseudoX), Bits(expected[i].pseudoX)) << "record " << i;
        ASSERT_EQ(Bits(actual[i].pseudoDepth), Bits(expected[i].pseudoDepth))
            << "record " << i << ": " << actual[i].pseudoDepth << " instead of "
            << expected[i].pseudoDepth << " (step " << step << ")";
    }
}

TEST(CoincidingLocationsTest, SmallCasesAndTheirOrderEffects) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<std::pair<double, double>> locations;
        std::vector<double> depths;
    };
    const Case cases[] = {
        {{{5, 10}, {5, 10}, {5, 10}}, {10, 9.5, 9}},
        // 9.5 meets no 10 when it is compared; the third datum then moves onto it.
        {{{5, 9.5}, {5, 10}, {5, 10}}, {9.5, 10, 9.5}},
        {{{5, 10}, {5, 9.5}, {5, 10}}, {10, 9.5, 9}},
        {{{5, 10}, {5.5, 10}, {5, 10.25}, {5, 10}}, {10, 10, 10.25, 9.5}},
        // -0 equals 0; NaN equals nothing.
        {{{0.0, 0.0}, {-0.0, -0.0}, {nan, 1}, {nan, 1}, {2, nan}, {2, nan}},
         {0, -0.5, 1, 1, nan, nan}},
    };
    for (const Case& c : cases) {
        std::vector<Cobs> records = Locations(c.locations);
        MoveCoincidingLocationsApart(records, 0.5);
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(Bits(records[i].pseudoDepth), Bits(c.depths[i])) << i;
            EXPECT_EQ(Bits(records[i].pseudoX), Bits(c.locations[i].first)) << i;
        }
    }
    ExpectSameAsPairwiseRule(Locations({{5, 10}, {5, 9.5}, {5, 10}, {5, 9.5}, {5, 10}}), 0.5);
}

TEST(CoincidingLocationsTest, RandomSurveysWithManyCoincidences) {
    std::mt19937_64 random(20240611);
    const double nan = std::numeric_limits<double>::quiet_NaN();
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
            if (i > 0 && kind < 4) {
                r = records[random() % i];  // an earlier location again
            } else if (i > 0 && kind < 7) {
                // One or two steps above an earlier location, by the rule's own
                // subtraction, so that lowered data land on it.
                r = records[random() % i];
                r.pseudoDepth -= step;
                if (kind == 6) {
                    r.pseudoDepth -= step;
                }
            } else {
                r.pseudoX = static_cast<double>(random() % columns) * 0.5;
                r.pseudoDepth = static_cast<double>(random() % levels) * 0.5;
            }
            if (kind == 7) {
                r.pseudoX = -r.pseudoX;  // -0.0 for the first column
            }
            if (kind == 8) {
                r.pseudoDepth = -r.pseudoDepth;
            }
            if (kind == 9 && random() % 4 == 0) {
                (random() % 2 == 0 ? r.pseudoX : r.pseudoDepth) = nan;
            }
        }
        SCOPED_TRACE(round);
        ExpectSameAsPairwiseRule(records, step);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace oskava

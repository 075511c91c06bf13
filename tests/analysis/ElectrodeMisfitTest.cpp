// Misfit by electrode against sums made by hand: each datum once at each position it
// uses, data without a finite normalized difference left out, the order of the rows.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/ElectrodeMisfit.h"

namespace oskava {
namespace {

Cobs Difference(double xa, double xb, double xm, double xn, double normalizedDiff) {
    Cobs r;
    r.xa = xa;
    r.xb = xb;
    r.xm = xm;
    r.xn = xn;
    r.SetGeometry({}, {}, false);
    r.normalizedDiff = normalizedDiff;
    return r;
}

TEST(ElectrodeMisfit, RmsOfEachPositionsDataLargestFirstTiesByPosition) {
    const std::vector<Cobs> data = {
        Difference(0, 10, 20, 30, 1),
        Difference(10, 20, 30, 40, -2),
        Difference(0, 0, 10, 20, 3),  // a pole source: 0 counts once
        Difference(0, 10, 20, 30, NAN),
        Difference(20, 30, 40, 50, INFINITY),  // 50 is used by no other datum: no row
        Difference(0, 0, 0, 10, 2),            // A and M on one electrode: once
        Difference(-0.0, 10, 30, 40, 0),       // -0 is the position 0
        Difference(60, 70, 80, 90, 2),         // four positions with one rms
    };
    struct Row {
        double x;
        size_t count;
        double sumOfSquares;
    };
    const Row expected[] = {{20, 3, 14}, {60, 1, 4}, {70, 1, 4}, {80, 1, 4}, {90, 1, 4},
                            {10, 5, 18}, {0, 4, 14}, {40, 2, 4}, {30, 3, 5}};
    const std::vector<ElectrodeMisfit> rows = ElectrodeMisfits(data);
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(rows[k].x, expected[k].x);
        EXPECT_EQ(rows[k].count, expected[k].count);
        EXPECT_DOUBLE_EQ(rows[k].rms, std::sqrt(expected[k].sumOfSquares / expected[k].count));
    }
}

}  // namespace
}  // namespace oskava

// The orientation test: its sign is the exact one even within rounding distance of
// the line, where plain double arithmetic can give any answer.
#include <gtest/gtest.h>

#include <cmath>

#include "interp/Orientation.h"

namespace oskava {
namespace {

TEST(OrientationTest, ExactSignWithinRoundingDistanceOfTheLine) {
    // a and b on y = x; p on it or one unit in the last place above or below.
    for (const double x : {0.3, 1.7, 123.456, 9999.99}) {
        const double above = std::nextafter(x, 1e9);
        const double below = std::nextafter(x, -1e9);
        EXPECT_EQ(Orientation(0.1, 0.1, 0.7, 0.7, x, x), 0);
        EXPECT_EQ(Orientation(0.1, 0.1, 0.7, 0.7, x, above), 1) << x;
        EXPECT_EQ(Orientation(0.1, 0.1, 0.7, 0.7, x, below), -1) << x;
        EXPECT_EQ(Orientation(0.7, 0.7, 0.1, 0.1, x, above), -1) << x;
        EXPECT_EQ(ExactOrientation(0.1, 0.1, 0.7, 0.7, below, x), 1) << x;
    }
}

TEST(OrientationTest, ClearCasesAndAxisParallelLines) {
    EXPECT_EQ(Orientation(0, 0, 1, 0, 0.5, 1), 1);
    EXPECT_EQ(Orientation(0, 0, 1, 0, 0.5, -1), -1);
    EXPECT_EQ(Orientation(3, 7, 3, 9, 3, -100), 0);
    EXPECT_EQ(Orientation(3, 7, 8, 7, 1e6, 7), 0);
    EXPECT_EQ(Orientation(3, 7, 3, 9, std::nextafter(3.0, 0.0), 8), 1);
}

}  // namespace
}  // namespace oskava

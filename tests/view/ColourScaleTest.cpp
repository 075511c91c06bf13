#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "view/ColourScale.h"

namespace oskava {
namespace {

TEST(ColourTableTest, BothRampsHaveTheirTellingColoursAndFlipInReverse) {
    const ColourTable colours = BuildColourTable(true, false);
    const std::pair<int, Colour> ramp[] = {
        {0, Rgb(0, 0, 139)},   {9, Rgb(0, 0, 241)},    {10, Rgb(0, 0, 255)},
        {11, Rgb(0, 80, 255)}, {20, Rgb(0, 255, 255)}, {29, Rgb(0, 255, 80)},
        {30, Rgb(0, 255, 0)},  {39, Rgb(241, 255, 0)}, {40, Rgb(255, 255, 0)},
        {49, Rgb(255, 80, 0)}, {50, Rgb(255, 70, 0)},  {60, Rgb(255, 70, 150)}};
    for (const auto& [k, colour] : ramp) {
        EXPECT_EQ(colours[k], colour) << "colour " << k;
    }
    const ColourTable greys = BuildColourTable(false, false);
    const std::pair<int, Colour> grey[] = {{0, Rgb(250, 250, 250)},
                                           {30, Rgb(176, 176, 176)},
                                           {59, Rgb(32, 32, 32)},
                                           {60, Rgb(0, 0, 0)}};
    for (const auto& [k, colour] : grey) {
        EXPECT_EQ(greys[k], colour) << "grey " << k;
    }
    const ColourTable flipped = BuildColourTable(true, true);
    const ColourTable flippedGreys = BuildColourTable(false, true);
    for (int k = 0; k < kColourCount; ++k) {
        EXPECT_EQ(flipped[k], colours[60 - k]) << k;
        EXPECT_EQ(flippedGreys[k], greys[60 - k]) << k;
    }
}

TEST(ColourIndexTest, TruncatesClampsAndNeverConvertsUndefinedArithmetic) {
    EXPECT_EQ(ColourIndex(0, 0, 3), 0);
    EXPECT_EQ(ColourIndex(3, 0, 3), 60);
    EXPECT_EQ(ColourIndex(2.99, 0, 3), 59);
    EXPECT_EQ(ColourIndex(-1, 0, 3), 0);
    EXPECT_EQ(ColourIndex(7, 0, 3), 60);
    EXPECT_EQ(ColourIndex(-2.5, -3, -1), 15);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ColourIndex(std::numeric_limits<double>::quiet_NaN(), 0, 3), 0);
    EXPECT_EQ(ColourIndex(inf, 0, 3), 60);
    EXPECT_EQ(ColourIndex(-inf, 0, 3), 0);
    // A range of zero width, as Reset can leave it: below, at and above its value.
    EXPECT_EQ(ColourIndex(4, 5, 5), 0);
    EXPECT_EQ(ColourIndex(5, 5, 5), 0);
    EXPECT_EQ(ColourIndex(6, 5, 5), 60);
}

}  // namespace
}  // namespace oskava

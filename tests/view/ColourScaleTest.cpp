#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "view/ColourScale.h"

namespace oskava {
namespace {

TEST(ColourTableTest, BothRampsHaveTheirTellingColoursAndFlipInReverse) {
    const ColourTable colours = BuildColourTable(true, false);
    const ColourTable greys = BuildColourTable(false, false);
    const std::pair<int, Colour> ramp[] = {
        {0, Rgb(0, 0, 139)},   {9, Rgb(0, 0, 241)},    {10, Rgb(0, 0, 255)},
        {11, Rgb(0, 80, 255)}, {20, Rgb(0, 255, 255)}, {29, Rgb(0, 255, 80)},
        {30, Rgb(0, 255, 0)},  {39, Rgb(241, 255, 0)}, {40, Rgb(255, 255, 0)},
        {49, Rgb(255, 80, 0)}, {50, Rgb(255, 70, 0)},  {60, Rgb(255, 70, 150)}};
    for (const auto& [k, colour] : ramp) {
        EXPECT_EQ(colours[k], colour) << "colour " << k;
    }
    EXPECT_EQ(std::pair(greys[0], greys[59]), std::pair(Rgb(250, 250, 250), Rgb(32, 32, 32)));
    const ColourTable flipped = BuildColourTable(true, true);
    const ColourTable flippedGreys = BuildColourTable(false, true);
    for (int k = 0; k < kColourCount; ++k) {
        EXPECT_EQ(flipped[k], colours[60 - k]) << k;
        EXPECT_EQ(flippedGreys[k], greys[60 - k]) << k;
    }
}

TEST(ColourIndexTest, TruncatesClampsAndNeverConvertsUndefinedArithmetic) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // value, min, max, index; the last three on a range of zero width, as Reset leaves it.
    const double cases[][4] = {{0, 0, 3, 0},  {3, 0, 3, 60},      {2.99, 0, 3, 59}, {-1, 0, 3, 0},
                               {7, 0, 3, 60}, {-2.5, -3, -1, 15}, {nan, 0, 3, 0},   {4, 5, 5, 0},
                               {5, 5, 5, 0},  {6, 5, 5, 60}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColourIndex(c[0], c[1], c[2]), c[3]) << c[0] << " in " << c[1] << ".." << c[2];
    }
}

}  // namespace
}  // namespace oskava

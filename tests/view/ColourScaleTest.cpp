#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/ColourScale.h"

namespace oskava {
namespace {

struct Expected {
    int index;
    uint32_t red, green, blue;
};

void ExpectColours(const ColourTable& table, std::initializer_list<Expected> expected) {
    for (const Expected& e : expected) {
        const Colour c = table[e.index];
        EXPECT_EQ(RedOf(c), e.red) << "index " << e.index;
        EXPECT_EQ(GreenOf(c), e.green) << "index " << e.index;
        EXPECT_EQ(BlueOf(c), e.blue) << "index " << e.index;
    }
}

TEST(ColourTableTest, ColourRampRunsFromDarkBlueToPink) {
    ExpectColours(BuildColourTable(true, false), {{0, 0, 0, 139},
                                                  {9, 0, 0, 241},
                                                  {10, 0, 0, 255},
                                                  {11, 0, 80, 255},
                                                  {20, 0, 255, 255},
                                                  {29, 0, 255, 80},
                                                  {30, 0, 255, 0},
                                                  {39, 241, 255, 0},
                                                  {40, 255, 255, 0},
                                                  {49, 255, 80, 0},
                                                  {50, 255, 70, 0},
                                                  {60, 255, 70, 150}});
}

TEST(ColourTableTest, GreyRampRunsFromLightGreyToBlack) {
    ExpectColours(BuildColourTable(false, false),
                  {{0, 250, 250, 250}, {30, 176, 176, 176}, {59, 32, 32, 32}, {60, 0, 0, 0}});
}

TEST(ColourTableTest, FlippingReversesEitherRamp) {
    const ColourTable colours = BuildColourTable(true, false);
    const ColourTable flipped = BuildColourTable(true, true);
    const ColourTable greys = BuildColourTable(false, false);
    const ColourTable flippedGreys = BuildColourTable(false, true);
    for (int k = 0; k < kColourCount; ++k) {
        EXPECT_EQ(flipped[k], colours[60 - k]) << k;
        EXPECT_EQ(flippedGreys[k], greys[60 - k]) << k;
    }
    ExpectColours(flipped, {{0, 255, 70, 150}, {60, 0, 0, 139}});
}

TEST(ColourIndexTest, TruncatesAndClampsToTheEnds) {
    EXPECT_EQ(ColourIndex(0, 0, 3), 0);
    EXPECT_EQ(ColourIndex(3, 0, 3), 60);
    EXPECT_EQ(ColourIndex(2.99, 0, 3), 59);
    EXPECT_EQ(ColourIndex(-1, 0, 3), 0);
    EXPECT_EQ(ColourIndex(7, 0, 3), 60);
    EXPECT_EQ(ColourIndex(1.5, 0, 3), 30);
    EXPECT_EQ(ColourIndex(-2.5, -3, -1), 15);
}

TEST(ColourIndexTest, UndefinedArithmeticNeverReachesAnIntegerConversion) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(ColourIndex(nan, 0, 3), 0);
    EXPECT_EQ(ColourIndex(inf, 0, 3), 60);
    EXPECT_EQ(ColourIndex(-inf, 0, 3), 0);
    EXPECT_EQ(ColourIndex(1e300, -1e300, 1e-300), 60);
    // A range of zero width: below, at and above its one value.
    EXPECT_EQ(ColourIndex(4, 5, 5), 0);
    EXPECT_EQ(ColourIndex(5, 5, 5), 0);
    EXPECT_EQ(ColourIndex(6, 5, 5), 60);
}

}  // namespace
}  // namespace oskava

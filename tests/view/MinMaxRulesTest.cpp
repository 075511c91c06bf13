#include <gtest/gtest.h>

#include <cmath>

#include "view/MinMaxRules.h"

namespace oskava {
namespace {

TEST(MinMaxRulesTest, PanelTwoInPanelOnesQuantityOnlyForPredictedDataChecksOnlyInUse) {
    RangeLabelling labelling;
    labelling.resistivity = labelling.linear = labelling.secondPanel = true;
    labelling.secondTitle = "difference";
    const ColourRanges stored{-3, -1, -2.5, 2.5};
    MinMaxFields fields = DisplayedRanges(stored, labelling);
    EXPECT_EQ(fields.min2, -2.5);
    EXPECT_FALSE(fields.positive2);

    labelling.secondShowsPredicted = true;
    fields = DisplayedRanges(ColourRanges{-3, -1, -3, -1}, labelling);
    EXPECT_EQ(fields.max2, 1000);
    EXPECT_EQ(fields.min2, 10);
    EXPECT_TRUE(fields.positive2);
    fields.min2 = 100;
    EXPECT_EQ(StoredRanges(fields, labelling, stored).max2, -2);

    // The second group is checked only while in use.
    fields = MinMaxFields{};
    fields.min1 = 1;
    fields.max1 = 5;
    fields.min2 = 2;
    fields.max2 = 1;
    EXPECT_EQ(MinMaxRefusal(fields), "");
    fields.secondGroup = true;
    EXPECT_EQ(MinMaxRefusal(fields), "min. should be less than max.");
    fields.min2 = -1;
    fields.positive2 = true;
    EXPECT_EQ(MinMaxRefusal(fields), "min. and max. should be greater than 0.");
    fields.min2 = 0.5;
    EXPECT_EQ(MinMaxRefusal(fields), "");
    fields.max1 = NAN;  // either bound alone not a number
    EXPECT_EQ(MinMaxRefusal(fields), "Enter a number.");
}

}  // namespace
}  // namespace oskava

#include <gtest/gtest.h>

#include <limits>

#include "view/MinMaxRules.h"

namespace oskava {
namespace {

RangeLabelling Labels(bool resistivity, bool linear) {
    RangeLabelling labelling;
    labelling.resistivity = resistivity;
    labelling.linear = linear;
    return labelling;
}

TEST(MinMaxRulesTest, ResistivityWithLinearLabelsShowsResistivitiesAndStoresThemBack) {
    const ColourRanges stored{-3, -1, 0, 0};
    const RangeLabelling labelling = Labels(true, true);
    MinMaxFields fields = DisplayedRanges(stored, labelling);
    EXPECT_EQ(fields.max1, 1000);
    EXPECT_EQ(fields.min1, 10);
    EXPECT_TRUE(fields.positive1);
    EXPECT_FALSE(fields.secondGroup);

    const ColourRanges back = StoredRanges(fields, labelling, stored);
    EXPECT_EQ(back.min1, -3);
    EXPECT_EQ(back.max1, -1);

    fields.max1 = 100;  // resistivity 100 ohm-m: conductivity 0.01 S/m
    EXPECT_EQ(StoredRanges(fields, labelling, stored).min1, -2);
}

TEST(MinMaxRulesTest, ConductivityIsShownAsStoredOrAsPowersOfTen) {
    const ColourRanges stored{-3, -1, 0, 0};
    MinMaxFields logFields = DisplayedRanges(stored, Labels(false, false));
    EXPECT_EQ(logFields.min1, -3);
    EXPECT_EQ(logFields.max1, -1);
    EXPECT_FALSE(logFields.positive1);
    MinMaxFields linear = DisplayedRanges(stored, Labels(false, true));
    EXPECT_DOUBLE_EQ(linear.min1, 0.001);
    EXPECT_DOUBLE_EQ(linear.max1, 0.1);
    MinMaxFields logResistivity = DisplayedRanges(stored, Labels(true, false));
    EXPECT_EQ(logResistivity.min1, 1);
    EXPECT_EQ(logResistivity.max1, 3);
}

TEST(MinMaxRulesTest, OnlyPredictedDataInPanelTwoAreConverted) {
    const ColourRanges stored{-3, -1, -2.5, 2.5};
    RangeLabelling labelling = Labels(true, true);
    labelling.secondPanel = true;
    labelling.secondTitle = "difference";
    MinMaxFields fields = DisplayedRanges(stored, labelling);
    EXPECT_TRUE(fields.secondGroup);
    EXPECT_EQ(fields.secondTitle, "difference");
    EXPECT_EQ(fields.min2, -2.5);
    EXPECT_EQ(fields.max2, 2.5);
    EXPECT_FALSE(fields.positive2);
    fields.min2 = -4;
    EXPECT_EQ(StoredRanges(fields, labelling, stored).min2, -4);

    labelling.secondShowsPredicted = true;
    labelling.secondTitle = "predicted";
    const ColourRanges predicted{-3, -1, -3, -1};
    fields = DisplayedRanges(predicted, labelling);
    EXPECT_EQ(fields.max2, 1000);
    EXPECT_EQ(fields.min2, 10);
    EXPECT_TRUE(fields.positive2);
    const ColourRanges back = StoredRanges(fields, labelling, predicted);
    EXPECT_EQ(back.min2, -3);
    EXPECT_EQ(back.max2, -1);
}

TEST(MinMaxRulesTest, UnusedSecondGroupIsNeitherShownNorStored) {
    const ColourRanges stored{0, 1, 7, 8};
    RangeLabelling labelling = Labels(false, false);
    labelling.secondTitle = "errors";
    MinMaxFields fields = DisplayedRanges(stored, labelling);
    EXPECT_EQ(fields.secondTitle, "");
    fields.min2 = 99;
    fields.max2 = -99;
    EXPECT_EQ(MinMaxRefusal(fields), "");
    const ColourRanges back = StoredRanges(fields, labelling, stored);
    EXPECT_EQ(back.min2, 7);
    EXPECT_EQ(back.max2, 8);
}

TEST(MinMaxRulesTest, RefusesMinimumNotBelowMaximumAndNonPositiveLinearValues) {
    MinMaxFields fields;
    fields.min1 = 5;
    fields.max1 = 5;
    EXPECT_EQ(MinMaxRefusal(fields), "min. should be less than max.");
    fields.min1 = -5;
    EXPECT_EQ(MinMaxRefusal(fields), "");
    fields.positive1 = true;
    EXPECT_EQ(MinMaxRefusal(fields), "min. and max. should be greater than 0.");
    fields.min1 = 0;
    EXPECT_EQ(MinMaxRefusal(fields), "min. and max. should be greater than 0.");
    fields.min1 = 1;
    EXPECT_EQ(MinMaxRefusal(fields), "");

    fields.secondGroup = true;
    fields.min2 = 2;
    fields.max2 = 1;
    EXPECT_EQ(MinMaxRefusal(fields), "min. should be less than max.");
    fields.min2 = -1;
    fields.positive2 = true;
    EXPECT_EQ(MinMaxRefusal(fields), "min. and max. should be greater than 0.");
    fields.positive2 = false;
    EXPECT_EQ(MinMaxRefusal(fields), "");

    fields.max1 = std::numeric_limits<double>::infinity();
    EXPECT_EQ(MinMaxRefusal(fields), "Enter a number.");
}

}  // namespace
}  // namespace oskava

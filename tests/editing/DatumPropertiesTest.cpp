// The Data Properties window: the click that fills it, value and percent, Set and
// Delete, and values that follow the edits when predicted data are loaded.
#include <gtest/gtest.h>

#include <cmath>

#include "editing/DataEdits.h"
#include "editing/DatumProperties.h"
#include "editing/GaussianNoise.h"
#include "survey/Misfit.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

class DatumPropertiesTest : public test::ViewFixture {
  protected:
    int32_t Click(size_t r) {
        const ScreenRect& s = doc.observations[r].screenRect;
        return doc.ShowDatumProperties((s.left + s.right) / 2, (s.top + s.bottom) / 2);
    }
    DatPropFields& Fields() { return doc.propertiesDialog->fields; }
};

TEST_F(DatumPropertiesTest, ClicksOpenOneWindowAndRefillIt) {
    Load(test::FourDipoles());
    EXPECT_EQ(doc.ShowDatumProperties(-5000, -5000), -1);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_EQ(Click(1), 1);
    EXPECT_EQ(Fields().datum, -0.05);
    EXPECT_EQ(Fields().apparentResistivity, std::pow(10.0, -doc.observations[1].displayValue));
    EXPECT_EQ(Click(3), 3);
    EXPECT_EQ(Fields().xa, 210);
    EXPECT_EQ(std::pair(prompts.windowsOpened, prompts.windowShows), std::pair(1, 2));
    // Overlapping markers: the datum earliest in the data set wins.
    doc.observations[2].screenRect = doc.observations[3].screenRect;
    EXPECT_EQ(Click(3), 2);
    // A click in panel 2 at zoom 1 (device = logical + (1200, 2000), panel 2 lower by
    // 5000) selects the datum below it and repaints both panels' marks.
    view.ToggleErrors();
    ZoomToLogicalUnits();
    const ScreenRect& s = doc.observations[1].screenRect;
    host.requests.clear();
    view.OnLButtonDown(Point{(s.left + s.right) / 2 + 1200, (s.top + s.bottom) / 2 + 7000},
                       Point{0, 0});
    EXPECT_EQ(doc.selectedDatum, 1);
    EXPECT_EQ(host.requests, std::vector<std::string>{"invalidate"});
}

TEST_F(DatumPropertiesTest, SetConvertsBetweenValueAndPercent) {
    Load({{0, 20, 40, 60, -0.05, 0.0025}, {440, 460, 480, 500, -0.02, 0.001}});
    Click(0);
    EXPECT_DOUBLE_EQ(Fields().errorPercent, 5);
    Fields().valueMode = false;
    ASSERT_FALSE(PressSet(doc, "0.0025", "10").Refused());
    EXPECT_DOUBLE_EQ(Fields().errorValue, 0.005);
    EXPECT_DOUBLE_EQ(doc.observations[0].stdDev, 0.005);
    EXPECT_TRUE(doc.IsModified());
    Fields().valueMode = true;
    ASSERT_FALSE(PressSet(doc, "0.001", "10").Refused());
    EXPECT_DOUBLE_EQ(Fields().errorPercent, 2);
    const Refusal refusal = PressSet(doc, "20000", "2");
    EXPECT_EQ(refusal.message, "Enter a number between 0 and 10000.");
    EXPECT_EQ(refusal.control, control::ErrorValue);
    EXPECT_DOUBLE_EQ(doc.observations[0].stdDev, 0.001);
}

TEST_F(DatumPropertiesTest, IpDataAndADatumOfZeroHaveNoPercentage) {
    Load({{0, 20, 40, 60, 0.3, 0.01}, {440, 460, 480, 500, 0, 0.01}}, false);
    Click(0);
    EXPECT_FALSE(Fields().isDC);
    EXPECT_FALSE(Fields().PercentSelectable());
    ASSERT_FALSE(PressSet(doc, "0.7", "0.05").Refused());
    EXPECT_EQ(doc.observations[0].stdDev, 0.7);

    Load({{0, 20, 40, 60, -0.05, 0.0025}, {440, 460, 480, 500, 0, 0.01}});
    Click(0);
    Fields().valueMode = false;
    Click(1);
    EXPECT_TRUE(Fields().valueMode);
    EXPECT_FALSE(Fields().PercentSelectable());
    EXPECT_EQ(ShownFieldText(Fields().errorPercent), "");
    ASSERT_FALSE(PressSet(doc, "0.3", "").Refused());
    EXPECT_EQ(doc.observations[1].stdDev, 0.3);
    EXPECT_EQ(ShownFieldText(Fields().errorPercent), "");
}

TEST_F(DatumPropertiesTest, DeleteAndCloseRemoveTheWindowAndRepaint) {
    Load(test::FourDipoles());
    Click(1);
    PressDelete(doc);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_EQ(doc.observations[1].datum, -0.02);
    Click(0);
    host.requests.clear();
    CloseDatumProperties(doc);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_EQ(host.requests, std::vector<std::string>{"invalidate"});

    Load({{0, 20, 40, 60, -0.05}});
    Click(0);
    PressDelete(doc);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"All data deleted."});
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_FALSE(doc.DataCommandsEnabled());
}

TEST_F(DatumPropertiesTest, EditsRecomputeDifferencesAndMisfitWithPredictedData) {
    LoadWithPredicted(test::FourDipoles(), {0, 0, 0, 0});
    view.ToggleDifference();
    Click(1);
    const auto expectCurrent = [&] {
        for (const Cobs& r : doc.observations) {
            EXPECT_DOUBLE_EQ(r.normalizedDiff, (r.datum - r.predicted) / r.stdDev);
        }
        EXPECT_EQ(view.misfit, DataMisfit(doc.observations));
        EXPECT_EQ(Fields().normalizedDiff, doc.observations[1].normalizedDiff);
        EXPECT_EQ(Fields().errorValue, doc.observations[1].stdDev);
    };
    AssignStdDev(doc, 5, 0.001);
    expectCurrent();
    EXPECT_GT(view.misfit, 0);
    ASSERT_FALSE(PressSet(doc, "0.5", "1").Refused());
    expectCurrent();
    GaussianDeviates deviates;
    AddGaussianNoise(doc, 5, 0.001, deviates);
    expectCurrent();
    EXPECT_EQ(Fields().datum, doc.observations[1].datum);
}

}  // namespace
}  // namespace oskava

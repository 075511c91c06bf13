#include <cmath>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using Requests = std::vector<std::string>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class DisplayModes : public ViewFixture {
  protected:
    static std::string Validate(const Rect& r) {
        return CFormat("validate %d,%d %d,%d", r.left, r.top, r.right, r.bottom);
    }
    // Draws once on the screen, so that the panel rectangles are known.
    void DrawOnScreen() {
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas);
        view.OnDraw(canvas);
        host.requests.clear();
    }
};

TEST_F(DisplayModes, ErrorsOfFivePercentEverywhereGiveANarrowRangeAroundFive) {
    std::vector<Datum> data = FourDipoles();
    for (Datum& d : data) {
        d.stdDev = 0.05 * std::fabs(d.datum);
    }
    Load(data);
    DrawOnScreen();
    view.Commands().Execute(command::Errors);
    EXPECT_TRUE(view.secondPanel);
    for (const double v : view.mesh.secondValues) {
        EXPECT_NEAR(v, 5, 1e-12);
    }
    EXPECT_NEAR(view.range2Min, 4.999, 1e-9);
    EXPECT_NEAR(view.range2Max, 5.001, 1e-9);
    EXPECT_EQ(host.requests,
              (Requests{"scroll 800,580", "fit", "invalidate", Validate(view.panelRect[0])}));
}

TEST_F(DisplayModes, DifferenceRangeAndMisfit) {
    LoadWithPredicted(FourDipoles(), {-0.5, 3, 1, 0});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, -3);
    EXPECT_EQ(view.range2Max, 3);
    LoadWithPredicted(FourDipoles(), {0.2, 3, 1, 2});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 0.2);
    EXPECT_EQ(view.range2Max, 3);

    std::vector<Datum> three = FourDipoles();
    three.erase(three.begin() + 2);
    LoadWithPredicted(three, {1, -2, 2});
    view.Commands().Execute(command::Difference);
    EXPECT_TRUE(view.showDifference);
    EXPECT_FALSE(view.showPredicted);
    EXPECT_EQ(Render().Texts().back(),
              "Observed - Predicted (Normalized by Stn Dev), data misfit = 9.0");

    // Without standard deviations: 2 / 0 is infinite, 0 / 0 undefined.
    LoadWithPredicted(FourDipoles(), {1, kInf, kNaN, 2});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 1);
    EXPECT_EQ(view.range2Max, 2);
    EXPECT_EQ(Render().Texts().back(),
              "Observed - Predicted (Normalized by Stn Dev), data misfit = inf");
    LoadWithPredicted(FourDipoles(), {kNaN, kNaN, kNaN, kNaN});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 0);
    EXPECT_EQ(view.range2Max, 0);
    EXPECT_EQ(view.misfit, 0);
}

TEST_F(DisplayModes, PredictedPanelOpensWithPanelOnesRangeAndModesExcludeEachOther) {
    const CommandTarget& commands = view.Commands();
    Load(FourDipoles());
    EXPECT_FALSE(commands.State(command::PredictedData).enabled);
    EXPECT_FALSE(commands.State(command::Difference).enabled);
    EXPECT_FALSE(view.secondPanel);

    LoadWithPredicted(FourDipoles(), {0, 0, 0, 0});
    EXPECT_TRUE(commands.State(command::PredictedData).enabled);
    EXPECT_TRUE(commands.State(command::PredictedData).checked);
    EXPECT_EQ(view.range2Min, view.rangeMin);
    EXPECT_EQ(view.range2Max, view.rangeMax);
    for (size_t node = 0; node < 4; ++node) {
        const Cobs& record = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(view.mesh.secondValues[node], record.predictedDisplayValue);
    }
    view.ToggleErrors();
    EXPECT_FALSE(view.showPredicted);
    EXPECT_TRUE(view.secondPanel);
    view.ToggleErrors();
    EXPECT_FALSE(view.secondPanel);
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
}

TEST_F(DisplayModes, RemovingRecordsKeepsRangesAndRecomputesTheShownMode) {
    LoadWithPredicted(FourDipoles(), {1, -2, 2, 3});
    view.ToggleDifference();
    view.rangeMin = -7;
    ASSERT_EQ(view.misfit, 18);
    doc.observations.erase(doc.observations.begin() + 3);
    doc.dataCount = 3;
    ASSERT_TRUE(doc.ProcessData());
    doc.UpdateAllViews(1);
    EXPECT_EQ(view.rangeMin, -7);
    EXPECT_TRUE(view.showDifference);
    EXPECT_EQ(view.misfit, 9);
    EXPECT_EQ(view.mesh.secondValues.size(), 3u);

    for (size_t i = 0; i < 3; ++i) {
        doc.observations[i].displayValue = static_cast<double>(i);
    }
    view.ReloadDisplayValues();
    for (size_t node = 0; node < 3; ++node) {
        EXPECT_EQ(view.mesh.displayValues[node], view.mesh.order[node] - 1);
    }
}

TEST_F(DisplayModes, MinMaxStaysOpenUntilItsFieldsAreAccepted) {
    Load(FourDipoles());
    MinMaxFields equal = view.RangeFields();
    equal.min1 = equal.max1 = 50;
    MinMaxFields zero = equal;
    zero.min1 = 0;
    MinMaxFields good = equal;
    good.min1 = 10;
    good.max1 = 10000;
    prompts.minMaxEdits = {
        {DialogResult::Ok, equal}, {DialogResult::Ok, zero}, {DialogResult::Ok, good}};
    view.EditRanges();
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{
                  {"min. should be less than max.", MessageKind::Plain},
                  {"min. and max. should be greater than 0.", MessageKind::Plain}}));
    ASSERT_EQ(prompts.minMaxShown.size(), 3u);
    EXPECT_EQ(prompts.minMaxShown[1].min1, 50);  // reopened with what was typed
    EXPECT_EQ(view.rangeMin, -4);
    EXPECT_EQ(view.rangeMax, -1);

    // With log labels the stored logarithms are shown and may be negative.
    view.logLabels = true;
    MinMaxFields negative = view.RangeFields();
    negative.min1 = -1;
    prompts.minMaxEdits.push_back({DialogResult::Ok, negative});
    view.EditRanges();
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(view.rangeMax, 1);
}

TEST_F(DisplayModes, MinMaxResetAndCancel) {
    std::vector<Datum> data = FourDipoles();
    for (size_t i = 0; i < data.size(); ++i) {
        data[i].stdDev = std::fabs(data[i].datum) * 0.01 * (i + 1);
    }
    Load(data);
    view.ToggleErrors();
    view.rangeMin = view.range2Min = -9;
    view.rangeMax = view.range2Max = 9;
    host.requests.clear();
    view.EditRanges();  // no scripted edit: Cancel
    EXPECT_EQ(view.rangeMin, -9);
    EXPECT_TRUE(host.requests.empty());
    EXPECT_EQ(prompts.minMaxShown[0].secondTitle, "errors");
    EXPECT_EQ(prompts.minMaxShown[0].min2, -9);  // standard deviations shown as they are

    MinMaxFields reset;
    reset.reset = true;  // Reset takes no range check
    prompts.minMaxEdits.push_back({DialogResult::Ok, reset});
    view.EditRanges();
    EXPECT_EQ(view.rangeMin, doc.valueMin);
    EXPECT_EQ(view.rangeMax, doc.valueMax);
    EXPECT_NEAR(view.range2Min, 1, 1e-12);
    EXPECT_NEAR(view.range2Max, 4, 1e-12);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DisplayModes, EnablingAndCheckRulesOfTheViewsCommands) {
    const CommandTarget& commands = view.Commands();
    using S = std::pair<bool, bool>;
    const auto state = [&](int id) {
        const CommandState s = commands.State(id);
        return S(s.enabled, s.checked);
    };
    for (const int id : {command::Interpolate, command::DataPoints, command::Errors, command::Log10,
                         command::ConductivityResistivity, command::MinMax, command::IpUnits}) {
        EXPECT_FALSE(commands.State(id).enabled) << id;  // nothing loaded
    }
    EXPECT_EQ(state(command::EditCopy), S(true, false));
    EXPECT_EQ(state(command::ColourBw), S(true, false));
    EXPECT_EQ(state(command::FlipColours), S(true, false));

    Load(FourDipoles());
    EXPECT_EQ(state(command::Interpolate), S(true, true));
    EXPECT_EQ(state(command::DataPoints), S(true, true));
    EXPECT_EQ(state(command::ConductivityResistivity), S(true, false));
    EXPECT_EQ(state(command::MinMax), S(true, false));
    commands.Execute(command::Interpolate);
    EXPECT_EQ(state(command::DataPoints), S(false, true));
    commands.Execute(command::FlipColours);
    EXPECT_EQ(state(command::FlipColours), S(true, true));
    EXPECT_EQ(view.colourTable[0], Rgb(255, 70, 150));
    commands.Execute(command::ColourBw);
    EXPECT_EQ(view.colourTable[0], Rgb(0, 0, 0));

    Load(InsideAB(10), false);
    EXPECT_EQ(state(command::IpUnits), S(true, false));
    EXPECT_EQ(state(command::Log10), S(false, true));
    EXPECT_EQ(state(command::ConductivityResistivity), S(false, false));
}

}  // namespace
}  // namespace oskava::test

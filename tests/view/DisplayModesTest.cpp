#include <cmath>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

class DisplayModes : public ViewFixture {
protected:
    // The requests that keep panel 1 (and panel 2) from being repainted.
    std::vector<std::string> AroundPanels(bool second) const {
        std::vector<std::string> requests{"invalidate", Validate(view.panelRect[0])};
        if (second) {
            requests.push_back(Validate(view.panelRect[1]));
        }
        return requests;
    }
    static std::string Validate(const Rect& r) {
        return CFormat("validate %d,%d %d,%d", r.left, r.top, r.right, r.bottom);
    }
    // Draws once so that the panel rectangles are known.
    void DrawOnScreen() {
        RecordingCanvas canvas;
        view.PrepareCanvas(canvas);
        view.OnDraw(canvas);
        host.requests.clear();
    }
    // Dipoles at (150, 100), (30, 20) and (250, 30) m.
    static std::vector<Datum> ThreeDipoles() {
        std::vector<Datum> data = FourDipoles();
        data.erase(data.begin() + 2);
        return data;
    }
    static constexpr double kInf = std::numeric_limits<double>::infinity();
    static constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
};

TEST_F(DisplayModes, ErrorsOfFivePercentEverywhereGiveANarrowRangeAroundFive) {
    std::vector<Datum> data = FourDipoles();
    for (Datum& d : data) {
        d.stdDev = 0.05 * std::fabs(d.datum);
    }
    Load(data);
    DrawOnScreen();
    view.Commands().Execute(command::Errors);
    EXPECT_TRUE(view.showErrors);
    EXPECT_TRUE(view.secondPanel);
    for (const double v : view.mesh.secondValues) {
        EXPECT_NEAR(v, 5, 1e-12);
    }
    EXPECT_NEAR(view.range2Min, 4.999, 1e-9);
    EXPECT_NEAR(view.range2Max, 5.001, 1e-9);
    EXPECT_EQ(host.requests, (std::vector<std::string>{"scroll 800,580", "fit", "invalidate",
                                                       Validate(view.panelRect[0])}));
}

TEST_F(DisplayModes, ErrorsOfIpDataAreTheStandardDeviationsInNodeOrder) {
    std::vector<Datum> data = InsideAB(10);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i].stdDev = 0.1 * (i + 1);
    }
    Load(data, false);
    view.ToggleErrors();
    for (size_t node = 0; node < 4; ++node) {
        const Cobs& record = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(view.mesh.secondValues[node], record.stdDev);
    }
    EXPECT_DOUBLE_EQ(view.range2Min, 0.1);
    EXPECT_DOUBLE_EQ(view.range2Max, 0.4);
}

TEST_F(DisplayModes, AZeroDatumStaysOutOfTheErrorsRange) {
    std::vector<Datum> data = FourDipoles();
    for (Datum& d : data) {
        d.stdDev = 0.001;
    }
    Load(data);
    doc.observations[1].datum = 0;  // as a later edit could leave it
    view.ToggleErrors();
    EXPECT_DOUBLE_EQ(view.range2Min, 5);    // 0.001 / 0.02 in percent
    EXPECT_DOUBLE_EQ(view.range2Max, 100);  // 0.001 / 0.001 in percent
    view.interpolate = false;
    EXPECT_EQ(Render().CallsOf(CanvasCall::Kind::Ellipse).size(), 4u + 3u);

    for (Cobs& record : doc.observations) {
        record.datum = 0;
    }
    view.RefreshErrors();
    EXPECT_EQ(view.range2Min, -0.001);
    EXPECT_EQ(view.range2Max, 0.001);
}

TEST_F(DisplayModes, DifferenceRangeIsMadeSymmetricOnlyWhenItStraddlesZero) {
    LoadWithPredicted(FourDipoles(), {-0.5, 3, 1, 0});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, -3);
    EXPECT_EQ(view.range2Max, 3);
    LoadWithPredicted(FourDipoles(), {0.2, 3, 1, 2});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 0.2);
    EXPECT_EQ(view.range2Max, 3);
}

TEST_F(DisplayModes, MisfitIsTheSumOfSquaredNormalizedDifferences) {
    LoadWithPredicted(ThreeDipoles(), {1, -2, 2});
    view.Commands().Execute(command::Difference);
    EXPECT_TRUE(view.showDifference);
    EXPECT_FALSE(view.showPredicted);
    EXPECT_EQ(view.misfit, 9);
    EXPECT_EQ(Render().Texts().back(),
              "Observed - Predicted (Normalized by Stn Dev), data misfit = 9.0");
}

TEST_F(DisplayModes, DifferencesWithoutStandardDeviationsStayOutOfRangeAndImage) {
    // 2 / 0 is infinite, 0 / 0 undefined.
    LoadWithPredicted(FourDipoles(), {1, kInf, kNaN, 2});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 1);
    EXPECT_EQ(view.range2Max, 2);
    EXPECT_EQ(view.misfit, kInf);
    EXPECT_EQ(Render().Texts().back(),
              "Observed - Predicted (Normalized by Stn Dev), data misfit = inf");
    LoadWithPredicted(FourDipoles(), {kNaN, kNaN, kNaN, kNaN});
    view.ToggleDifference();
    EXPECT_EQ(view.range2Min, 0);
    EXPECT_EQ(view.range2Max, 0);
    EXPECT_EQ(view.misfit, 0);
}

TEST_F(DisplayModes, PredictedPanelOpensWithPanelOnesRange) {
    const CommandTarget& commands = view.Commands();
    Load(FourDipoles());
    EXPECT_FALSE(commands.State(command::PredictedData).enabled);
    EXPECT_FALSE(commands.State(command::Difference).enabled);
    EXPECT_FALSE(view.secondPanel);

    LoadWithPredicted(FourDipoles(), {0, 0, 0, 0});
    EXPECT_TRUE(commands.State(command::PredictedData).enabled);
    EXPECT_TRUE(view.showPredicted);
    EXPECT_TRUE(commands.State(command::PredictedData).checked);
    EXPECT_EQ(view.range2Min, view.rangeMin);
    EXPECT_EQ(view.range2Max, view.rangeMax);
    for (size_t node = 0; node < 4; ++node) {
        const Cobs& record = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(view.mesh.secondValues[node], record.predictedDisplayValue);
    }
    EXPECT_EQ(view.totalSize, (Size{800, 580}));

    // Errors replace the predicted panel; turning them off removes panel 2.
    view.ToggleErrors();
    EXPECT_FALSE(view.showPredicted);
    EXPECT_TRUE(view.secondPanel);
    view.ToggleErrors();
    EXPECT_FALSE(view.secondPanel);
    EXPECT_EQ(view.totalSize, (Size{800, 290}));
    view.TogglePredicted();
    view.TogglePredicted();
    EXPECT_FALSE(view.secondPanel);
}

TEST_F(DisplayModes, RemovingRecordsRecomputesTheShownMode) {
    LoadWithPredicted(FourDipoles(), {1, -2, 2, 3});
    view.ToggleDifference();
    ASSERT_EQ(view.misfit, 18);
    doc.dataReady = false;
    doc.observations.erase(doc.observations.begin() + 3);
    doc.dataCount = 3;
    ASSERT_TRUE(doc.ProcessData());
    doc.dataReady = true;
    doc.UpdateAllViews(1);
    EXPECT_TRUE(view.showDifference);
    EXPECT_EQ(view.misfit, 9);
    EXPECT_EQ(view.mesh.secondValues.size(), 3u);
}

TEST_F(DisplayModes, ReloadedDisplayValuesFollowTheNodeOrder) {
    Load(FourDipoles());
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        doc.observations[i].displayValue = static_cast<double>(i);
    }
    view.ReloadDisplayValues();
    for (size_t node = 0; node < 4; ++node) {
        EXPECT_EQ(view.mesh.displayValues[node], view.mesh.order[node] - 1);
    }
}

TEST_F(DisplayModes, MinMaxShowsResistivitiesAndRoundTrips) {
    Load(FourDipoles());
    view.rangeMin = -3;
    view.rangeMax = -1;
    MinMaxFields unchanged = view.RangeFields();
    prompts.minMaxEdits.push_back({DialogResult::Ok, unchanged});
    view.Commands().Execute(command::MinMax);
    ASSERT_EQ(prompts.minMaxShown.size(), 1u);
    EXPECT_EQ(prompts.minMaxShown[0].max1, 1000);
    EXPECT_EQ(prompts.minMaxShown[0].min1, 10);
    EXPECT_FALSE(prompts.minMaxShown[0].secondGroup);
    EXPECT_EQ(view.rangeMin, -3);
    EXPECT_EQ(view.rangeMax, -1);
    EXPECT_EQ(host.requests.back(), "invalidate");

    MinMaxFields narrower = unchanged;
    narrower.max1 = 100;
    prompts.minMaxEdits.push_back({DialogResult::Ok, narrower});
    view.EditRanges();
    EXPECT_EQ(view.rangeMin, -2);
    EXPECT_EQ(view.rangeMax, -1);
}

TEST_F(DisplayModes, MinMaxStaysOpenUntilItsFieldsAreAccepted) {
    Load(FourDipoles());
    view.rangeMin = -3;
    view.rangeMax = -1;
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
    EXPECT_EQ(negative.min1, 1);
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
    EXPECT_TRUE(prompts.minMaxShown[0].secondGroup);
    EXPECT_EQ(prompts.minMaxShown[0].secondTitle, "errors");
    EXPECT_EQ(prompts.minMaxShown[0].min2, -9);  // standard deviations shown as they are

    MinMaxFields reset;
    reset.reset = true;
    reset.min1 = reset.max1 = 0;  // Reset takes no range check
    prompts.minMaxEdits.push_back({DialogResult::Ok, reset});
    view.EditRanges();
    EXPECT_EQ(view.rangeMin, doc.valueMin);
    EXPECT_EQ(view.rangeMax, doc.valueMax);
    EXPECT_NEAR(view.range2Min, 1, 1e-12);
    EXPECT_NEAR(view.range2Max, 4, 1e-12);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DisplayModes, LabelCommandsRepaintAroundThePanels) {
    Load(FourDipoles());
    view.ToggleErrors();
    DrawOnScreen();
    view.Commands().Execute(command::Log10);
    EXPECT_TRUE(view.logLabels);
    EXPECT_EQ(host.requests, AroundPanels(true));
    host.requests.clear();
    view.Commands().Execute(command::ConductivityResistivity);
    EXPECT_TRUE(view.showConductivity);
    EXPECT_EQ(host.requests, AroundPanels(true));
    view.ToggleErrors();
    host.requests.clear();
    view.ToggleLogLabels();
    EXPECT_EQ(host.requests, AroundPanels(false));

    host.requests.clear();
    view.Commands().Execute(command::ColourBw);
    EXPECT_FALSE(view.colourMode);
    EXPECT_EQ(view.colourTable[0], Rgb(250, 250, 250));
    view.Commands().Execute(command::FlipColours);
    EXPECT_EQ(view.colourTable[0], Rgb(0, 0, 0));
    EXPECT_TRUE(view.Commands().State(command::FlipColours).checked);
    EXPECT_EQ(host.requests, (std::vector<std::string>{"invalidate", "invalidate"}));
}

TEST_F(DisplayModes, IpUnitsRelabelWithoutRepaintingThePanels) {
    Load(InsideAB(10), false);
    view.ToggleErrors();
    DrawOnScreen();
    prompts.ipUnitChoices = {4, -1};
    view.Commands().Execute(command::IpUnits);
    EXPECT_EQ(doc.ipUnits, 4);
    EXPECT_EQ(host.requests, AroundPanels(true));
    host.requests.clear();
    view.Commands().Execute(command::IpUnits);  // Cancel
    EXPECT_EQ(doc.ipUnits, 4);
    EXPECT_TRUE(host.requests.empty());
}

TEST_F(DisplayModes, EnablingAndCheckRulesOfTheViewsCommands) {
    const CommandTarget& commands = view.Commands();
    const auto state = [&](int id) {
        const CommandState s = commands.State(id);
        return std::make_pair(s.enabled, s.checked);
    };
    using S = std::pair<bool, bool>;
    // Nothing loaded: only the commands without a rule are enabled.
    for (const int id :
         {command::Interpolate, command::DataPoints, command::Errors, command::PredictedData,
          command::Difference, command::Log10, command::ConductivityResistivity, command::MinMax,
          command::ZoomIn, command::ZoomOut, command::FontDecrease, command::FontIncrease}) {
        EXPECT_FALSE(commands.State(id).enabled) << id;
    }
    EXPECT_EQ(state(command::EditCopy), S(true, false));
    EXPECT_EQ(state(command::ColourBw), S(true, false));
    EXPECT_EQ(state(command::FlipColours), S(true, false));
    EXPECT_EQ(state(command::IpUnits), S(false, false));

    Load(FourDipoles());
    EXPECT_EQ(state(command::Interpolate), S(true, true));
    EXPECT_EQ(state(command::DataPoints), S(true, true));
    EXPECT_EQ(state(command::Errors), S(true, false));
    EXPECT_EQ(state(command::Log10), S(true, false));
    EXPECT_EQ(state(command::ConductivityResistivity), S(true, false));
    EXPECT_EQ(state(command::MinMax), S(true, false));
    commands.Execute(command::Interpolate);
    EXPECT_EQ(state(command::Interpolate), S(true, false));
    EXPECT_EQ(state(command::DataPoints), S(false, true));
    commands.Execute(command::DataPoints);
    EXPECT_EQ(state(command::DataPoints), S(false, false));
    commands.Execute(command::Errors);
    EXPECT_EQ(state(command::Errors), S(true, true));

    Load(InsideAB(10), false);
    EXPECT_EQ(state(command::IpUnits), S(true, false));
    EXPECT_EQ(state(command::Log10), S(false, true));
    EXPECT_EQ(state(command::ConductivityResistivity), S(false, false));
}

}  // namespace
}  // namespace oskava::test

#include <cmath>
#include <limits>

#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava::test {
namespace {

using Requests = std::vector<std::string>;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using DisplayModes = ViewFixture;

TEST_F(DisplayModes, DifferenceRangeAndMisfit) {
    struct Case {
        std::vector<double> diffs;
        double min, max;
        const char* misfit;
    };
    for (const Case& c :
         {Case{{-1, 3, 1, 0}, -3, 3, "11.0"},
          // Without standard deviations: 2 / 0 is infinite, 0 / 0 undefined.
          Case{{1, kInf, kNaN, 2}, 1, 2, "inf"}, Case{{kNaN, kNaN, kNaN, kNaN}, 0, 0, "0.0"}}) {
        LoadWithPredicted(FourDipoles(), c.diffs);
        RecordingCanvas screen;  // drawn once, so that the panel rectangles are known
        view.PrepareCanvas(screen);
        view.OnDraw(screen);
        view.Commands().Execute(command::Difference);
        EXPECT_EQ(std::pair(view.range2Min, view.range2Max), std::pair(c.min, c.max));
        EXPECT_EQ(
            Render().Texts().back(),
            std::string("Observed - Predicted (Normalized by Stn Dev), data misfit = ") + c.misfit);
        // Only panel 2 changes: panel 1 is kept from repainting.
        ASSERT_GE(host.requests.size(), 2u);
        const Rect& r = view.panelRect[0];
        EXPECT_EQ(Requests(host.requests.end() - 2, host.requests.end()),
                  (Requests{"invalidate",
                            CFormat("validate %d,%d %d,%d", r.left, r.top, r.right, r.bottom)}));
        const std::string validated = host.requests.back();
        view.Commands().Execute(command::PredictedData);
        EXPECT_EQ(host.requests.back(), validated);
    }
}

TEST_F(DisplayModes, PredictedPanelOpensWithPanelOnesRangeAndModesExcludeEachOther) {
    LoadWithPredicted(FourDipoles(), {0, 0, 0, 0});
    EXPECT_TRUE(view.showPredicted && view.secondPanel);
    EXPECT_EQ(std::pair(view.range2Min, view.range2Max), std::pair(view.rangeMin, view.rangeMax));
    for (size_t node = 0; node < 4; ++node) {
        const Cobs& record = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(view.mesh.secondValues[node], record.predictedDisplayValue);
        EXPECT_EQ(view.mesh.nodeY[node], record.pseudoDepth * view.scale);
    }
    view.ToggleErrors();
    EXPECT_FALSE(view.showPredicted);

    // Equal standard deviations, 2 % each, still give the errors panel a range.
    std::vector<Datum> data = FourDipoles();
    for (Datum& d : data) {
        d.stdDev = std::fabs(d.datum) * 0.02;
    }
    Load(data);
    view.ToggleErrors();
    EXPECT_NEAR(view.range2Min, 1.999, 1e-9);
    EXPECT_NEAR(view.range2Max, 2.001, 1e-9);
}

TEST_F(DisplayModes, MinMaxStaysOpenUntilItsFieldsAreAcceptedAndResetTakesNoCheck) {
    std::vector<Datum> data = FourDipoles();
    for (size_t i = 0; i < data.size(); ++i) {
        data[i].stdDev = std::fabs(data[i].datum) * 0.01 * (i + 1);
    }
    Load(data);
    // OK on the fields as shown now, with panel 1's range typed.
    const auto typed = [this](double min, double max) {
        MinMaxFields fields = view.RangeFields();
        fields.min1 = min;
        fields.max1 = max;
        return ScriptedPrompts::MinMaxEdit{DialogResult::Ok, fields};
    };
    prompts.minMaxEdits = {typed(50, 50), typed(0, 50), typed(10, 10000)};
    view.EditRanges();
    EXPECT_EQ(prompts.Texts(),
              (std::vector<std::string>{"min. should be less than max.",
                                        "min. and max. should be greater than 0."}));
    ASSERT_EQ(prompts.minMaxShown.size(), 3u);
    EXPECT_EQ(prompts.minMaxShown[1].min1, 50);  // reopened with what was typed
    EXPECT_EQ(std::pair(view.rangeMin, view.rangeMax), std::pair(-4.0, -1.0));

    // With log labels the stored logarithms are shown and may be negative.
    view.logLabels = true;
    prompts.minMaxEdits.push_back(typed(-1, view.RangeFields().max1));
    view.EditRanges();
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(view.rangeMax, 1);

    view.ToggleErrors();
    view.rangeMin = view.range2Min = -9;
    MinMaxFields reset;
    reset.reset = true;
    prompts.minMaxEdits.push_back({DialogResult::Ok, reset});
    view.EditRanges();
    EXPECT_EQ(std::pair(view.rangeMin, view.rangeMax), std::pair(doc.valueMin, doc.valueMax));
    EXPECT_NEAR(view.range2Min, 1, 1e-12);
    EXPECT_NEAR(view.range2Max, 4, 1e-12);
    EXPECT_EQ(prompts.messages.size(), 2u);
}

}  // namespace
}  // namespace oskava::test

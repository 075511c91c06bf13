// The data edits: standard deviations and Gaussian noise, deletion by electrode, the
// Data Properties window (the click that fills it, value and percent, Set and Delete),
// the statistics of the data, what the editing dialogs accept, and the undo and redo
// of each edit (bit for bit, the modified flag, records discarded outside the journal).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "analysis/DataFilter.h"
#include "analysis/ErrorEdits.h"
#include "editing/DataEdits.h"
#include "editing/DatumProperties.h"
#include "editing/EditCommands.h"
#include "editing/EditDialogRules.h"
#include "editing/EditJournal.h"
#include "editing/FieldNumbers.h"
#include "support/TempDir.h"
#include "survey/CommandIds.h"
#include "survey/Misfit.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

using test::Datum;

const std::string kExamples = OSKAVA_EXAMPLES_DIR;

// The deviates of the generator seeded with 2 and an empty cache, to six decimals.
constexpr double kDeviates[] = {0.302538, 1.674944, 0.212829, 0.853564};

class DataEditsTest : public test::ViewFixture {
  protected:
    EditingState state;

    std::vector<double> Data() const {
        std::vector<double> data;
        for (const Cobs& r : doc.observations) {
            data.push_back(r.datum);
        }
        return data;
    }
    // A at 10; B at 10; M at 10; N at 10; A and M at 10; a pole source A = B = 10;
    // nothing at 10. Data 1 to 7, each with the sign of its geometric factor.
    void LoadElectrodesAt10() {
        Load({{10, 0, 30, 40, 1},
              {0, 10, 30, 40, -2},
              {30, 40, 10, 0, 3},
              {30, 40, 0, 10, -4},
              {10, 20, 10, 50, 5},
              {10, 10, 40, 50, 6},
              {20, 30, 40, 50, -7}});
    }
    void Delete(double at, bool transmitter, bool receiver, bool yes = true) {
        prompts.electrodeEdits.push_back(DeleteElectrodeFields{at, transmitter, receiver});
        prompts.yesNoAnswers = {yes};
        DeleteElectrodeCommand(doc, state);
    }
    int32_t Click(size_t r) {
        const ScreenRect& s = doc.observations[r].screenRect;
        return doc.ShowDatumProperties((s.left + s.right) / 2, (s.top + s.bottom) / 2);
    }
    DatPropFields& Fields() { return doc.propertiesDialog->fields; }
    void Open() {
        ASSERT_EQ(doc.OnFileOpen(LoadDataFields{kExamples + "/dipole-dipole.dat",
                                                kExamples + "/tarnel.pre", "", true}),
                  OpenOutcome::Opened);
        view.ToggleDifference();  // the panel whose misfit the edits change
    }
    void Assign() {
        prompts.noiseEdits.push_back(NoiseFields{5, 0.001, false});
        AssignStdDevCommand(doc, state);
    }
    void Noise() {
        prompts.noiseEdits.push_back(NoiseFields{2.5, 0.0001, true});
        AddNoiseCommand(doc, state);
    }
    void SetStdDev(size_t r, const char* value) {
        Select(static_cast<int32_t>(r));
        RefillDatumProperties(doc);
        ASSERT_FALSE(PressSet(doc, value, "1").Refused());
    }
    void DeleteDatum(size_t r) {
        Select(static_cast<int32_t>(r));
        PressDelete(doc);
    }

    // Every field of the document, its records and the deviate generator, and the
    // misfit shown, doubles in hexadecimal so that equal texts mean equal bits.
    std::string State() const {
        std::string text =
            CFormat("%a %d %a %a %a %a %a %a %a %d %d %d %a\n", view.misfit, doc.dataCount,
                    doc.xMin, doc.xMax, doc.maxPseudoDepth, doc.valueMin, doc.valueMax,
                    doc.minSeparation, doc.maxSeparation, doc.dataReady, doc.defaultErrors,
                    state.deviates.needNewPair, state.deviates.cached);
        for (const Cobs& r : doc.observations) {
            text +=
                CFormat("%d %d %d %d %a %a %a %a %a %a %a %a %a %a %d %d %d %a %a %a %a %a %a\n",
                        r.screenRect.left, r.screenRect.top, r.screenRect.right,
                        r.screenRect.bottom, r.xa, r.xb, r.xm, r.xn, r.datum, r.stdDev, r.za, r.zb,
                        r.zm, r.zn, r.hasB, r.hasN, r.insideAB, r.pseudoX, r.pseudoDepth,
                        r.displayValue, r.predicted, r.predictedDisplayValue, r.normalizedDiff);
        }
        return text;
    }
};
using DatumPropertiesTest = DataEditsTest;
using UndoTest = DataEditsTest;

TEST_F(DataEditsTest, NoiseCarriesTheCachedDeviateOverOddCountsAndKeepsDcSigns) {
    // IP data of 0 with percent 0 and minimum 1: each datum becomes the sum of its
    // deviates. The pseudo-locations are not on one line, so the view triangulates them.
    const std::vector<Datum> zeros = {{0, 10, 20, 30, 0}, {0, 10, 30, 40, 0}, {20, 30, 40, 50, 0}};
    const auto noiseTwice = [&](size_t count, const std::vector<double>& expected) {
        Load({zeros.begin(), zeros.begin() + count}, false);
        AddGaussianNoise(doc, 0, 1, state.deviates);
        AddGaussianNoise(doc, 0, 1, state.deviates);
        for (size_t i = 0; i < count; ++i) {
            EXPECT_NEAR(doc.observations[i].datum, expected[i], 1e-6) << count << " data";
        }
    };
    noiseTwice(2, {2 * kDeviates[0], 2 * kDeviates[1]});
    noiseTwice(
        3, {kDeviates[0] + kDeviates[3], kDeviates[1] + kDeviates[0], kDeviates[2] + kDeviates[1]});

    // DC data keep their sign: dipole-dipole data are negative, data inside AB positive.
    Load({{0, 10, 20, 30, -0.1},
          {0, 10, 20, 30, -5},
          {0, 10, 30, 40, -5},
          {0, 10, 40, 50, -5},
          {0, 10, 50, 60, -5},
          {0, 100, 40, 60, 0.1}});
    doc.defaultErrors = true;
    AddGaussianNoise(doc, 0, 1, state.deviates);
    EXPECT_EQ(doc.observations[0].datum, -1e-5);
    EXPECT_NEAR(doc.observations[1].datum, -5 + kDeviates[1], 1e-6);
    EXPECT_EQ(doc.observations[5].datum, 1e-5);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(doc.defaultErrors && doc.IsModified());
    for (size_t node = 0; node < 6; ++node) {  // the view's copy is in node order
        const Cobs& r = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(r.stdDev, 1);
        EXPECT_EQ(view.mesh.displayValues[node], r.displayValue);
    }

    Load({{0, 10, 20, 30, -0.1}}, false);  // IP data may change sign
    AddGaussianNoise(doc, 0, 1, state.deviates);
    EXPECT_NEAR(doc.observations[0].datum, -0.1 + kDeviates[0], 1e-6);
    EXPECT_EQ(doc.observations[0].displayValue, doc.observations[0].datum);
}

TEST_F(DataEditsTest, DeletionByTransmitterReceiverOrBothCountsEachDatumOnceAndAsks) {
    struct Case {
        bool transmitter, receiver;
        const char* question;
        std::vector<double> left;
    };
    const Case cases[] = {
        {true, false, "Are you sure you want to delete 4 data?", {3, -4, -7}},
        {false, true, "Are you sure you want to delete 3 data?", {1, -2, 6, -7}},
        {true, true, "Are you sure you want to delete 6 data?", {-7}},
    };
    for (const Case& c : cases) {
        LoadElectrodesAt10();
        prompts.questions.clear();
        Delete(10, c.transmitter, c.receiver);
        EXPECT_EQ(prompts.questions, std::vector<std::string>{c.question});
        EXPECT_EQ(Data(), c.left);
        EXPECT_EQ(doc.dataCount, static_cast<int32_t>(c.left.size()));
        EXPECT_TRUE(doc.dataReady && doc.IsModified());
    }

    // No datum there, or No to the question: the data stay, the window closes.
    LoadElectrodesAt10();
    doc.SetModifiedFlag(false);
    doc.propertiesDialog = std::make_unique<CDatProp>();
    Delete(10.000001, true, true);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No data deleted."});
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    doc.propertiesDialog = std::make_unique<CDatProp>();
    Delete(20, true, false, false);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_EQ(Data().size(), 7u);
    EXPECT_FALSE(doc.IsModified());
    // The dialog reopens at the last location typed, with both boxes clear.
    const DeleteElectrodeFields shown = prompts.electrodeShown.back();
    EXPECT_EQ(std::tuple(shown.location, shown.transmitter, shown.receiver),
              std::tuple(10.000001, false, false));
}

TEST_F(DataEditsTest, DeletionKeepsTheColourRangeAndModesAndRecomputesTheMisfit) {
    LoadWithPredicted(test::FourDipoles(), {1, -2, 2, 3});
    view.ToggleDifference();
    view.rangeMin = -9;
    view.rangeMax = 9;
    ASSERT_EQ(view.misfit, 18);
    DeleteRecords(doc, {0, 2}, edit_name::DeleteDatum);
    EXPECT_EQ(std::make_pair(view.rangeMin, view.rangeMax), std::make_pair(-9.0, 9.0));
    EXPECT_TRUE(view.showDifference && view.secondPanel);
    EXPECT_EQ(view.misfit, 13);
}

TEST_F(DatumPropertiesTest, ClicksOpenOneWindowAndRefillIt) {
    Load(test::FourDipoles());
    EXPECT_EQ(doc.ShowDatumProperties(-5000, -5000), -1);
    EXPECT_EQ(Click(1), 1);
    EXPECT_EQ(Fields().datum, -0.05);
    EXPECT_EQ(Fields().apparentResistivity, std::pow(10.0, -doc.observations[1].displayValue));
    EXPECT_EQ(Click(3), 3);
    EXPECT_EQ(Fields().xa, 210);
    // Overlapping markers: the datum earliest in the data set wins.
    doc.observations[2].screenRect = doc.observations[3].screenRect;
    EXPECT_EQ(Click(3), 2);
    // A click in panel 2 at zoom 1 (device = logical + (1200, 2000), panel 2 lower by
    // 5000) selects the datum below it and repaints both panels' marks.
    view.ToggleErrors();
    ZoomToLogicalUnits();
    const ScreenRect& s = doc.observations[0].screenRect;
    host.requests.clear();
    view.OnLButtonDown(Point{(s.left + s.right) / 2 + 1200, (s.top + s.bottom) / 2 + 7000},
                       Point{0, 0});
    EXPECT_EQ(doc.selectedDatum, 0);
    EXPECT_EQ(host.requests, std::vector<std::string>{"invalidate"});
}

TEST_F(DatumPropertiesTest, SetConvertsBetweenValueAndPercentWhereThereIsOne) {
    Load({{0, 20, 40, 60, -0.05, 0.0025}, {440, 500, 460, 480, 0, 0.01}});
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

    // A datum of 0 (of a Wenner array, whose sign it cannot contradict) has no
    // percentage, nor has an IP datum.
    Fields().valueMode = false;
    Click(1);
    EXPECT_TRUE(Fields().valueMode && !Fields().PercentSelectable());
    ASSERT_FALSE(PressSet(doc, "0.3", "").Refused());
    EXPECT_EQ(doc.observations[1].stdDev, 0.3);
    EXPECT_EQ(ShownFieldText(Fields().errorPercent), "");
    Load({{0, 20, 40, 60, 0.3, 0.01}}, false);
    Click(0);
    EXPECT_FALSE(Fields().isDC || Fields().PercentSelectable());
}

TEST_F(DatumPropertiesTest, DeleteRemovesTheDatumAndTheWindow) {
    Load(test::FourDipoles());
    Click(1);
    PressDelete(doc);
    EXPECT_EQ(doc.observations[1].datum, -0.02);

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
    doc.defaultErrors = true;
    AssignStdDev(doc, 5, 0.001);
    EXPECT_DOUBLE_EQ(doc.observations[1].stdDev, 0.05 * 0.05 + 0.001);
    EXPECT_FALSE(doc.defaultErrors);
    expectCurrent();
    EXPECT_GT(view.misfit, 0);
    ASSERT_FALSE(PressSet(doc, "0.5", "1").Refused());
    expectCurrent();
}

TEST(Statistics, MagnitudesSortedWithUpperMedianAndRoundedTenthSmallest) {
    std::vector<Cobs> records(16);
    for (size_t i = 0; i < records.size(); ++i) {
        records[i].datum = (i % 2 == 0 ? -1.0 : 1.0) * double(16 - i);  // -16, 15, -14, ...
    }
    EXPECT_EQ(StatisticsText(records),
              "Data Statistics\n\n# of data 16\n\nmaximum: 16\nminimum: 1\n\naverage: 8.5\nmedian: "
              "9\n10 percent smallest: 3\n");
}

TEST(EditDialogRules, FieldsTakeFiniteNumbersAndEntriesAreCheckedInOrderWithTheDialogsWords) {
    struct Number {
        std::string text;
        std::optional<double> value;
    };
    for (const Number& c :
         {Number{"  -3e-2 ", -0.03}, Number{"", std::nullopt}, Number{"1,5", std::nullopt},
          Number{"nan", std::nullopt}, Number{"1e999", std::nullopt},
          Number{std::string{'4', '\0', '1'}, std::nullopt}}) {
        EXPECT_EQ(ParseFieldNumber(c.text), c.value) << c.text;
    }
    EXPECT_EQ(FormatFieldNumber(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatFieldNumber(1e20), "1e+20");

    struct Case {
        const char* percent;
        const char* minimum;
        const char* message;
        int control;
    };
    const Case cases[] = {
        {"500", " 0.5 ", "", 0},
        {"5", "", "Enter a number.", control::Minimum},
        {"5", "100.5", "Enter a number between 0 and 100.", control::Minimum},
        {"5", "0", "Minimum must be greater than 0.", control::Minimum},
    };
    for (const Case& c : cases) {
        NoiseFields fields;
        const Refusal refusal = ReadNoiseEntries(c.percent, c.minimum, fields);
        EXPECT_EQ(refusal.message, c.message) << c.percent << " " << c.minimum;
        EXPECT_EQ(refusal.control, c.control) << c.percent << " " << c.minimum;
        if (!refusal.Refused()) {
            EXPECT_EQ(std::pair(fields.percent, fields.minimum), std::pair(500.0, 0.5));
        }
    }

    // Delete electrode needs a number and a box.
    DeleteElectrodeFields fields;
    EXPECT_EQ(ReadDeleteElectrodeEntries("ten", true, false, fields).control, control::Location);
    EXPECT_TRUE(ReadDeleteElectrodeEntries("10", false, false, fields).Refused());
    EXPECT_FALSE(ReadDeleteElectrodeEntries("-2.5", false, true, fields).Refused());
    EXPECT_EQ(fields.location, -2.5);
    EXPECT_TRUE(fields.receiver);
}

TEST_F(UndoTest, EachEditUndoneAndRedoneBitForBit) {
    struct Edit {
        const char* name;
        std::function<void()> run;
    };
    const Edit edits[] = {
        {"Assign standard deviation", [this] { Assign(); }},
        {"Add Gaussian noise", [this] { Noise(); }},
        {"Delete electrode", [this] { Delete(20, true, true); }},
        {"Set standard deviation", [this] { SetStdDev(40, "0.5"); }},
        {"Delete datum", [this] { DeleteDatum(1); }},
        {"Assign standard deviations from the model",
         [this] {
             AssignModelStdDevs(doc, ErrorModel{ErrorModelKind::Power, 0.02, 0.9, 1});
         }},
        {"Filter data",
         [this] {
             prompts.filterEdits = {FilterFields{Quantity::ApparentResistivity, -INFINITY, 100}};
             prompts.yesNoAnswers = {true};
             FilterState filter;
             FilterDataCommand(doc, filter);
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        Open();
        if (&edit == &edits[4]) {
            // A quadrupole measured three times: its data are moved apart on their spot
            // by their order, which a deletion changes.
            doc.journal().Clear();
            doc.SetModifiedFlag(false);
            const std::vector<test::Datum> four = test::FourDipoles();
            Load({four[0], four[3], four[3], four[1], four[3], four[2]});
        }
        state.deviates.random.seed(2);
        state.deviates.next();  // a deviate cached, which noise uses and moves on
        const std::string opened = State();
        edit.run();
        const std::string after = State();
        ASSERT_NE(after, opened);
        EXPECT_EQ(doc.journal().UndoName(), edit.name);
        for (int round = 0; round < 2; ++round) {
            doc.Undo();
            EXPECT_EQ(State(), opened);
            EXPECT_FALSE(doc.IsModified());
            const CommandState redo = doc.Commands().State(command::EditRedo);
            EXPECT_EQ(std::tuple(redo.enabled, redo.checked, redo.text),
                      std::tuple(true, false, "Redo " + std::string(edit.name)));
            doc.Redo();
            EXPECT_EQ(State(), after);
            EXPECT_TRUE(doc.IsModified());
        }
    }
}

TEST_F(UndoTest, ModifiedFlagFollowsTheJournalThroughAChainOfEdits) {
    const test::TempDir dir;
    Open();
    const std::string opened = State();
    AssignStdDevCommand(doc, state);  // no answer scripted: Cancel, which changes nothing
    AddNoiseCommand(doc, state);
    EXPECT_FALSE(doc.journal().CanUndo() || doc.IsModified());
    Assign();
    ASSERT_TRUE(doc.OnSaveDocument((dir.path() / "saved.dat").string()));
    Noise();
    Delete(20, true, true);
    SetStdDev(7, "0.25");
    DeleteDatum(3);
    const std::string edited = State();
    while (doc.journal().CanUndo()) {
        doc.Undo();
    }
    EXPECT_EQ(State(), opened);
    EXPECT_TRUE(doc.IsModified());  // the state opened, which is not the one saved
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    while (doc.journal().CanRedo()) {
        doc.Redo();
    }
    EXPECT_EQ(State(), edited);
    EXPECT_TRUE(doc.IsModified());

    // A new edit after an undo drops the edits undone, here with the saved state.
    while (doc.journal().CanUndo()) {
        doc.Undo();
    }
    DeleteDatum(0);
    EXPECT_FALSE(doc.journal().CanRedo());
    doc.Undo();
    doc.Redo();
    EXPECT_TRUE(doc.IsModified());

    Open();
    EXPECT_FALSE(doc.journal().CanUndo() || doc.IsModified());
}

TEST_F(UndoTest, RecordsDiscardedAsCollinearCannotBeUndoneInto) {
    // The three data left lie at one depth: the view discards them.
    const std::vector<test::Datum> four = test::FourDipoles();
    Load({four[0], four[1], four[2], {200, 220, 240, 260, -0.01}});
    DeleteRecords(doc, {0}, edit_name::DeleteDatum);
    ASSERT_TRUE(doc.observations.empty());
    EXPECT_FALSE(doc.journal().CanUndo());
    doc.Undo();
    EXPECT_TRUE(doc.observations.empty() && doc.IsModified());
}

}  // namespace
}  // namespace oskava

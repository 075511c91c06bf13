// Undo and redo of the edits: each edit undone and redone bit for bit, the modified
// flag through a chain of edits, and records discarded outside the journal.
#include <gtest/gtest.h>

#include <functional>

#include "editing/DataEdits.h"
#include "editing/DatumProperties.h"
#include "editing/EditCommands.h"
#include "editing/EditJournal.h"
#include "support/TempDir.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

const std::string kExamples = OSKAVA_EXAMPLES_DIR;

class UndoTest : public test::ViewFixture {
  protected:
    EditingState state;

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
    void DeleteElectrode(double at) {
        prompts.electrodeEdits.push_back(DeleteElectrodeFields{at, true, true});
        prompts.yesNoAnswers = {true};
        DeleteElectrodeCommand(doc, state);
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

TEST_F(UndoTest, EachEditUndoneAndRedoneBitForBit) {
    struct Edit {
        const char* name;
        std::function<void()> run;
    };
    const Edit edits[] = {
        {"Assign standard deviation", [this] { Assign(); }},
        {"Add Gaussian noise", [this] { Noise(); }},
        {"Delete electrode", [this] { DeleteElectrode(20); }},
        {"Set standard deviation", [this] { SetStdDev(40, "0.5"); }},
        {"Delete datum", [this] { DeleteDatum(1); }},
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
            EXPECT_EQ(doc.journal().RedoName(), edit.name);
            EXPECT_FALSE(doc.IsModified());
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
    Assign();
    ASSERT_TRUE(doc.OnSaveDocument((dir.path() / "saved.dat").string()));
    Noise();
    DeleteElectrode(20);
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

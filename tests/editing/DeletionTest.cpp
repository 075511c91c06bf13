// Deleting data: by electrode (transmitter, receiver or both, with the question) and
// the statistics of what remains.
#include <gtest/gtest.h>

#include "editing/DataEdits.h"
#include "editing/EditCommands.h"
#include "editing/EditDialogRules.h"
#include "editing/EditJournal.h"
#include "survey/CommandIds.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

using test::Datum;

class DeletionTest : public test::ViewFixture {
  protected:
    EditingState state;

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
    std::vector<double> Data() const {
        std::vector<double> data;
        for (const Cobs& r : doc.observations) {
            data.push_back(r.datum);
        }
        return data;
    }
    void Delete(double at, bool transmitter, bool receiver, bool yes = true) {
        prompts.electrodeEdits.push_back(DeleteElectrodeFields{at, transmitter, receiver});
        prompts.yesNoAnswers = {yes};
        DeleteElectrodeCommand(doc, state);
    }
};

TEST_F(DeletionTest, TransmitterReceiverOrBothEachDatumCountedOnce) {
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
}

TEST_F(DeletionTest, NoMatchOrNoKeepsTheDataButClosesTheWindow) {
    LoadElectrodesAt10();
    doc.propertiesDialog = std::make_unique<CDatProp>();
    Delete(10.000001, true, true);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No data deleted."});
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    doc.propertiesDialog = std::make_unique<CDatProp>();
    Delete(20, true, false, false);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_EQ(Data().size(), 7u);
    EXPECT_FALSE(doc.IsModified());
    // The next use proposes the last confirmed location with both boxes unchecked.
    DeleteElectrodeCommand(doc, state);
    ASSERT_EQ(prompts.electrodeShown.size(), 3u);
    EXPECT_EQ(prompts.electrodeShown[0].location, 0);
    EXPECT_EQ(prompts.electrodeShown[2].location, 20);
    EXPECT_FALSE(prompts.electrodeShown[2].transmitter || prompts.electrodeShown[2].receiver);
}

TEST_F(DeletionTest, DeletionKeepsTheColourRangeAndModesAndRecomputesTheMisfit) {
    LoadWithPredicted(test::FourDipoles(), {1, -2, 2, 3});
    view.ToggleDifference();
    view.rangeMin = -9;
    view.rangeMax = 9;
    ASSERT_EQ(view.misfit, 18);
    DeleteRecords(doc, {0, 2}, edit_name::DeleteDatum);
    EXPECT_EQ(doc.dataCount, 2);
    EXPECT_EQ(std::make_pair(view.rangeMin, view.rangeMax), std::make_pair(-9.0, 9.0));
    EXPECT_TRUE(view.showDifference && view.secondPanel);
    EXPECT_EQ(view.misfit, 13);
    EXPECT_EQ(view.mesh.order.size(), 2u);
}

TEST_F(DeletionTest, DeletingEveryDatumLeavesAnEmptySurveyAndDisablesTheDataCommands) {
    LoadElectrodesAt10();
    CommandTarget target;
    BindEditCommands(target, doc, state);
    EXPECT_TRUE(target.State(command::Statistics).enabled);
    Delete(30, true, true);
    Delete(10, true, true);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"All data deleted."});
    EXPECT_EQ(doc.dataCount, 0);
    EXPECT_FALSE(doc.dataReady);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(host.requests.back(), "invalidate");
    EXPECT_FALSE(target.State(command::Statistics).enabled);
}

TEST(EditDialogRules, DeleteElectrodeNeedsANumberAndABox) {
    DeleteElectrodeFields fields;
    EXPECT_EQ(ReadDeleteElectrodeEntries("ten", true, false, fields).control, control::Location);
    EXPECT_EQ(ReadDeleteElectrodeEntries("10", false, false, fields).message,
              "Transmitter and/or receiver must be checked.");
    EXPECT_FALSE(ReadDeleteElectrodeEntries("-2.5", false, true, fields).Refused());
    EXPECT_EQ(fields.location, -2.5);
    EXPECT_TRUE(fields.receiver);
}

std::vector<Cobs> Records(const std::vector<double>& data) {
    std::vector<Cobs> records(data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        records[i].datum = data[i];
    }
    return records;
}

TEST(Statistics, MagnitudesSortedWithUpperMedianAndRoundedTenthSmallest) {
    EXPECT_EQ(StatisticsText(Records({-3})),
              "Data Statistics\n\n# of data 1\n\nmaximum: 3\nminimum: 3\n\naverage: 3\nmedian: "
              "3\n10 percent smallest: 3\n");
    EXPECT_EQ(StatisticsText(Records({-4, 1, 2, 3})),
              "Data Statistics\n\n# of data 4\n\nmaximum: 4\nminimum: 1\n\naverage: 2.5\nmedian: "
              "3\n10 percent smallest: 1\n");
    const auto tenth = [](size_t n) {
        std::vector<double> data(n);
        for (size_t i = 0; i < n; ++i) {
            data[i] = -double(i);
        }
        const std::string text = StatisticsText(Records(data));
        return text.substr(text.rfind(": ") + 2);
    };
    EXPECT_EQ(tenth(5) + tenth(14) + tenth(15), "1\n1\n2\n");
}

}  // namespace
}  // namespace oskava

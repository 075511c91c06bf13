// The data edits: standard deviations and Gaussian noise with the entries each command
// remembers, deletion by electrode, and the statistics of the data.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/DataEdits.h"
#include "editing/EditCommands.h"
#include "editing/EditJournal.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

using test::Datum;

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
};

TEST_F(DataEditsTest, GeneratorAndCachedDeviateCarriedOverOnlyAfterAnOddNumberOfData) {
    NoiseRandom random;
    random.seed(2);
    std::vector<int> outputs(10);
    for (int& output : outputs) {
        output = random.next();
    }
    EXPECT_EQ(outputs, (std::vector<int>{45, 29216, 24198, 17795, 29484, 19650, 14590, 26431, 10705,
                                         18316}));
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
}

TEST_F(DataEditsTest, NoiseKeepsTheSignOfDcDataOnly) {
    // Dipole-dipole data are negative, data inside AB positive.
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
    std::vector<double> values;
    for (size_t node = 0; node < 6; ++node) {  // the view's copy is in node order
        const Cobs& r = doc.observations[view.mesh.order[node] - 1];
        EXPECT_EQ(r.stdDev, 1);
        EXPECT_EQ(view.mesh.displayValues[node], r.displayValue);
        values.push_back(r.displayValue);
    }
    EXPECT_EQ(std::pair(doc.valueMin, doc.valueMax),
              std::pair(*std::min_element(values.begin(), values.end()),
                        *std::max_element(values.begin(), values.end())));

    Load({{0, 10, 20, 30, -0.1}}, false);
    state.deviates = GaussianDeviates{};
    AddGaussianNoise(doc, 0, 1, state.deviates);
    EXPECT_NEAR(doc.observations[0].datum, -0.1 + kDeviates[0], 1e-6);
    EXPECT_EQ(doc.observations[0].displayValue, doc.observations[0].datum);
}

TEST_F(DataEditsTest, EachCommandRemembersItsOwnConfirmedEntries) {
    Load(test::FourDipoles());
    doc.defaultErrors = true;
    prompts.noiseEdits = {NoiseFields{7, 3, false}, std::nullopt, NoiseFields{5, 0.001, false},
                          std::nullopt, std::nullopt};
    AssignStdDevCommand(doc, state);  // OK
    AssignStdDevCommand(doc, state);  // Cancel: data and pair unchanged
    EXPECT_DOUBLE_EQ(doc.observations[1].stdDev, 0.05 * 0.07 + 3);
    EXPECT_FALSE(doc.defaultErrors);
    AssignStdDevCommand(doc, state);
    AssignStdDevCommand(doc, state);
    AddNoiseCommand(doc, state);
    std::vector<std::vector<double>> shown;
    for (const NoiseFields& f : prompts.noiseShown) {
        shown.push_back({f.percent, f.minimum, double(f.noiseMode)});
    }
    EXPECT_EQ(shown, (std::vector<std::vector<double>>{
                         {0, 0, 0}, {7, 3, 0}, {7, 3, 0}, {5, 0.001, 0}, {0, 0, 1}}));
}

TEST_F(DataEditsTest, DeletionByTransmitterReceiverOrBothCountsEachDatumOnce) {
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

TEST_F(DataEditsTest, NoMatchOrNoKeepsTheDataButClosesTheWindow) {
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

TEST_F(DataEditsTest, DeletionKeepsTheColourRangeAndModesAndRecomputesTheMisfit) {
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

TEST(Statistics, MagnitudesSortedWithUpperMedianAndRoundedTenthSmallest) {
    const auto text = [](const std::vector<double>& data) {
        std::vector<Cobs> records(data.size());
        for (size_t i = 0; i < data.size(); ++i) {
            records[i].datum = data[i];
        }
        return StatisticsText(records);
    };
    EXPECT_EQ(text({-4, 1, 2, 3}),
              "Data Statistics\n\n# of data 4\n\nmaximum: 4\nminimum: 1\n\naverage: 2.5\nmedian: "
              "3\n10 percent smallest: 1\n");
    const auto tenth = [&](size_t n) {
        std::vector<double> data(n);
        for (size_t i = 0; i < n; ++i) {
            data[i] = -double(i);
        }
        const std::string all = text(data);
        return all.substr(all.rfind(": ") + 2);
    };
    EXPECT_EQ(tenth(1) + tenth(5) + tenth(14) + tenth(15), "0\n1\n1\n2\n");
}

}  // namespace
}  // namespace oskava

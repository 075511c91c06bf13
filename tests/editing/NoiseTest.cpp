// Standard deviations and Gaussian noise: the generator, the deviates and their cache,
// the two commands with their remembered entries, and the dialog's rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/DataEdits.h"
#include "editing/EditCommands.h"
#include "editing/EditDialogRules.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

using test::Datum;

// The deviates after seed 2 with an empty cache, to six decimals.
constexpr double kDeviates[] = {0.302538, 1.674944, 0.212829, 0.853564, 1.35448, -0.241777};

TEST(GaussianDeviates, FirstOutputsAfterSeedTwoAndThePolarMethodsCachedDeviate) {
    NoiseRandom random;
    random.seed(2);
    std::vector<int> outputs;
    for (int k = 0; k < 10; ++k) {
        outputs.push_back(random.next());
    }
    EXPECT_EQ(outputs, (std::vector<int>{45, 29216, 24198, 17795, 29484, 19650, 14590, 26431, 10705,
                                         18316}));
    // Pairs outside the unit circle are rejected; an accepted pair gives two deviates,
    // the second kept for the next call.
    GaussianDeviates deviates;
    deviates.random.seed(2);
    EXPECT_NEAR(deviates.next(), kDeviates[0], 5e-7);
    EXPECT_FALSE(deviates.needNewPair);
    EXPECT_NEAR(deviates.next(), kDeviates[1], 5e-7);
    EXPECT_TRUE(deviates.needNewPair);
}

class NoiseTest : public test::ViewFixture {
  protected:
    EditingState state;

    // IP data of 0 with percent 0 and minimum 1: each datum becomes the sum of its
    // deviates. The pseudo-locations do not lie on one line, so that the view can
    // triangulate them.
    std::vector<double> NoiseOnZeros(size_t count, int uses) {
        std::vector<Datum> data = {{0, 10, 20, 30, 0}, {0, 10, 30, 40, 0}, {20, 30, 40, 50, 0}};
        data.resize(count);
        Load(data, false);
        for (int use = 0; use < uses; ++use) {
            AddGaussianNoise(doc, 0, 1, state.deviates);
        }
        std::vector<double> noisy;
        for (const Cobs& r : doc.observations) {
            noisy.push_back(r.datum);
        }
        return noisy;
    }
};

TEST_F(NoiseTest, CachedDeviateCarriesOverOnlyAfterAnOddNumberOfData) {
    const std::vector<double> even = NoiseOnZeros(2, 2);
    ASSERT_EQ(even.size(), 2u);
    EXPECT_NEAR(even[0], 2 * kDeviates[0], 1e-6);
    EXPECT_NEAR(even[1], 2 * kDeviates[1], 1e-6);
    const std::vector<double> odd = NoiseOnZeros(3, 2);
    ASSERT_EQ(odd.size(), 3u);
    EXPECT_NEAR(odd[0], kDeviates[0] + kDeviates[3], 1e-6);
    EXPECT_NEAR(odd[1], kDeviates[1] + kDeviates[0], 1e-6);
    EXPECT_NEAR(odd[2], kDeviates[2] + kDeviates[1], 1e-6);
}

TEST_F(NoiseTest, DcDataKeepTheirSignIpDataMayChangeIt) {
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
    EXPECT_TRUE(doc.defaultErrors);
    EXPECT_TRUE(doc.IsModified());
    std::vector<double> values;
    for (const Cobs& r : doc.observations) {
        EXPECT_EQ(r.stdDev, 1);
        values.push_back(r.displayValue);
    }
    EXPECT_EQ(doc.valueMin, *std::min_element(values.begin(), values.end()));
    EXPECT_EQ(doc.valueMax, *std::max_element(values.begin(), values.end()));
    for (size_t node = 0; node < 6; ++node) {  // the view's copy, in node order
        EXPECT_EQ(view.mesh.displayValues[node],
                  doc.observations[view.mesh.order[node] - 1].displayValue);
    }

    Load({{0, 10, 20, 30, -0.1}}, false);
    state.deviates = GaussianDeviates{};
    AddGaussianNoise(doc, 0, 1, state.deviates);
    EXPECT_NEAR(doc.observations[0].datum, -0.1 + kDeviates[0], 1e-6);
    EXPECT_EQ(doc.observations[0].displayValue, doc.observations[0].datum);
}

TEST_F(NoiseTest, AssignGivesPercentOfTheMagnitudePlusTheMinimum) {
    Load({{0, 10, 20, 30, -0.2}, {0, 10, 30, 40, 0}});
    doc.defaultErrors = true;
    AssignStdDev(doc, 5, 0.001);
    EXPECT_DOUBLE_EQ(doc.observations[0].stdDev, 0.011);
    EXPECT_DOUBLE_EQ(doc.observations[1].stdDev, 0.001);
    EXPECT_FALSE(doc.defaultErrors);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(NoiseTest, EachCommandRemembersItsOwnConfirmedEntries) {
    Load(test::FourDipoles());
    prompts.noiseEdits = {NoiseFields{7, 3, false}, std::nullopt, NoiseFields{5, 0.001, false},
                          std::nullopt, std::nullopt};
    AssignStdDevCommand(doc, state);  // OK
    AssignStdDevCommand(doc, state);  // Cancel: data and pair unchanged
    EXPECT_DOUBLE_EQ(doc.observations[1].stdDev, 0.05 * 0.07 + 3);
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

TEST(EditDialogRules, NoiseEntriesAreCheckedInOrderWithTheDialogsWords) {
    struct Case {
        const char* percent;
        const char* minimum;
        const char* message;
        int control;
    };
    const Case cases[] = {
        {"500", " 0.5 ", "", 0},
        {"500.5", "1", "Enter a number between 0 and 500.", control::Percent},
        {"5x", "1", "Enter a number.", control::Percent},
        {"nan", "1", "Enter a number.", control::Percent},
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
            EXPECT_EQ(fields.percent, 500);
            EXPECT_EQ(fields.minimum, 0.5);
        }
    }
}

}  // namespace
}  // namespace oskava

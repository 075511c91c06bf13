// Filtering data by a quantity: each quantity against hand-computed values on a small
// flat survey, the range's edges, the refusals of the dialog and the command line, and
// the command's question and outcome.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/DataFilter.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

const double kPi = std::acos(-1.0);

// Dipole-dipole n = 1, a = 10 (k = -60 pi); pole-pole a = 10 without an error (k =
// 20 pi); Wenner a = 10 (k = 20 pi); a pole receiver halfway between A and B (an
// electrode sum of 0); pole-pole a = 20 with a datum of 0 (k = 40 pi).
const char kSurvey[] =
    "flat\n0 10 20 30 -0.01 0.001\n0 0 10 10 1 0\n0 30 10 20 0.5 0.05\n0 10 5 5 0.2 0.03\n"
    "0 0 20 20 0 0.01\n";
const char kPredicted[] =
    "pre\n0 10 20 30 -0.012\n0 0 10 10 0.9\n0 30 10 20 0.45\n0 10 5 5 0.26\n0 0 20 20 0.01\n";

class FilterTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    test::ScriptedPrompts prompts;
    CDatDoc doc{prompts};

    void Open(bool isDC = true, bool predicted = false) {
        const OpenRequest request{dir.Write("flat.dat", kSurvey), isDC, "", "",
                                  predicted ? dir.Write("flat.pre", kPredicted) : ""};
        ASSERT_EQ(OpenSurvey(doc, request), OpenOutcome::Opened);
    }
    // The quantity's values, with NaN as -1, which no quantity here takes.
    void ExpectValues(Quantity quantity, const std::vector<double>& expected) const {
        const std::vector<double> values = QuantityValues(doc, quantity);
        ASSERT_EQ(values.size(), expected.size());
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_NEAR(std::isnan(values[i]) ? -1 : values[i], expected[i],
                        1e-12 * (1 + expected[i]))
                << NamesOf(quantity).name << " " << i;
        }
    }
};

TEST_F(FilterTest, EachQuantityAgainstHandComputedValues) {
    Open(true, true);
    ExpectValues(Quantity::ApparentResistivity, {0.6 * kPi, 20 * kPi, 10 * kPi, -1, 0});
    ExpectValues(Quantity::GeometricFactor, {60 * kPi, 20 * kPi, 20 * kPi, -1, 40 * kPi});
    ExpectValues(Quantity::RelativeError, {10, -1, 10, 15, -1});
    ExpectValues(Quantity::DatumSize, {0.01, 1, 0.5, 0.2, 0});
    ExpectValues(Quantity::PseudoDepth, {10, 5, 6, 2, 10});
    doc.observations[1].normalizedDiff = -3;  // against a standard deviation of 0: inf
    ExpectValues(Quantity::Misfit, {2, 3, 1, 2, 1});
    EXPECT_EQ(OfferedQuantities(doc),
              (std::vector<Quantity>{Quantity::ApparentResistivity, Quantity::Misfit,
                                     Quantity::RelativeError, Quantity::GeometricFactor,
                                     Quantity::DatumSize, Quantity::PseudoDepth}));

    Open(false);
    ExpectValues(Quantity::IpDatum, {-0.01, 1, 0.5, 0.2, 0});
    EXPECT_EQ(OfferedQuantities(doc),
              (std::vector<Quantity>{Quantity::IpDatum, Quantity::RelativeError,
                                     Quantity::GeometricFactor, Quantity::PseudoDepth}));
    // Resistivity, |k| and |datum| span decades: their histograms have a log axis.
    for (const QuantityNames& names : AllQuantities()) {
        EXPECT_EQ(names.decades, names.quantity == Quantity::ApparentResistivity ||
                                     names.quantity == Quantity::GeometricFactor ||
                                     names.quantity == Quantity::DatumSize)
            << names.name;
    }
}

TEST_F(FilterTest, ValuesOnALimitAndValuesThatCannotBeJudgedAreKept) {
    const std::vector<double> values = {1, 2, 3, NAN, INFINITY, -INFINITY, 1.9999999999999998};
    EXPECT_EQ(DataOutside(values, 2, 3), (std::vector<size_t>{0, 6}));
    EXPECT_EQ(DataOutside(values, 2, 2), (std::vector<size_t>{0, 2, 6}));
    // The proposed range keeps every value as a field shows it: rounded outward.
    const KeepRange range = ProposedRange({0.01947234, NAN, 49.58123, 3});
    EXPECT_EQ(std::make_pair(range.min, range.max), std::make_pair(0.0194723, 49.5813));
}

TEST_F(FilterTest, EntriesAreRefusedInTheDialogsWords) {
    Open(false);
    struct Case {
        const char* quantity;
        std::optional<std::string> min, max;
        const char* message;
        int control;
    };
    const Case cases[] = {
        {"rho", "1", "2",
         "Unknown quantity: rho\nThe quantities are rhoa, ip, misfit, relerr, k, datum and depth.",
         control::FilterQuantity},
        {"rhoa", "1", "2", "rhoa applies to DC data only.", control::FilterQuantity},
        {"misfit", "1", "2", "The misfit needs predicted data.", control::FilterQuantity},
        {"ip", " 1 ", "2x", "Enter a number.", control::FilterMaximum},
        {"ip", "2", "1", "min. should not be greater than max.", control::FilterMinimum},
        {"ip", "2", "2", "", 0},
        {"ip", std::nullopt, std::nullopt, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.quantity);
        FilterFields fields;
        const Refusal refusal = ReadFilterEntries(doc, c.quantity, c.min, c.max, fields);
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.control, c.control);
    }
}

TEST_F(FilterTest, TheCommandAsksDeletesAsOneEditAndRemembersItsFields) {
    Open(true, true);
    FilterState state;
    // The dialog opens on the first quantity offered, at its whole range.
    FilterDataCommand(doc, state);
    ASSERT_EQ(prompts.filterShown.size(), 1u);
    const FilterFields& shown = prompts.filterShown[0];
    EXPECT_TRUE(shown.quantity == Quantity::ApparentResistivity && shown.min == 0 &&
                shown.max == 62.8319);

    const FilterFields keep2To9{Quantity::PseudoDepth, 2, 9};
    prompts.filterEdits = {FilterFields{Quantity::PseudoDepth, 2, 10}, keep2To9, keep2To9};
    prompts.yesNoAnswers = {false, true};
    FilterDataCommand(doc, state);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No data deleted."});
    FilterDataCommand(doc, state);
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"Are you sure you want to delete 2 data?"});
    FilterDataCommand(doc, state);
    ASSERT_EQ(doc.dataCount, 3);
    EXPECT_EQ(prompts.filterShown.back().max, 9);  // the fields last accepted
    EXPECT_EQ(doc.journal().UndoName(), "Filter data");
    // The misfit's differences go with their data.
    EXPECT_NEAR(QuantityValues(doc, Quantity::Misfit)[2], 2, 1e-12);
}

}  // namespace
}  // namespace oskava

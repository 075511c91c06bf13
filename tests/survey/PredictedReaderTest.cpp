// The predicted-data reader: values and normalized differences, the check of every
// position against its record, and the messages of both layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"
#include "survey/Misfit.h"
#include "survey/PositionMatch.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

const char kSurvey[] = "title\n0 10 20 30 -0.01 0.001\n0 10 30 40 -0.002 0.0004\n";
const char kCommonCurrentSurvey[] =
    "COMMON_CURRENT\n2\n0 10 2\n20 30 -0.01 0.001\n30 40 -0.002 0.0004\n10 20 1\n30 40 -0.01 "
    "0.001\n";
const std::string kInconsistent = "Data file not consistent with predicted file: \n";

class PredictedReader : public ::testing::Test {
  protected:
    ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    TempDir dir;
    std::string path;

    void Load(const std::string& survey, bool isDC = true) {
        doc.isDC = isDC;
        ASSERT_TRUE(doc.ReadDataFile(dir.Write("survey.dat", survey)));
        ASSERT_TRUE(doc.ProcessData());
        ASSERT_TRUE(prompts.messages.empty());
    }
    bool ReadPredicted(const std::string& text) {
        path = dir.Write("tarnel.pre", text);
        return doc.ReadPredictedFile(path);
    }
};

TEST(PositionsMatch, AgreeToOneTenMillionthOfTheirMean) {
    EXPECT_TRUE(PositionsMatch(1000, 1000.00001));
    EXPECT_TRUE(PositionsMatch(-250.5, -250.5));
    EXPECT_TRUE(PositionsMatch(0, 0));
    EXPECT_FALSE(PositionsMatch(1000, 1000.001));
    EXPECT_FALSE(PositionsMatch(0, 0.001));
    EXPECT_FALSE(PositionsMatch(5, -5));
    EXPECT_FALSE(PositionsMatch(std::nan(""), std::nan("")));
}

TEST_F(PredictedReader, GeneralLayoutStoresPredictedValuesAndDifferences) {
    Load(kSurvey);
    // A header with numbers, comments, blank lines and surplus lines are all fine.
    ASSERT_TRUE(
        ReadPredicted("1 2 3 4 5\n! run 3\n\n0 10 20 30 -0.011 % first\n"
                      "0 10 30 40.000001 -0.0021\n99 99 99 99 99\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(doc.predictedLoaded);
    const Cobs& first = doc.observations[0];
    EXPECT_DOUBLE_EQ(first.predicted, -0.011);
    EXPECT_DOUBLE_EQ(first.normalizedDiff, (-0.01 + 0.011) / 0.001);
    // Dipole-dipole with a = 10, n = 1: conductivity = 1 / (6 pi a) / -v.
    EXPECT_DOUBLE_EQ(first.predictedDisplayValue, std::log10(1 / (6 * M_PI * 10) / 0.011));
    EXPECT_DOUBLE_EQ(doc.observations[1].normalizedDiff, (-0.002 + 0.0021) / 0.0004);
}

TEST_F(PredictedReader, GeneralLayoutFailuresLoadNothing) {
    const std::pair<const char*, std::string> cases[] = {
        {"", "Error reading predicted data file: \n\n"},
        {"0 10 30 x -0.0021\n", "Error reading predicted data file: \n0 10 30 x -0.0021\n"},
        {"0 10 30 40 -1e999\n", "Error reading predicted data file: \n0 10 30 40 -1e999\n"},
        {"0 10 30 40.001 -0.0021\n", kInconsistent},
        {"0 11 30 40 -0.0021\n", kInconsistent},
    };
    for (const auto& [secondLine, message] : cases) {
        SCOPED_TRACE(secondLine);
        prompts.messages.clear();
        Load(kSurvey);
        EXPECT_FALSE(ReadPredicted(std::string("pred\n0 10 20 30 -0.011\n") + secondLine));
        EXPECT_EQ(prompts.messages,
                  (std::vector<ShownMessage>{{message + path, MessageKind::Warning}}));
        EXPECT_FALSE(doc.predictedLoaded);
    }
    prompts.messages.clear();
    const std::string missing = (dir.path() / "none.pre").string();
    EXPECT_FALSE(doc.ReadPredictedFile(missing));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"Predicted data file: " + missing + " not found."});

    // A DC predicted datum with the wrong sign stops the read.
    prompts.messages.clear();
    Load(kSurvey);
    EXPECT_FALSE(ReadPredicted("pred\n0 10 20 30 0.011\n0 10 30 40 -0.0021\n"));
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{
                  {"Data has wrong sign:\n0 10 20 30  0.011", MessageKind::Error},
                  {"Error in predicted data file: \n" + path, MessageKind::Warning}}));
    EXPECT_FALSE(doc.predictedLoaded);
}

TEST_F(PredictedReader, IpDataHaveNoSignCheckAndZeroDeviationsGiveNonFiniteDifferences) {
    Load("ip\n0 10 20 30 -5.5 0.5\n0 10 30 40 7 0.5\n", false);
    ASSERT_TRUE(ReadPredicted("pred\n0 10 20 30 6.5\n0 10 30 40 -3\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_DOUBLE_EQ(doc.observations[0].predictedDisplayValue, 6.5);
    EXPECT_DOUBLE_EQ(doc.observations[1].normalizedDiff, 20);

    Load("title\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n0 20 30 40 -0.002\n");
    ASSERT_TRUE(ReadPredicted("pred\n0 10 20 30 -0.011\n0 10 30 40 -0.001\n0 20 30 40 -0.002\n"));
    EXPECT_EQ(doc.observations[0].normalizedDiff, std::numeric_limits<double>::infinity());
    EXPECT_EQ(doc.observations[1].normalizedDiff, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(doc.observations[2].normalizedDiff));
}

TEST_F(PredictedReader, CommonCurrentLayoutFollowsTheObservationFile) {
    Load(kCommonCurrentSurvey);
    ASSERT_TRUE(
        ReadPredicted("! written by the inversion\nCOMMON_CURRENT\n2\n0 10 2\n"
                      "20 30 -0.011\n30 40 -0.0021\n10.0000001 20 1\n30 40 -0.012\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_DOUBLE_EQ(doc.observations[2].predicted, -0.012);
    EXPECT_DOUBLE_EQ(doc.observations[2].normalizedDiff, 2);

    // The file may end before the last record; the data it leaves without a
    // prediction stay out of the misfit.
    Load(kCommonCurrentSurvey);
    ASSERT_TRUE(ReadPredicted("COMMON_CURRENT\n1\n0 10 2\n20 30 -0.011\n30 40 -0.0021\n"));
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{
                  {"Predicted data file ends before the last datum: \n" + path +
                       "\n1 data have no predicted value and are left out of the misfit.",
                   MessageKind::Warning}}));
    EXPECT_TRUE(std::isnan(doc.observations[2].predicted));
    EXPECT_TRUE(std::isnan(doc.observations[2].predictedDisplayValue));
    EXPECT_TRUE(std::isnan(doc.observations[2].normalizedDiff));
    EXPECT_NEAR(DataMisfit(doc.observations), 1 + 0.0625, 1e-12);
}

TEST_F(PredictedReader, CommonCurrentFailures) {
    struct Case {
        std::string body;
        std::string message;  // before the path
        std::string explanation;
    };
    const std::string error = "Error reading predicted data file: \n";
    const Case cases[] = {
        {"two\n", error + "two\n", "\nExpecting # of current locations."},
        {"0\n", error + "0\n", "\nNumber of currect locations should be positive."},
        {"2\n0 10 0\n", error + "0 10 0\n", "\nNumber of observations should be positive."},
        {"2\n0 10 2\n20 30 -0.011\n30 40 inf\n", error + "30 40 inf\n", ""},
        {"2\n0 10 2\n20 30 -0.011\n30 40 -0.0021\n", error + "\n", "\nExpecting xa xb nobs."},
        // The second block's current pair differs from the records'.
        {"2\n0 10 2\n20 30 -0.011\n30 40 -0.0021\n10 25 1\n30 40 -0.012\n", kInconsistent, ""},
        // More observations than the survey holds: nothing past the last record is read.
        {"2\n0 10 2\n20 30 -0.011\n30 40 -0.0021\n10 20 5\n30 40 -0.012\n40 50 -0.1\n",
         kInconsistent, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        prompts.messages.clear();
        Load(kCommonCurrentSurvey);
        EXPECT_FALSE(ReadPredicted("COMMON_CURRENT\n" + c.body));
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{c.message + path + c.explanation});
        EXPECT_FALSE(doc.predictedLoaded);
    }
    // A general-layout file fails on its count line (the first datum's xa, 0).
    prompts.messages.clear();
    EXPECT_FALSE(ReadPredicted("pred\n0 10 20 30 -0.011\n"));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{error + "0 10 20 30 -0.011\n" + path +
                                       "\nNumber of currect locations should be positive."});
}

}  // namespace
}  // namespace oskava

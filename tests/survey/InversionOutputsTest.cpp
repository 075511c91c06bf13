// What an inversion leaves beside the survey. The predicted-data reader: values and
// normalized differences, the check of every position against its record, and the
// messages of both layouts. The log: default standard deviations from its table.
#include <cmath>
#include <filesystem>

#include "support/SurveyFixture.h"
#include "survey/Misfit.h"

namespace oskava {
namespace {

const char kSurvey[] = "title\n0 10 20 30 -0.01 0.001\n0 10 30 40 -0.002 0.0004\n";
const char kCommonCurrentSurvey[] =
    "COMMON_CURRENT\n2\n0 10 2\n20 30 -0.01 0.001\n30 40 -0.002 0.0004\n10 20 1\n30 40 -0.01 "
    "0.001\n";
const std::string kInconsistent = "Data file not consistent with predicted file: \n";
const std::string kError = "Error reading predicted data file: \n";

class PredictedReader : public test::SurveyFixture {
  protected:
    std::string path;

    void Load(const std::string& survey, bool isDC = true) {
        doc.isDC = isDC;
        ASSERT_TRUE(doc.ReadDataFile(dir.Write("survey.dat", survey)));
        ASSERT_TRUE(doc.ProcessData());
        ASSERT_TRUE(Shown().empty());
    }
    bool ReadPredicted(const std::string& text) {
        path = dir.Write("tarnel.pre", text);
        return doc.ReadPredictedFile(path);
    }
};

TEST_F(PredictedReader, GeneralLayoutStoresPredictedValuesAndDifferences) {
    Load(kSurvey);
    // A header with numbers, comments, blank lines and surplus lines are all fine;
    // positions agree to a ten-millionth of their size.
    ASSERT_TRUE(
        ReadPredicted("1 2 3 4 5\n! run 3\n\n0 10 20 30 -0.011 % first\n"
                      "0 10 30 40.000001 -0.0021\n99 99 99 99 99\n"));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.predictedLoaded);
    const Cobs& first = doc.observations[0];
    EXPECT_DOUBLE_EQ(first.predicted, -0.011);
    // Dipole-dipole with a = 10, n = 1: conductivity = 1 / (6 pi a) / -v.
    EXPECT_DOUBLE_EQ(first.predictedDisplayValue, std::log10(1 / (6 * M_PI * 10) / 0.011));
    EXPECT_NEAR(doc.observations[0].normalizedDiff, 1, 1e-9);
    EXPECT_NEAR(doc.observations[1].normalizedDiff, 0.25, 1e-9);
}

TEST_F(PredictedReader, CommonCurrentLayoutFollowsTheObservationFile) {
    Load(kCommonCurrentSurvey);
    ASSERT_TRUE(
        ReadPredicted("! written by the inversion\nCOMMON_CURRENT\n2\n0 10 2\n"
                      "20 30 -0.011\n30 40 -0.0021\n10.0000001 20 1\n30 40 -0.012\n"));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_DOUBLE_EQ(doc.observations[2].predicted, -0.012);
    EXPECT_NEAR(doc.observations[2].normalizedDiff, 2, 1e-9);

    // The file may end before the last record; the data it leaves without a
    // prediction stay out of the misfit.
    Load(kCommonCurrentSurvey);
    ASSERT_TRUE(ReadPredicted("COMMON_CURRENT\n1\n0 10 2\n20 30 -0.011\n30 40 -0.0021\n"));
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_EQ(Shown(), Warning("Predicted data file ends before the last datum: \n" + path +
                               "\n1 data have no predicted value and are left out of the misfit."));
    const Cobs& last = doc.observations[2];
    EXPECT_TRUE(std::isnan(last.predicted) && std::isnan(last.predictedDisplayValue) &&
                std::isnan(last.normalizedDiff));
    EXPECT_NEAR(DataMisfit(doc.observations), 1 + 0.0625, 1e-12);
}

TEST_F(PredictedReader, FailuresLoadNothing) {
    const std::string count = "\nNumber of currect locations should be positive.";
    const std::string first = "pred\n0 10 20 30 -0.011\n";
    const std::string cc = "COMMON_CURRENT\n2\n0 10 2\n20 30 -0.011\n";
    const struct {
        std::string survey, body;
        std::string message;  // before the path
        std::string explanation;
    } cases[] = {
        {kSurvey, first + "0 10 30 x -0.0021\n", kError + "0 10 30 x -0.0021\n", ""},
        {kSurvey, first + "0 10 30 40.001 -0.0021\n", kInconsistent, ""},
        {kCommonCurrentSurvey, "COMMON_CURRENT\ntwo\n", kError + "two\n",
         "\nExpecting # of current locations."},
        {kCommonCurrentSurvey, cc + "30 40 -0.0021\n", kError + "\n", "\nExpecting xa xb nobs."},
        // The second block's current pair differs from the records'.
        {kCommonCurrentSurvey, cc + "30 40 -0.0021\n10 25 1\n30 40 -0.012\n", kInconsistent, ""},
        // A general-layout file fails on its count line (the first datum's xa, 0).
        {kCommonCurrentSurvey, first, kError + "0 10 20 30 -0.011\n", count},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        Load(c.survey);
        EXPECT_FALSE(ReadPredicted(c.body));
        EXPECT_EQ(Shown(), Warning(c.message + path + c.explanation));
        EXPECT_FALSE(doc.predictedLoaded);
    }

    // A DC predicted datum with the wrong sign stops the read.
    Load(kSurvey);
    EXPECT_FALSE(ReadPredicted("pred\n0 10 20 30 0.011\n0 10 30 40 -0.0021\n"));
    EXPECT_EQ(Shown(), (std::vector<test::ShownMessage>{
                           {"Data has wrong sign:\n0 10 20 30  0.011", MessageKind::Error},
                           {"Error in predicted data file: \n" + path, MessageKind::Warning}}));
    EXPECT_FALSE(doc.predictedLoaded);
}

class DefaultErrors : public test::SurveyFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(doc.ReadDataFile(
            dir.Write("survey.dat", "title\n0 1 2 3 -0.1\n0 1 3 4 -0.2\n0 1 4 5 -0.3\n")));
    }
    std::vector<double> StdDevs() const {
        std::vector<double> values;
        for (const Cobs& record : doc.observations) {
            values.push_back(record.stdDev);
        }
        return values;
    }
};

TEST_F(DefaultErrors, SixthNumberOfEachTableLineAfterTheHeader) {
    // Short lines and numbers that are no deviation leave the datum's own.
    const std::string log = dir.Write("run.log",
                                      "Inversion of line 4\n1 2 3 4 5 6\n"
                                      "Table of the Default Errors:\n  a b m n d err\n"
                                      "0 1 2 3 -0.1 0.01 extra 99\r\n0 1 3 4 -0.2\n"
                                      "0 1 4 5 -0.3 nan\n0 1 5 6 -0.4 0.04\nnot a table line\n");
    doc.observations[1].stdDev = 0.5;
    doc.observations[2].stdDev = 0.3;
    EXPECT_TRUE(doc.ReadDefaultErrors(log));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(StdDevs(), (std::vector<double>{0.01, 0.5, 0.3}));
    EXPECT_TRUE(doc.defaultErrors);
}

TEST_F(DefaultErrors, LogWithoutTheTableOrWithAShortOne) {
    const std::string log = dir.Write("run.log", "default errors\n1 2 3 4 5 6\n");
    EXPECT_TRUE(doc.ReadDefaultErrors(log));
    EXPECT_EQ(Shown(), Warning("Default errors table not found in log file: \n" + log +
                               "\nThe data keep their standard deviations."));
    EXPECT_EQ(StdDevs(), (std::vector<double>{0, 0, 0}));

    // A path longer than any fixed buffer comes out whole.
    std::filesystem::create_directory(dir.path() / std::string(200, 'd'));
    const std::string shortLog =
        dir.Write(std::string(200, 'd') + "/" + std::string(120, 'l') + ".log",
                  "Default Errors\nheader\n0 1 2 3 -0.1 0.01\n0 1 3 4 -0.2 0.02");
    EXPECT_TRUE(doc.ReadDefaultErrors(shortLog));
    EXPECT_EQ(Shown(), Warning("Default errors table incomplete in log file: \n" + shortLog +
                               "\nOnly 2 of 3 data have a default error."));
    EXPECT_EQ(StdDevs(), (std::vector<double>{0.01, 0.02, 0}));
}

}  // namespace
}  // namespace oskava

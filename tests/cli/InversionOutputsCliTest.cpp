// oskava-data with an inversion's predicted data and log, and convert.
#include <gtest/gtest.h>

#include <sstream>

#include "support/RunCli.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

using test::CliResult;
using test::ReadAll;
using test::RunCli;
using test::TempDir;

// Dipole-dipole data whose normalized differences are exactly -2 and -1 with the log's
// errors, so the misfit is 5.
const char kSurvey[] = "title\n0 10 20 30 -0.5\n0 10 30 40 -1\n";
const char kPredicted[] = "pred\n0 10 20 30 -0.25\n0 10 30 40 -0.75\n";
const char kLog[] = "run\nDefault Errors:\nheader\n0 10 20 30 -0.5 0.125\n0 10 30 40 -1 0.25\n";

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

// The record lines of a dump, without the header.
std::vector<std::string> DumpLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream stream(out);
    std::string line;
    std::getline(stream, line);
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

class InversionOutputsCli : public ::testing::Test {
protected:
    TempDir dir;
    std::string survey = dir.Write("survey.dat", kSurvey);
    std::string predicted = dir.Write("tarnel.pre", kPredicted);
    std::string log = dir.Write("tarnel.log", kLog);
};

TEST_F(InversionOutputsCli, InfoGivesTheMisfitWithPredictedData) {
    const CliResult with = RunCli({"info", survey, "--pre", predicted, "--log", log});
    EXPECT_EQ(with.status, 0);
    EXPECT_EQ(with.err, "");
    EXPECT_NE(with.out.find("default errors: yes\n"), std::string::npos);
    EXPECT_NE(with.out.find("\npredicted: yes\nmisfit: 5\n"), std::string::npos) << with.out;

    const CliResult without = RunCli({"info", survey, "--log", log});
    EXPECT_EQ(without.status, 0);
    EXPECT_NE(without.out.find("\npredicted: no\n"), std::string::npos);
    EXPECT_EQ(without.out.find("misfit"), std::string::npos);
}

TEST_F(InversionOutputsCli, DumpFillsThePredictedColumnsOnlyWithPredictedData) {
    const std::vector<std::string> with =
        DumpLines(RunCli({"dump", survey, "--log", log, "--pre", predicted}).out);
    ASSERT_EQ(with.size(), 2u);
    std::vector<std::string> fields = Fields(with[0]);
    ASSERT_EQ(fields.size(), 20u);
    EXPECT_EQ(fields[6], "0.125");
    EXPECT_EQ(fields[17], "-0.25");
    EXPECT_EQ(fields[19], "-2");
    fields = Fields(with[1]);
    EXPECT_EQ(fields[17], "-0.75");
    EXPECT_EQ(fields[19], "-1");

    // The log is read without predicted data too.
    const std::vector<std::string> without = DumpLines(RunCli({"dump", survey, "--log", log}).out);
    ASSERT_EQ(without.size(), 2u);
    fields = Fields(without[1]);
    EXPECT_EQ(fields[6], "0.25");
    EXPECT_EQ(fields[17] + fields[18] + fields[19], "");
}

TEST_F(InversionOutputsCli, LogIsNeededOnlyForDataWithoutStandardDeviations) {
    const std::string missing = (dir.path() / "none.log").string();
    const CliResult needed = RunCli({"info", survey, "--log", missing});
    EXPECT_EQ(needed.status, 1);
    EXPECT_EQ(needed.out, "");
    EXPECT_EQ(needed.err, "warning: Log file: " + missing +
                              " not found.\nLog file is needed for default errors.\n");

    const std::string own = dir.Write("own.dat", "title\n0 10 20 30 -0.5 0.5\n");
    const CliResult notNeeded = RunCli({"dump", own, "--log", missing});
    EXPECT_EQ(notNeeded.status, 0);
    EXPECT_EQ(notNeeded.err, "");
    EXPECT_EQ(Fields(DumpLines(notNeeded.out).at(0))[6], "0.5");
}

TEST_F(InversionOutputsCli, MismatchingPredictedFileIsReportedAndTheSurveyOpens) {
    const std::string other = dir.Write("other.pre", "pred\n0 10 20 30 -0.25\n0 10 30 45 -1\n");
    const CliResult result = RunCli({"info", survey, "--pre", other});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "warning: Data file not consistent with predicted file: \n" + other + "\n");
    EXPECT_NE(result.out.find("\npredicted: no\n"), std::string::npos);
}

TEST_F(InversionOutputsCli, ConvertSavesTheSurveyAsTheViewerDoes) {
    const std::string out = (dir.path() / "out.dat").string();
    const CliResult result = RunCli({"convert", survey, "-o", out});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "information: The data filename has changed.\nMake sure you use the correct name "
              "in the OSKAVA interface.\n");
    EXPECT_EQ(ReadAll(out),
              "title\n\n"
              "      0.00      10.00       20.00      30.00  -5.00000e-01\n"
              "      0.00      10.00       30.00      40.00  -1.00000e+00\n");

    // With the log's errors the output carries them.
    EXPECT_EQ(RunCli({"convert", survey, "--log", log, "-o", out}).status, 0);
    EXPECT_NE(ReadAll(out).find("-5.00000e-01 1.25000e-01\n"), std::string::npos);
}

TEST_F(InversionOutputsCli, ConvertFailuresHaveTheirStatus) {
    const std::string out = (dir.path() / "missing" / "out.dat").string();
    const CliResult unwritable = RunCli({"convert", survey, "-o", out});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err,
              "warning: Error writing data file: \n" + out + "\nNo such file or directory\n");
    EXPECT_EQ(RunCli({"convert", (dir.path() / "none.dat").string(), "-o", out}).status, 1);
    EXPECT_EQ(RunCli({"convert", survey}).status, 2);
    const CliResult help = RunCli({"convert", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--log"), std::string::npos);
}

TEST(ExamplesCli, InversionOutputsAndConversionOfTheBundledSurveys) {
    const std::string examples = OSKAVA_EXAMPLES_DIR;
    const CliResult ip = RunCli({"info", examples + "/ip-dipole-dipole.dat", "--ip", "--pre",
                                 examples + "/brisko.pre", "--log", examples + "/brisko.log"});
    EXPECT_EQ(ip.status, 0);
    EXPECT_EQ(ip.err, "");
    EXPECT_NE(ip.out.find("\nmisfit: 469.5"), std::string::npos) << ip.out;

    // A common-current survey is written in its layout and reads back alike.
    TempDir dir;
    const std::string out = (dir.path() / "gradient.dat").string();
    const std::string survey = examples + "/gradient-common-current.dat";
    ASSERT_EQ(RunCli({"convert", survey, "-o", out}).status, 0);
    EXPECT_EQ(ReadAll(out).rfind("COMMON_CURRENT\n", 0), 0u);
    const CliResult before = RunCli({"info", survey});
    const CliResult after = RunCli({"info", out});
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(after.out, before.out);
}

}  // namespace
}  // namespace oskava

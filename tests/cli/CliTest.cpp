// oskava-data as scripts use it: what it prints on standard output and standard
// error, the files it writes, and its exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RunCli.h"

namespace oskava {
namespace {

using test::CliResult;
using test::ReadAll;
using test::RunCli;

const char kSurvey[] =
    "Two dipole-dipole data\n0 10 20 30 2.25 0.125\n! a comment\n0 10 30 40 -0.5 0.25\n";
// Dipole-dipole data whose normalized differences are exactly -2 and -1 with the log's
// errors, so the misfit is 5.
const char kNoErrors[] = "title\n0 10 20 30 -0.5\n0 10 30 40 -1\n";
const char kPredicted[] = "pred\n0 10 20 30 -0.25\n0 10 30 40 -0.75\n";
const char kLog[] = "run\nDefault Errors:\nheader\n0 10 20 30 -0.5 0.125\n0 10 30 40 -1 0.25\n";

class CliTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    std::string survey_ = dir_.Write("line.dat", kSurvey);
    std::string noErrors_ = dir_.Write("survey.dat", kNoErrors);
    std::string log_ = dir_.Write("tarnel.log", kLog);
    std::string predicted_ = dir_.Write("tarnel.pre", kPredicted);
};

TEST_F(CliTest, InfoLinesAndTheirNumbers) {
    const std::string data =
        dir_.Write("cc.dat", "COMMON_CURRENT\n1\n0 10 2\n20 30 -0.01\n30 40.3 -0.002\n");
    const std::string topo = dir_.Write("line.topo", "3 100\n0 100\n20 100\n50 100\n");
    const CliResult run = RunCli({"info", data, "--ip", "--topo", topo});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(
        run.out,
        "layout: common-current\ndata: 2\ndefault errors: yes\nx range: 0 40.299999999999997\n"
        "max pseudo-depth: 15.074999999999999\ndisplay range: -0.01 -0.002\n"
        "separations: 20 30.149999999999999\ntopography: 3 points\npredicted: no\n");
}

TEST_F(CliTest, DumpHeaderAndRecords) {
    const CliResult run = RunCli({"dump", "--ip", survey_});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "index,xa,xb,xm,xn,datum,stdDev,za,zb,zm,zn,hasB,hasN,insideAB,pseudoX,"
              "pseudoDepth,displayValue,predicted,predictedDisplayValue,normalizedDiff\n"
              "0,0,10,20,30,2.25,0.125,0,0,0,0,1,1,0,15,10,2.25,,,\n"
              "1,0,10,30,40,-0.5,0.25,0,0,0,0,1,1,0,20,15,-0.5,,,\n");
    // The log's errors fill the deviations, the predicted data the last columns.
    const std::string out = RunCli({"dump", noErrors_, "--log", log_, "--pre", predicted_}).out;
    EXPECT_EQ(out.rfind("\n0,0,10,20,30,-0.5,0.125,"), out.find('\n')) << out;
    EXPECT_NE(out.find(",-0.25,"), std::string::npos) << out;
    EXPECT_NE(out.find(",-2\n1,"), std::string::npos) << out;
}

TEST_F(CliTest, ExitStatusesAndMessagesWithTheirKinds) {
    const std::string wrong = dir_.Write("wrong.dat", "t\n0 10 20 30 -0.01\n0 10 20 30 0.01\n");
    const CliResult failed = RunCli({"info", wrong});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    const std::string stopped =
        "error: Data has wrong sign:\n0 10 20 30  0.01\nwarning: Error in data file: \n" + wrong +
        "\n";
    EXPECT_EQ(failed.err, stopped);
    // --drop-wrong-sign: the same messages, then the survey goes on without those data.
    const CliResult dropped = RunCli({"info", wrong, "--drop-wrong-sign"});
    EXPECT_EQ(dropped.status, 0);
    EXPECT_EQ(dropped.err, stopped + "information: 1 data with the wrong sign left out.\n");
    EXPECT_EQ(dropped.out.substr(0, 24), "layout: general\ndata: 1\n");
    const std::string allWrong = dir_.Write("all.dat", "t\n0 10 20 30 0.01\n");
    const CliResult none = RunCli({"dump", allWrong, "--drop-wrong-sign"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err.substr(none.err.find(allWrong)),
              allWrong + "\nerror: All data have the wrong sign.\n");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"info", "--no-such-option", survey_}}) {
        const CliResult run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(RunCli({"--help"}).status, 0);
    EXPECT_EQ(RunCli({"info", "--version"}).status, 0);

    // convert writes as the viewer saves, with the viewer's notice of a new name.
    const std::string out = (dir_.path() / "out.dat").string();
    const CliResult convert = RunCli({"convert", noErrors_, "-o", out});
    EXPECT_EQ(convert.status, 0);
    EXPECT_EQ(convert.err.rfind("information: The data filename has changed.", 0), 0u);
    EXPECT_EQ(ReadAll(out).find("title\n\n      0.00      10.00       20.00"), 0u);
}

TEST_F(CliTest, MeshPrintsEachTriangleCounterclockwiseFromItsSmallestIndexSorted) {
    // Pseudo-locations on the corners of a square, x 30 and 35, depth 10 and 15.
    const CliResult square = RunCli(
        {"mesh", "--ip",
         dir_.Write("a.dat", "t\n0 40 35 45 1\n10 20 40 50 2\n20 30 40 50 3\n15 25 20 80 4\n")});
    EXPECT_EQ(square.status, 0);
    EXPECT_EQ(square.err, "");
    EXPECT_EQ(square.out, "0 2 1\n1 2 3\n");
}

}  // namespace
}  // namespace oskava

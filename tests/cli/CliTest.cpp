// oskava-data as scripts use it: what it prints on standard output and standard
// error, and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace oskava {
namespace {

using test::TempDir;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class CliTest : public ::testing::Test {
  protected:
    // Runs oskava-data with the arguments (already quoted where needed).
    CliRun Cli(const std::string& arguments) const {
        const std::string out = (dir_.path() / "stdout").string();
        const std::string err = (dir_.path() / "stderr").string();
        const std::string command = Quoted(OSKAVA_CLI_PATH) + " " + arguments + " >" + Quoted(out) +
                                    " 2>" + Quoted(err) + " </dev/null";
        CliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }

    TempDir dir_;
};

const char kSurvey[] =
    "Two dipole-dipole data\n"
    "0 10 20 30 2.25 0.125\n"
    "! a comment\n"
    "0 10 30 40 -0.5 0.25\n";

TEST_F(CliTest, InfoOnIpData) {
    const std::string data = dir_.Write("line.dat", kSurvey);
    const CliRun run = Cli("info " + Quoted(data) + " --ip");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "layout: general\n"
              "data: 2\n"
              "default errors: no\n"
              "x range: 0 40\n"
              "max pseudo-depth: 15\n"
              "display range: -0.5 2.25\n"
              "separations: 20 30\n"
              "topography: none\n"
              "predicted: no\n");
}

TEST_F(CliTest, InfoOnDcDataWithTopography) {
    const std::string data =
        dir_.Write("line.dat", "COMMON_CURRENT\n1\n0 10 2\n20 30 -0.01\n30 40 -0.002\n");
    const std::string topo = dir_.Write("line.topo", "3 100\n0 100\n20 100\n40 100\n");
    const CliRun run = Cli("info " + Quoted(data) + " --topo " + Quoted(topo));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // log10 of the apparent conductivities, closed forms of the two dipole-dipoles.
    const double pi = std::acos(-1.0);
    const double first = std::log10(1 / (pi * 1 * 2 * 3 * 10 * 0.01));
    const double second = std::log10(1 / (pi * 2 * 3 * 4 * 10 * 0.002));
    std::istringstream lines(run.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 9u) << run.out;
    EXPECT_EQ(all[0], "layout: common-current");
    EXPECT_EQ(all[1], "data: 2");
    EXPECT_EQ(all[2], "default errors: yes");
    EXPECT_EQ(all[3], "x range: 0 40");
    EXPECT_EQ(all[4], "max pseudo-depth: 15");
    double min = 0;
    double max = 0;
    ASSERT_EQ(std::sscanf(all[5].c_str(), "display range: %lf %lf", &min, &max), 2) << all[5];
    EXPECT_NEAR(min, first, 1e-12);
    EXPECT_NEAR(max, second, 1e-12);
    EXPECT_EQ(all[6], "separations: 20 30");
    EXPECT_EQ(all[7], "topography: 3 points");
    EXPECT_EQ(all[8], "predicted: no");
}

TEST_F(CliTest, NumbersArePrintedWithSeventeenDigits) {
    const std::string data = dir_.Write("line.dat", "t\n0.1 10 20 30.3 1\n");
    const CliRun run = Cli("info --ip " + Quoted(data));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("x range: 0.10000000000000001 30.300000000000001\n"), std::string::npos)
        << run.out;
}

TEST_F(CliTest, DumpHeaderAndRecords) {
    const std::string data = dir_.Write("line.dat", kSurvey);
    const CliRun run = Cli("dump --ip " + Quoted(data));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "index,xa,xb,xm,xn,datum,stdDev,za,zb,zm,zn,hasB,hasN,insideAB,pseudoX,"
              "pseudoDepth,displayValue,predicted,predictedDisplayValue,normalizedDiff\n"
              "0,0,10,20,30,2.25,0.125,0,0,0,0,1,1,0,15,10,2.25,,,\n"
              "1,0,10,30,40,-0.5,0.25,0,0,0,0,1,1,0,20,15,-0.5,,,\n");
}

TEST_F(CliTest, AMissingFileIsReportedWithStatus1) {
    const std::string missing = (dir_.path() / "missing.dat").string();
    for (const char* command : {"info", "dump"}) {
        const CliRun run = Cli(std::string(command) + " " + Quoted(missing));
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.out, "") << command;
        EXPECT_EQ(run.err, "warning: Data file: " + missing + " not found.\n") << command;
    }
}

TEST_F(CliTest, MessagesKeepTheirLinesAndKinds) {
    const std::string data = dir_.Write("line.dat", "t\n0 10 20 30 -0.01\n0 10 20 30 0.01\n");
    const CliRun run = Cli("info " + Quoted(data));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "error: Data has wrong sign:\n0 10 20 30  0.01\n"
              "warning: Error in data file: \n" +
                  data + "\n");

    const std::string topo = (dir_.path() / "missing.topo").string();
    const CliRun noTopo = Cli("dump --ip " + Quoted(data) + " --topo " + Quoted(topo));
    EXPECT_EQ(noTopo.status, 1);
    EXPECT_EQ(noTopo.out, "");
    EXPECT_EQ(noTopo.err, "warning: Topography file: " + topo + " not found\n");
}

TEST_F(CliTest, BadUsageExitsWith2) {
    const std::string data = dir_.Write("line.dat", kSurvey);
    for (const std::string& arguments :
         {std::string(""), std::string("frobnicate ") + Quoted(data), std::string("info"),
          "info --no-such-option " + Quoted(data), "info " + Quoted(data) + " extra",
          "dump " + Quoted(data) + " --topo"}) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out.find("index,"), std::string::npos) << arguments;
        EXPECT_NE(run.err, "") << arguments;
    }
}

TEST_F(CliTest, HelpAndVersion) {
    const CliRun help = Cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("dump"), std::string::npos) << help.out;

    const CliRun infoHelp = Cli("info --help");
    EXPECT_EQ(infoHelp.status, 0);
    EXPECT_NE(infoHelp.out.find("--topo"), std::string::npos) << infoHelp.out;

    for (const char* arguments : {"--version", "info --version", "dump --version"}) {
        const CliRun version = Cli(arguments);
        EXPECT_EQ(version.status, 0) << arguments;
        int major = -1;
        int minor = -1;
        EXPECT_EQ(std::sscanf(version.out.c_str(), "%d.%d", &major, &minor), 2) << version.out;
        EXPECT_EQ(version.out.back(), '\n');
    }
}

// Four data whose pseudo-locations are the corners of a square, x 30 and 35, depth
// 10 and 15, on a line from 0 to 80 (so that logical units are exact multiples).
const char kSquareCorner30x10[] = "0 40 35 45 1\n";
const char kSquareCorner30x15[] = "10 20 40 50 2\n";
const char kSquareCorner35x10[] = "20 30 40 50 3\n";
const char kSquareCorner35x15[] = "15 25 20 80 4\n";

TEST_F(CliTest, MeshPrintsEachTriangleCounterclockwiseFromItsSmallestIndex) {
    const std::string three = dir_.Write("three.dat", std::string(kSurvey) + "10 20 30 40 1\n");
    const CliRun one = Cli("mesh --ip " + Quoted(three));
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.err, "");
    EXPECT_EQ(one.out, "0 2 1\n");  // (15, 10), (25, 10), (20, 15)

    // The diagonal of the square follows the order of the data.
    const std::string first =
        dir_.Write("first.dat", std::string("t\n") + kSquareCorner30x10 + kSquareCorner30x15 +
                                    kSquareCorner35x10 + kSquareCorner35x15);
    const CliRun acrossFirst = Cli("mesh --ip " + Quoted(first));
    EXPECT_EQ(acrossFirst.status, 0);
    EXPECT_EQ(acrossFirst.out, "0 2 1\n1 2 3\n");
    const std::string second =
        dir_.Write("second.dat", std::string("t\n") + kSquareCorner30x10 + kSquareCorner30x15 +
                                     kSquareCorner35x15 + kSquareCorner35x10);
    const CliRun acrossSecond = Cli("mesh --ip " + Quoted(second));
    EXPECT_EQ(acrossSecond.status, 0);
    EXPECT_EQ(acrossSecond.out, "0 2 1\n0 3 2\n");
}

TEST_F(CliTest, MeshOfCollinearOrTooFewData) {
    const std::string level =
        dir_.Write("level.dat", "one level\n0 10 20 30 1\n10 20 30 40 2\n20 30 40 50 3\n");
    const CliRun collinear = Cli("mesh --ip " + Quoted(level));
    EXPECT_EQ(collinear.status, 1);
    EXPECT_EQ(collinear.out, "");
    EXPECT_EQ(collinear.err, "error: Error: Points in the data file are collinear.\n");

    const CliRun two = Cli("mesh --ip " + Quoted(dir_.Write("two.dat", kSurvey)));
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(two.out, "");
    EXPECT_EQ(two.err, "");

    const CliRun missing = Cli("mesh " + Quoted((dir_.path() / "missing.dat").string()));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace oskava

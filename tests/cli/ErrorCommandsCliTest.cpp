// errors and electrode-misfit: their exact output, the files they write and their
// exit statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunCli.h"

namespace oskava {
namespace {

using test::ReadAll;
using test::RunCli;
using test::TempDir;

const std::string kExamples = OSKAVA_EXAMPLES_DIR;

// Ten quadrupoles read twice, the first as a reciprocal, the second with B A: five
// pairs of |R| 1 and e 0.125, five of |R| 2 and e 0.1875, so that the two bins give
// the line e = 0.0625 + 0.0625 |R| exactly; the first five differ by 12.5 %.
std::string PairedSurvey() {
    std::string first = "ten quadrupoles read twice\n";
    std::string second;
    for (int k = 0; k < 10; ++k) {
        const int a = 10 * k;
        const char* r1 = k < 5 ? "-0.9375" : "-1.90625";
        const char* r2 = k < 5 ? "-1.0625" : "-2.09375";
        first += std::to_string(a) + " " + std::to_string(a + 10) + " " + std::to_string(a + 20) +
                 " " + std::to_string(a + 30) + " " + r1 + "\n";
        if (k == 0) {
            second += "20 30 0 10 -1.0625\n";
        } else if (k == 1) {
            second += "20 10 30 40 1.0625\n";
        } else {
            second += std::to_string(a) + " " + std::to_string(a + 10) + " " +
                      std::to_string(a + 20) + " " + std::to_string(a + 30) + " " + r2 + "\n";
        }
    }
    return first + second;
}

TEST(ErrorsCli, PrintsThePairsAndTheModelAssignsAndDeletesThenSaves) {
    TempDir dir;
    const std::string data = dir.Write("paired.dat", PairedSurvey());
    const test::CliResult printed = RunCli({"errors", data});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out,
              "pairs 10\nreciprocals 1\nrepeats 9\nmodel linear 0.0625 0.0625\nabove10 5\n");
    // b = log10(1.5 / 1) / log10(2 / 1)
    EXPECT_NE(RunCli({"errors", data, "--model", "power"}).out.find("\nmodel power 0.125 0.58496"),
              std::string::npos);

    const std::string assigned = (dir.path() / "assigned.dat").string();
    EXPECT_EQ(RunCli({"errors", data, "--assign", "-o", assigned}).status, 0);
    // 0.0625 + 0.0625 * 0.9375 = 0.12109375 as the writer writes it.
    EXPECT_NE(ReadAll(assigned).find("\n      0.00      10.00       20.00      30.00  -9.37500e-01 "
                                     "1.21094e-01\n"),
              std::string::npos);

    const std::string kept = (dir.path() / "kept.dat").string();
    const test::CliResult dropped = RunCli({"errors", data, "--drop-above", "10", "-o", kept});
    EXPECT_EQ(dropped.status, 0);
    EXPECT_EQ(dropped.err.substr(0, 51), "question: Are you sure you want to delete 10 data?\n");
    EXPECT_EQ(RunCli({"errors", kept}).out, "pairs 5\nreciprocals 0\nrepeats 5\nabove10 0\n");

    // The deletion first, then the model of the five pairs left: there is none.
    const std::string none = (dir.path() / "none.dat").string();
    const test::CliResult both =
        RunCli({"errors", data, "--drop-above", "10", "--assign", "-o", none});
    EXPECT_EQ(both.status, 1);
    EXPECT_EQ(both.err,
              "question: Are you sure you want to delete 10 data?\nerror: No error model: it "
              "needs at least 10 pairs.\n" +
                  none + " not written.\n");
    EXPECT_FALSE(std::filesystem::exists(none));
}

TEST(ErrorsCli, WithoutPairsOrWithIpDataOrBadUsageNothingIsWritten) {
    TempDir dir;
    const std::string out = (dir.path() / "out.dat").string();
    const std::string dd = kExamples + "/dipole-dipole.dat";
    const test::CliResult none = RunCli({"errors", dd});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "pairs 0\nreciprocals 0\nrepeats 0\nabove10 0\n");
    const test::CliResult assign = RunCli({"errors", dd, "--assign", "-o", out});
    EXPECT_EQ(assign.status, 1);
    EXPECT_EQ(assign.err,
              "error: The survey has no reciprocal or repeated data.\n" + out + " not written.\n");
    EXPECT_EQ(RunCli({"errors", dd, "--drop-above", "5", "-o", out}).status, 1);

    const test::CliResult ip = RunCli({"errors", kExamples + "/ip-dipole-dipole.dat", "--ip"});
    EXPECT_EQ(ip.status, 2);
    EXPECT_EQ(ip.err, "error: Error analysis needs DC data.\n");
    const test::CliResult range = RunCli({"errors", dd, "--drop-above", "200.5", "-o", out});
    EXPECT_EQ(range.status, 2);
    EXPECT_EQ(range.err, "error: Enter a number between 0 and 200.\n");
    EXPECT_EQ(RunCli({"errors", dd, "-o", out}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(ElectrodeMisfitCli, CsvLargestRmsFirstAndThePredictedFileRequired) {
    TempDir dir;
    const std::string data =
        dir.Write("two.dat", "two\n0 10 20 30 -1 0.5\n10 20 30 40 -0.5 0.25\n");
    const std::string pre = dir.Write("two.pre", "pre\n0 10 20 30 -1.5\n10 20 30 40 -1\n");
    const test::CliResult misfit = RunCli({"electrode-misfit", data, "--pre", pre});
    EXPECT_EQ(misfit.status, 0);
    EXPECT_EQ(misfit.out,
              "x,count,rms\n40,1,2\n10,2,1.5811388300841898\n20,2,1.5811388300841898\n30,2,"
              "1.5811388300841898\n0,1,1\n");

    EXPECT_EQ(RunCli({"electrode-misfit", data}).status, 2);
    const std::string missing = (dir.path() / "missing.pre").string();
    const test::CliResult unread = RunCli({"electrode-misfit", data, "--pre", missing});
    EXPECT_EQ(unread.status, 1);
    EXPECT_EQ(unread.err, "warning: Predicted data file: " + missing + " not found.\n");
    EXPECT_EQ(unread.out, "");
}

}  // namespace
}  // namespace oskava

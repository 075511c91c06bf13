// import and export as scripts use them: the files written byte for byte, the messages
// with their kinds, the exit statuses, and nothing written on a refusal.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/RunCli.h"

namespace oskava {
namespace {

using test::CliResult;
using test::ReadAll;
using test::RunCli;

const char kRidge[] =
    "# Ridge\n4\n# x z\n0 100\n1 101\n2 101.5\n3 100.5\n2\n# a b m n r\n"
    "1 2 3 4 -0.5\n1 4 2 3 0.25\n0\n";

class FormatsCliTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    std::string Path(const char* name) const { return (dir_.path() / name).string(); }
};

TEST_F(FormatsCliTest, ImportWritesTheSurveyAndItsGroundExactlyAndAlike) {
    const std::string in = dir_.Write("ridge.ohm", kRidge);
    const std::string out = Path("ridge.dat");
    const std::string topo = Path("ridge.topo");
    for (int run = 0; run < 2; ++run) {
        const CliResult result = RunCli({"import", in, "-o", out});
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err,
                  "information: Topography file written: " + topo +
                      "\nIt holds the electrodes' elevations: open it as the topography of " + out +
                      ".\n");
        EXPECT_EQ(ReadAll(out), "Ridge\n0 1 2 3 -0.5\n0 3 1 2 0.25\n");
        EXPECT_EQ(ReadAll(topo), "4\n101.5\n0 100\n1 101\n2 101.5\n3 100.5\n");
    }
}

TEST_F(FormatsCliTest, RefusalsAndBadUsageWriteNothing) {
    const std::string in = dir_.Write("ridge.ohm", kRidge);
    const std::string odd = dir_.Write("odd.txt", "title\n0 10 20 30 0.1\n");
    const std::string out = Path("out.dat");
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;  // for exit 1
    };
    const std::vector<Case> cases = {
        {{"import", odd, "-o", out}, 1, "error: " + odd + ": not a file in a known format\n"},
        {{"import", in, "-o", out, "--ip"},
         1,
         "error: " + in + ": the data table has no IP column (ip, phase or phi).\n"},
        {{"import", in, "-o", in},
         1,
         "error: " + in + ": writing it would replace " + in + ", the file being imported.\n"},
        {{"import", in, "-o", out, "--format", "bert"}, 2, ""},
        {{"import", in}, 2, ""},
        {{"export", in, "-o", out}, 2, ""},
        {{"export", in, "--to", "syscal", "-o", out}, 2, ""},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.back();
        if (c.status == 1) {
            EXPECT_EQ(result.err, c.err);
        }
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_FALSE(std::filesystem::exists(Path("out.topo")));
    }
    EXPECT_EQ(ReadAll(in), kRidge);
}

TEST_F(FormatsCliTest, ExportWritesEitherFormatExactly) {
    // Dipole-dipole, pole-pole and dipole-pole, with standard deviations.
    const std::string obs =
        dir_.Write("line.dat", "Line\n0 1 2 3 -0.5 0.05\n0 0 1 1 2.5 0.125\n1 2 3 3 -0.75 0.01\n");
    const std::string out = Path("line.ohm");
    CliResult result = RunCli({"export", obs, "--to", "unified", "-o", out});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadAll(out),
              "# Line\n4\n# x z\n0.0\t0.0\n1.0\t0.0\n2.0\t0.0\n3.0\t0.0\n3\n# a b m n r err\n"
              "1\t2\t3\t4\t-0.5\t0.1\n1\t0\t2\t0\t2.5\t0.05\n2\t3\t4\t0\t-0.75\t0."
              "013333333333333334\n0\n");
    result = RunCli({"export", obs, "--to", "res2dinv", "-o", out});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(
        ReadAll(out),
        "Line\n1.0\n11\n0\nType of measurement (0=app. resistivity,1=resistance)\n1\n3\n1\n0\n"
        "Error estimate for data present\nType of error estimate (0=same unit as data)\n0\n"
        "4 0.0 0.0 1.0 0.0 2.0 0.0 3.0 0.0 -0.5 0.05\n2 0.0 0.0 1.0 0.0 2.5 0.125\n"
        "3 3.0 0.0 1.0 0.0 2.0 0.0 -0.75 0.01\n0\n0\n0\n0\n0\n");

    const std::string refused = Path("refused.dat");
    result = RunCli({"export", obs, "--ip", "--to", "res2dinv", "-o", refused});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "error: " + refused +
                              ": an IP survey is not written to a Res2DInv file, which carries "
                              "IP values beside apparent resistivities.\n");
    EXPECT_FALSE(std::filesystem::exists(refused));
    result = RunCli({"export", obs, "--to", "unified", "-o", obs});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              "error: " + obs + ": the survey is read from this file; export it to another one.\n");
}

}  // namespace
}  // namespace oskava

// The editing commands of oskava-data: what they write, print and refuse.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/DataEdits.h"
#include "editing/GaussianNoise.h"
#include "support/RunCli.h"
#include "support/ScriptedPrompts.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::ReadAll;
using test::RunCli;
using test::TempDir;

const std::string kExample = std::string(OSKAVA_EXAMPLES_DIR) + "/ip-dipole-dipole.dat";

TEST(EditingCli, NoiseIsReproducibleAndRepeatsWithinOneProcess) {
    TempDir dir;
    const auto noise = [&](const std::string& name, const std::string& repeat) {
        const std::string out = (dir.path() / name).string();
        EXPECT_EQ(RunCli({"noise", kExample, "--ip", "--percent", "5", "--minimum", "0.001",
                          "--repeat", repeat, "-o", out})
                      .status,
                  0);
        return ReadAll(out);
    };
    const std::string once = noise("once.dat", "1");
    EXPECT_EQ(noise("again.dat", "1"), once);
    const std::string twice = noise("twice.dat", "2");
    EXPECT_NE(twice, once);
    // Two uses in one process share the deviate generator's cache: with an odd number
    // of data the second use starts with the deviate the first one left.
    test::ScriptedPrompts prompts;
    CDatDoc doc(prompts);
    ASSERT_EQ(OpenSurvey(doc, OpenRequest{kExample, false, "", "", ""}), OpenOutcome::Opened);
    ASSERT_EQ(doc.dataCount % 2, 1);
    GaussianDeviates deviates;
    AddGaussianNoise(doc, 5, 0.001, deviates);
    AddGaussianNoise(doc, 5, 0.001, deviates);
    const std::string expected = (dir.path() / "expected.dat").string();
    ASSERT_TRUE(doc.OnSaveDocument(expected));
    EXPECT_EQ(twice, ReadAll(expected));
}

TEST(EditingCli, DeletionsAskSaveAndStatsPrintRefusedEntriesExitTwo) {
    TempDir dir;
    const std::string data = dir.Write("line.dat", "t\n0 10 20 30 -4 1\n0 10 30 40 -1 1\n");
    const std::string out = (dir.path() / "out.dat").string();
    const test::CliResult deleted =
        RunCli({"delete-electrode", data, "--at", "40", "--receiver", "-o", out});
    EXPECT_EQ(deleted.status, 0);
    EXPECT_EQ(deleted.err,
              "question: Are you sure you want to delete 1 data?\ninformation: The data filename "
              "has changed.\nMake sure you use the correct name in the OSKAVA interface.\n");
    EXPECT_EQ(RunCli({"stats", out}).out,
              "Data Statistics\n\n# of data 1\n\nmaximum: 4\nminimum: 4\n\naverage: 4\nmedian: "
              "4\n10 percent smallest: 4\n");
    const test::CliResult last = RunCli({"delete-datum", out, "--index", "0", "-o", out});
    EXPECT_EQ(last.status, 1);
    EXPECT_EQ(last.err, "warning: All data deleted.\nerror: " + out +
                            " not written: the survey holds no data.\n");

    // assign and noise answer the same dialog through the same rules; a refused entry
    // writes nothing.
    const std::string none = (dir.path() / "none.dat").string();
    const test::CliResult refused =
        RunCli({"assign", kExample, "--ip", "--percent", "500.5", "--minimum", "1", "-o", none});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "error: Enter a number between 0 and 500.\n");
    EXPECT_FALSE(std::filesystem::exists(none));
}

}  // namespace
}  // namespace oskava

// oskava-data filter: what it prints, what it writes (the bytes Save As writes after
// the same deletion in the window), its histogram, and its refusals.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "analysis/DataFilter.h"
#include "support/RunCli.h"
#include "support/ScriptedPrompts.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::ReadAll;
using test::RunCli;

// Dipole-dipole n = 1, 2, 3 from A = 0, and n = 1 from A = 10: apparent resistivities
// 0.6 pi, 0.48 pi, 0.6 pi and 3 pi ohm-m.
const char kSurvey[] =
    "four\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n0 10 40 50 -0.001\n10 20 30 40 -0.05\n";
const char kRenamed[] =
    "information: The data filename has changed.\nMake sure you use the correct name in the "
    "OSKAVA interface.\n";

TEST(FilterCli, DeletesAsTheWindowDoesAndDrawsTheHistogram) {
    test::TempDir dir;
    const std::string data = dir.Write("four.dat", kSurvey);
    const std::string out = (dir.path() / "out.dat").string();
    const std::string png = (dir.path() / "rhoa.png").string();
    const test::CliResult run =
        RunCli({"filter", data, "--quantity", "rhoa", "--max", "5", "-o", out, "--histogram", png});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "deleted 1 of 4\n");
    EXPECT_EQ(run.err,
              "question: Are you sure you want to delete 1 data?\n" + std::string(kRenamed));

    test::ScriptedPrompts prompts;
    CDatDoc doc(prompts);
    ASSERT_EQ(OpenSurvey(doc, OpenRequest{data, true, "", "", ""}), OpenOutcome::Opened);
    prompts.filterEdits = {FilterFields{Quantity::ApparentResistivity, -INFINITY, 5}};
    prompts.yesNoAnswers = {true};
    FilterState state;
    FilterDataCommand(doc, state);
    const std::string saved = (dir.path() / "saved.dat").string();
    ASSERT_TRUE(doc.OnSaveDocument(saved));
    EXPECT_EQ(ReadAll(out), ReadAll(saved));
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(640, 400));

    // A range that deletes nothing still writes the survey.
    const test::CliResult none = RunCli({"filter", data, "--quantity", "depth", "-o", out});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "deleted 0 of 4\n");
    EXPECT_EQ(none.err, "warning: No data deleted.\n" + std::string(kRenamed));
    const std::string converted = (dir.path() / "converted.dat").string();
    ASSERT_EQ(RunCli({"convert", data, "-o", converted}).status, 0);
    EXPECT_EQ(ReadAll(out), ReadAll(converted));
}

TEST(FilterCli, RefusalsExitTwoAndWriteNothing) {
    test::TempDir dir;
    const std::string data = dir.Write("four.dat", kSurvey);
    const std::string out = (dir.path() / "out.dat").string();
    // The refusals are the dialog's (see FilterTest); here what follows from them.
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--quantity", "misfit"}, "error: The misfit needs predicted data.\n"},
        {{"--quantity", "rhoa", "--min", "3", "--max", "2"},
         "error: min. should not be greater than max.\n"},
    };
    for (const auto& [options, err] : cases) {
        std::vector<std::string> arguments = {"filter", data, "-o", out};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const test::CliResult run = RunCli(arguments);
        EXPECT_EQ(run.status, 2) << err;
        EXPECT_EQ(run.err, err);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

}  // namespace
}  // namespace oskava

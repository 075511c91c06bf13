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
TEST(FilterCli, DeletesAsTheWindowDoesDrawsTheHistogramAndRefusesAsTheDialog) {
    test::TempDir dir;
    const std::string data = dir.Write("four.dat", kSurvey);
    const std::string out = (dir.path() / "out.dat").string();
    const std::string png = (dir.path() / "rhoa.png").string();
    // A refused entry writes nothing.
    const test::CliResult refused =
        RunCli({"filter", data, "--quantity", "rhoa", "--min", "3", "--max", "2", "-o", out});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "error: min. should not be greater than max.\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const test::CliResult run =
        RunCli({"filter", data, "--quantity", "rhoa", "--max", "5", "-o", out, "--histogram", png});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "deleted 1 of 4\n");
    EXPECT_EQ(run.err.rfind("question: Are you sure you want to delete 1 data?\ninformation:", 0),
              0u);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(640, 400));
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

    // A range that deletes nothing still writes the survey.
    const test::CliResult none = RunCli({"filter", data, "--quantity", "depth", "-o", out});
    EXPECT_EQ(none.out, "deleted 0 of 4\n");
    EXPECT_EQ(none.err.rfind("warning: No data deleted.\ninformation:", 0), 0u);
    ASSERT_EQ(RunCli({"convert", data, "-o", saved}).status, 0);
    EXPECT_EQ(ReadAll(out), ReadAll(saved));
}

}  // namespace
}  // namespace oskava

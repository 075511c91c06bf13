// File -> Import and File -> Export on the document: the imported survey opened with its
// ground, marked modified and saved only through Save As, which writes the elevations
// beside the observation file; the export's questions and refusals.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/FormatCommands.h"
#include "support/SurveyFixture.h"
#include "survey/Topography.h"

namespace oskava {
namespace {

const char kRidge[] =
    "# Ridge\n4\n# x z\n0 100\n1 101\n2 101.5\n3 100.5\n2\n# a b m n r ip iperr\n"
    "1 2 3 4 -0.5 3 0.1\n1 4 2 3 0.25 4 0.2\n0\n";

class ImportDocumentTest : public test::SurveyFixture {
  protected:
    std::string ridge = dir.Write("ridge.ohm", kRidge);
    std::string Path(const char* name) const { return (dir.path() / name).string(); }
};

TEST_F(ImportDocumentTest, ImportOpensAModifiedSurveyOnItsGround) {
    prompts.importEdits = {std::nullopt, ImportFields{ridge, std::nullopt, false}};
    OnFileImport(doc);  // cancelled
    EXPECT_EQ(doc.dataCount, 0);
    OnFileImport(doc);
    EXPECT_EQ(prompts.importShown.back().path, "");
    ASSERT_TRUE(doc.dataReady);
    EXPECT_EQ(doc.GetTitle(), ridge + " (imported)");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.imported);
    EXPECT_FALSE(doc.isDC);
    EXPECT_FALSE(doc.defaultErrors);
    EXPECT_EQ(doc.headerLine, "Ridge");
    EXPECT_EQ(doc.observations[1].datum, 4);
    EXPECT_EQ(doc.observations[1].stdDev, 0.2);
    EXPECT_EQ(doc.topoX, (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(doc.topoDepth, (std::vector<double>{1.5, 0.5, 0, 1}));
    EXPECT_EQ(doc.observations[1].zb, 1);  // B at x = 3
    EXPECT_TRUE(Shown().empty());

    // Another import asks about the unsaved survey first; Cancel keeps it.
    prompts.saveAnswers = {SaveChangesAnswer::Cancel};
    OnFileImport(doc);
    EXPECT_EQ(prompts.importShown.size(), 2u);
    // A refused file leaves no survey.
    prompts.saveAnswers = {SaveChangesAnswer::No};
    const std::string flat = dir.Write("flat.txt", "no survey here\n");
    prompts.importEdits = {ImportFields{flat, ForeignFormat::Syscal, true}};
    OnFileImport(doc);
    EXPECT_FALSE(doc.dataReady);
    EXPECT_EQ(Shown(), (std::vector<test::ShownMessage>{
                           {flat + ": no header line with the column El-array: not a Syscal "
                                   "text export.",
                            MessageKind::Error}}));
}

TEST_F(ImportDocumentTest, SaveGoesThroughSaveAsWhichWritesTheGroundBeside) {
    ASSERT_EQ(ImportIntoDocument(doc, {ridge, std::nullopt, true}), OpenOutcome::Opened);
    const std::vector<Cobs> imported = doc.observations;
    EXPECT_TRUE(doc.defaultErrors);
    // Closing asks to save, and saving never writes over the foreign file in place.
    prompts.saveAnswers = {SaveChangesAnswer::Yes};
    prompts.saveAsPaths = {Path("saved.dat")};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(prompts.saveAsProposed, (std::vector<std::string>{Path("ridge.dat")}));
    EXPECT_EQ(test::ReadAll(ridge), kRidge);
    EXPECT_EQ(test::ReadAll(Path("saved.topo")), "4\n101.5\n0 100\n1 101\n2 101.5\n3 100.5\n");
    EXPECT_EQ(Shown(),
              (std::vector<test::ShownMessage>{
                  {TopographyWrittenNote(Path("saved.topo"), Path("saved.dat")),
                   MessageKind::Information},
                  {"The data filename has changed.\nMake sure you use the correct name in the "
                   "OSKAVA interface.",
                   MessageKind::Information}}));
    EXPECT_EQ(doc.GetTitle(), Path("saved.dat"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.imported);
    EXPECT_EQ(doc.topographyFileName, Path("saved.topo"));

    // Opened again from the two files, the electrodes stand where they stood.
    ASSERT_EQ(doc.OnFileOpen(LoadDataFields{Path("saved.dat"), "", Path("saved.topo"), true}),
              OpenOutcome::Opened);
    for (size_t i = 0; i < imported.size(); ++i) {
        EXPECT_DOUBLE_EQ(doc.observations[i].za, imported[i].za);
        EXPECT_DOUBLE_EQ(doc.observations[i].zn, imported[i].zn);
    }
}

TEST_F(ImportDocumentTest, ExportAsksBeforeReplacingAndNeverWritesOverTheSurvey) {
    ASSERT_EQ(ImportIntoDocument(doc, {ridge, std::nullopt, true}), OpenOutcome::Opened);
    const std::string existing = dir.Write("old.dat", "old");
    prompts.exportEdits = {ExportFields{existing, ForeignFormat::Res2DInv},
                           ExportFields{ridge, ForeignFormat::Unified}};
    prompts.yesNoAnswers = {false, true};
    OnFileExport(doc);
    EXPECT_EQ(prompts.exportShown.front().path, Path("ridge-export.ohm"));
    EXPECT_EQ(prompts.questions,
              (std::vector<std::string>{"old.dat already exists.\nDo you want to replace it?",
                                        "ridge.ohm already exists.\nDo you want to replace it?"}));
    EXPECT_EQ(test::ReadAll(ridge), kRidge);
    EXPECT_EQ(Shown(), (std::vector<test::ShownMessage>{
                           {ridge + ": the survey is read from this file; export it to "
                                    "another one.",
                            MessageKind::Error}}));
    prompts.exportEdits = {ExportFields{existing, ForeignFormat::Res2DInv}};
    prompts.yesNoAnswers = {true};
    OnFileExport(doc);
    EXPECT_EQ(test::ReadAll(existing).substr(0, 6), "Ridge\n");
}

}  // namespace
}  // namespace oskava

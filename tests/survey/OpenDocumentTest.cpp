// Opening a survey: the start-up arguments, the sequence of readers, what each
// outcome leaves in the document and what the views are told.
#include <cmath>

#include "support/CurrentDirectory.h"
#include "support/SurveyFixture.h"
#include "survey/CommandLine.h"
#include "survey/Misfit.h"

namespace oskava {
namespace {

using test::CurrentDirectory;

// The options as "data file|type|topography file|pre".
std::string Parsed(const std::vector<std::string>& arguments) {
    const CommandLineOptions o = ParseCommandLine(arguments);
    return o.dataFile + "|" + (o.isDC ? (*o.isDC ? "dc" : "ip") : "") + "|" + o.topographyFile +
           "|" + (o.predicted ? "pre" : "");
}

TEST(CommandLine, OptionsAreWholeArguments) {
    EXPECT_EQ(Parsed({"/data/pre/ip/dc/survey.dat", "/dc", "/ip", "/pre",
                      "/topo=\"  /ip/my hill.topo\"", "second.dat", "/dcx", "/topo=ignored"}),
              "/data/pre/ip/dc/survey.dat|dc|/ip/my hill.topo|pre");
    EXPECT_EQ(Parsed({"/home/pre/ip/x.dat", "/topo"}), "/home/pre/ip/x.dat|||");
    EXPECT_EQ(Parsed({"/ip", "a.dat", "/topo=\"hill.topo"}), "a.dat|ip|hill.topo|");
    EXPECT_EQ(Parsed({"/topo=\"\""}), "|||");
}

// Dipole-dipole data on flat ground; the first datum is the one of the closed form
// conductivity 1 / (6 pi a) / -v with a = 10.
const char kSurvey[] = "title\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n";
const char kPredicted[] = "pred\n0 10 20 30 -0.011\n0 10 30 40 -0.0021\n";
const char kLog[] =
    "tarnel run 7\n  Table 3. Default Errors:\n   xa   xb   xm   xn   datum   error\n"
    "0 10 20 30 -0.01 0.002\n0 10 30 40 -0.002 0.0002\n";

class CountingView : public View {
  public:
    std::vector<int> hints;
    void OnUpdate(int hint) override { hints.push_back(hint); }
};

class OpenDocument : public test::SurveyFixture {
  protected:
    CountingView view;
    CurrentDirectory inDir{dir.path()};

    void SetUp() override { doc.AddView(&view); }
    OpenOutcome Open(std::vector<std::string> arguments) {
        const CommandLineOptions options = ParseCommandLine(arguments);
        return doc.OnOpenDocument(options.dataFile, options);
    }
};

TEST_F(OpenDocument, OpensWithTopographyAndTellsTheViews) {
    dir.Write("a.dat", "t\n0 10 20 30 -0.01\n0 10 20 30 0.01\n");
    dir.Write("a.topo", "2 10 0 10 30 10");
    doc.SetModifiedFlag();
    doc.predictedLoaded = true;
    EXPECT_EQ(Open({"a.dat", "/ip", "/topo=a.topo"}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.dataReady);
    EXPECT_FALSE(doc.isDC || doc.predictedLoaded || doc.IsModified());
    EXPECT_EQ(doc.observations.at(0).pseudoX, 15);

    // Opening without topography drops the previous profile; the type is kept.
    dir.Write("a.topo", "2 10 0 10 30 0");
    ASSERT_EQ(Open({"a.dat", "/topo=a.topo"}), OpenOutcome::Opened);
    EXPECT_GT(doc.observations.at(0).zn, 0);
    ASSERT_EQ(Open({"a.dat"}), OpenOutcome::Opened);
    EXPECT_FALSE(doc.isDC || doc.hasTopography);
    EXPECT_TRUE(doc.topoX.empty());
    EXPECT_EQ(doc.observations.at(0).zn, 0);
    EXPECT_EQ(view.hints, (std::vector<int>{0, 0, 0}));
}

TEST_F(OpenDocument, FailuresTellTheCallerWhatToDo) {
    dir.Write("survey.dat", kSurvey);
    dir.Write("tarnel.pre", kPredicted);
    EXPECT_EQ(Open({"survey.dat", "/topo=\"missing.topo\""}), OpenOutcome::EndProcess);
    EXPECT_EQ(prompts.Texts().back(), "Topography file: missing.topo not found");
    EXPECT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::EndProcess);
    EXPECT_EQ(prompts.Texts().back(),
              "Log file: tarnel.log not found.\nLog file is needed for default errors.");
    EXPECT_FALSE(doc.dataReady || doc.predictedLoaded);
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(OpenDocument, PredictedOptionReadsTheLogFirstAndThenThePredictedData) {
    dir.Write("survey.dat", kSurvey);
    dir.Write("tarnel.pre", kPredicted);
    dir.Write("tarnel.log", kLog);
    EXPECT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.isDC && doc.predictedLoaded && doc.defaultErrors);
    EXPECT_EQ(doc.predictedFileName, "tarnel.pre");
    EXPECT_NEAR(doc.observations[0].normalizedDiff, 0.5, 1e-12);
    EXPECT_NEAR(doc.observations[1].normalizedDiff, 0.5, 1e-12);

    // Data with their own deviations need no log; a mismatching predicted file is
    // reported and the survey still opens.
    std::filesystem::remove(dir.path() / "tarnel.log");
    dir.Write("survey.dat", "title\n0 10 20 30 -0.01 0.001\n0 10 30 40 -0.002 0.0001\n");
    dir.Write("tarnel.pre", "pred\n0 10 20 30 -0.011\n0 10 35 40 -0.0021\n");
    EXPECT_EQ(Open({"survey.dat", "/pre", "/dc"}), OpenOutcome::Opened);
    EXPECT_EQ(Shown(), Warning("Data file not consistent with predicted file: \ntarnel.pre"));
    EXPECT_DOUBLE_EQ(doc.observations[1].stdDev, 0.0001);
    EXPECT_TRUE(doc.dataReady);
    EXPECT_FALSE(doc.predictedLoaded);
}

TEST_F(OpenDocument, FileOpenReadsThePredictedFileButNeverTheLog) {
    dir.Write("survey.dat", kSurvey);
    dir.Write("run.pre", kPredicted);
    dir.Write("tarnel.log", kLog);
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.OnFileOpen({"survey.dat", "run.pre", "", true}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.predictedLoaded);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_DOUBLE_EQ(doc.observations[0].stdDev, 0);
    EXPECT_TRUE(std::isinf(doc.observations[0].normalizedDiff));
    EXPECT_EQ(doc.OnFileOpen({"survey.dat", "", "", true}), OpenOutcome::Opened);
    EXPECT_FALSE(doc.predictedLoaded);

    // The dialog's choices stay when the read fails.
    EXPECT_EQ(doc.OnFileOpen({"missing.dat", "run.pre", "hill.topo", false}), OpenOutcome::Failed);
    EXPECT_EQ(doc.predictedFileName, "run.pre");
    EXPECT_EQ(doc.topographyFileName, "hill.topo");
    EXPECT_FALSE(doc.isDC);
    EXPECT_EQ(Shown(), Warning("Data file: missing.dat not found."));
}

// The bundled IP inversion's outputs, read as the interface's "/pre" reads them (from
// brisko.*, not tarnel.*); the example's notes give the chi-squared of the run.
TEST_F(OpenDocument, BundledIpInversionOutputsMatchTheirSurvey) {
    CurrentDirectory inExamples(OSKAVA_EXAMPLES_DIR);
    EXPECT_EQ(Open({"/ip", "ip-dipole-dipole.dat", "/pre"}), OpenOutcome::Opened);
    EXPECT_EQ(doc.predictedFileName, "brisko.pre");
    EXPECT_TRUE(doc.predictedLoaded && doc.defaultErrors);
    EXPECT_NEAR(DataMisfit(doc.observations), 469.5, 0.05);
    EXPECT_TRUE(Shown().empty());
}

}  // namespace
}  // namespace oskava

// Opening a survey: the start-up arguments, the sequence of readers, what each
// outcome leaves in the document and what the views are told.
#include <cmath>
#include <filesystem>

#include "support/CurrentDirectory.h"
#include "support/SurveyFixture.h"
#include "survey/CommandLine.h"
#include "survey/Misfit.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::CurrentDirectory;

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
    dir.Write("a.topo", "2 10 0 10 30 0");
    doc.SetModifiedFlag();
    doc.predictedLoaded = true;
    EXPECT_EQ(Open({"a.dat", "/ip", "/topo=a.topo"}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.dataReady);
    EXPECT_FALSE(doc.isDC || doc.predictedLoaded || doc.IsModified());
    EXPECT_GT(doc.observations.at(0).zn, 0);
    // Opening without topography drops the previous profile; the type is kept.
    ASSERT_EQ(Open({"a.dat"}), OpenOutcome::Opened);
    EXPECT_FALSE(doc.isDC || doc.hasTopography);
    EXPECT_TRUE(doc.topoX.empty());
    EXPECT_EQ(doc.observations.at(0).zn, 0);
    EXPECT_EQ(view.hints, (std::vector<int>{0, 0}));
}

TEST_F(OpenDocument, PredictedOptionReadsTheLogFirstAndThenThePredictedData) {
    dir.Write("survey.dat", kSurvey);
    dir.Write("tarnel.pre", kPredicted);
    // Without the log, and with a topography file that is not there, the program ends.
    // The interface quotes the name; a shell may have taken the quotes off already.
    EXPECT_EQ(Open({"survey.dat", "/topo=\"  missing.topo\""}), OpenOutcome::EndProcess);
    EXPECT_EQ(prompts.Texts().back(), "Topography file: missing.topo not found");
    EXPECT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::EndProcess);
    EXPECT_EQ(prompts.Texts().back(),
              "Log file: tarnel.log not found.\nLog file is needed for default errors.");
    EXPECT_FALSE(doc.dataReady || doc.predictedLoaded);
    EXPECT_TRUE(view.hints.empty());
    Shown();

    dir.Write("tarnel.log", kLog);
    EXPECT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.isDC && doc.predictedLoaded && doc.defaultErrors);
    EXPECT_EQ(doc.predictedFileName, "tarnel.pre");
    EXPECT_NEAR(doc.observations[0].normalizedDiff, 0.5, 1e-12);
    EXPECT_NEAR(doc.observations[1].normalizedDiff, 0.5, 1e-12);

    // Data with their own deviations need no log; /dc wins over /ip.
    std::filesystem::remove(dir.path() / "tarnel.log");
    dir.Write("survey.dat", "title\n0 10 20 30 -0.01 0.001\n0 10 30 40 -0.002 0.0001\n");
    EXPECT_EQ(Open({"survey.dat", "/ip", "/pre", "/dc", "/topo=\"\""}), OpenOutcome::Opened);
    EXPECT_NEAR(doc.observations[1].normalizedDiff, 1, 1e-9);
    EXPECT_TRUE(doc.isDC);
}

TEST_F(OpenDocument, FileOpenReadsThePredictedFileButNeverTheLog) {
    dir.Write("survey.dat", kSurvey);
    dir.Write("run.pre", kPredicted);
    dir.Write("tarnel.log", kLog);
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.OnFileOpen({"survey.dat", "run.pre", "", true}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.predictedLoaded && !doc.IsModified());
    EXPECT_EQ(doc.observations[0].stdDev, 0);  // no default errors
    EXPECT_TRUE(std::isinf(doc.observations[0].normalizedDiff));
    EXPECT_EQ(doc.OnFileOpen({"survey.dat", "", "", true}), OpenOutcome::Opened);
    EXPECT_FALSE(doc.predictedLoaded);
}

// Public field surveys: every one opens as the viewer opens it (with its topography,
// IP files as IP), and the two with wrong-sign data stop with the two messages.
struct Survey {
    const char* name;  // without ".dat"
    bool isDC;
    int dataCount;
    bool withTopography;
    double xMax;  // every line starts at 0; 0: wrong-sign data, the open fails
};

const Survey kSurveys[] = {
    {"gimli-gallery-dd", true, 116, false, 40},
    {"gimli-slagdump-wenner", true, 222, true, 66.1715},
    {"resipy-blocks-polepole", true, 295, false, 34},
    {"gimli-schleiz-dd", true, 835, false, 41},
    {"gimli-schleiz-dd-ip", false, 835, false, 41},
    {"gimli-bedrock-wenner-schlumberger", true, 1223, false, 315},
    {"gimli-borkum-beach-gradient", true, 1478, true, 160},
    {"xochimilco-xoch1-pole-dipole", true, 1226, false, 0},
    {"xochimilco-xoch1-pole-dipole-ip", false, 1226, false, 230},
    {"xochimilco-y4-y7-rollalong-dd-wenner", true, 5383, false, 0},
};

TEST(RealDataTest, EverySurveyOpensAsTheViewerOpensIt) {
    if (!std::filesystem::is_directory(OSKAVA_REALDATA_DIR)) {
        GTEST_SKIP() << "no real data at " << OSKAVA_REALDATA_DIR;
    }
    for (const Survey& survey : kSurveys) {
        SCOPED_TRACE(survey.name);
        const std::string path = std::string(OSKAVA_REALDATA_DIR) + "/" + survey.name;
        const std::string topography = survey.withTopography ? path + ".topo" : "";
        test::ScriptedPrompts prompts;
        CDatDoc doc(prompts);
        const OpenOutcome outcome =
            OpenSurvey(doc, OpenRequest{path + ".dat", survey.isDC, topography, "", ""});
        ASSERT_EQ(doc.dataCount, survey.dataCount);
        EXPECT_EQ(doc.hasTopography, survey.withTopography);
        if (survey.xMax == 0) {
            // Opening stops at the first datum whose sign disagrees with its geometry.
            EXPECT_EQ(outcome, OpenOutcome::Failed);
            const std::vector<std::string> texts = prompts.Texts();
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[0].rfind("Data has wrong sign:\n", 0), 0u);
            EXPECT_EQ(texts[1], "Error in data file: \n" + path + ".dat");
            continue;
        }
        ASSERT_EQ(outcome, OpenOutcome::Opened);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(doc.xMin, 0);
        EXPECT_NEAR(doc.xMax, survey.xMax, 1e-4);
        for (const Cobs& r : doc.observations) {
            ASSERT_TRUE(std::isfinite(r.displayValue));
        }
    }
}

}  // namespace
}  // namespace oskava

// Opening and saving a survey: the start-up arguments, the sequence of readers, the
// file commands, what each outcome leaves in the document and what the views are told;
// and the public field surveys opened as the viewer opens them.
#include <cmath>
#include <filesystem>

#include "support/CurrentDirectory.h"
#include "support/SurveyFixture.h"
#include "survey/CommandLine.h"
#include "survey/FilePaths.h"
#include "survey/Misfit.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::CurrentDirectory;
using test::ReadAll;

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
    doc.predictedLoaded = doc.imported = doc.topographyImported = true;
    EXPECT_EQ(Open({"a.dat", "/ip", "/topo=a.topo"}), OpenOutcome::Opened);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.dataReady);
    EXPECT_FALSE(doc.isDC || doc.predictedLoaded || doc.IsModified() || doc.imported ||
                 doc.topographyImported);
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
    EXPECT_EQ(Open({"survey.dat", "/topo=\" \t\n\v\f\rmissing.topo\""}), OpenOutcome::EndProcess);
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

// Two of five DC data disagree in sign with their electrodes, one of them a zero; the
// log and the predicted file have a row for each of the five.
TEST_F(OpenDocument, WrongSignDataAreLeftOutOnlyWhenTheAnswerIsYes) {
    dir.Write("survey.dat",
              "t\n0 10 20 30 -0.01\n0 10 30 40 0.002\n0 10 40 50 0\n0 0 10 10 0\n0 10 50 60 -1\n");
    dir.Write("tarnel.log",
              "Default Errors\nh\n0 0 0 0 0 0.1\n0 0 0 0 0 0.2\n0 0 0 0 0 0.3\n0 0 0 0 0 0.4\n"
              "0 0 0 0 0 0.5\n");
    dir.Write("tarnel.pre",
              "p\n0 10 20 30 -0.03\n0 10 30 40 -1\n0 10 40 50 -1\n0 0 10 10 0.2\n0 10 50 60 -2\n");
    const std::vector<test::ShownMessage> stopped = {
        {"Data has wrong sign:\n0 10 30 40  0.002", MessageKind::Error},
        {"Error in data file: \nsurvey.dat", MessageKind::Warning}};
    const std::string question = "2 of 5 data have the wrong sign.\nOpen the survey without them?";

    prompts.yesNoAnswers = {false, true};
    EXPECT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::Failed);
    EXPECT_EQ(Shown(), stopped);
    EXPECT_TRUE(view.hints.empty() && !doc.dataReady && prompts.statusMessages.empty());

    ASSERT_EQ(Open({"survey.dat", "/pre"}), OpenOutcome::Opened);
    EXPECT_EQ(Shown(), stopped);
    EXPECT_EQ(prompts.questions, std::vector<std::string>(2, question));
    EXPECT_EQ(prompts.statusMessages,
              std::vector<std::string>{"2 data with the wrong sign left out."});
    EXPECT_TRUE(doc.dataReady && doc.predictedLoaded && doc.IsModified());
    ASSERT_EQ(doc.dataCount, 3);
    const Cobs& last = doc.observations[2];
    EXPECT_EQ(std::vector<double>({last.xm, last.stdDev, last.predicted}),
              std::vector<double>({50, 0.5, -2}));
    EXPECT_NEAR(doc.observations[0].normalizedDiff, 0.2, 1e-12);
    EXPECT_EQ(doc.xMax, 60);  // the extents of the data kept

    // With every datum wrong there is nothing to open and nothing to ask.
    dir.Write("survey.dat", "t\n0 10 20 30 0.01\n0 10 30 40 0\n");
    EXPECT_EQ(Open({"survey.dat"}), OpenOutcome::Failed);
    EXPECT_EQ(prompts.questions.size(), 2u);
}

// File Open, Save As and the save-changes question: what each answer asks next, what
// is written, and what state the survey is left in.
class FileCommands : public test::SurveyFixture {
  protected:
    std::string survey = dir.Write("line 4 é.dat", kSurvey);

    // An opened survey with unsaved edits.
    void SetUp() override {
        ASSERT_EQ(doc.OnFileOpen(LoadDataFields{survey, "", "", true}), OpenOutcome::Opened);
        doc.observations[0].stdDev = 0.5;
        doc.SetModifiedFlag();
    }
    static bool Edited(const std::string& path) {
        return ReadAll(path).find("5.00000e-01") != std::string::npos;
    }
};

TEST_F(FileCommands, SaveChangesAnswersAndAFailedSaveAsksAgain) {
    const std::string unwritable = (dir.path() / "missing" / "out.dat").string();
    const std::string renamed = (dir.path() / "renamed.dat").string();
    using Answer = SaveChangesAnswer;
    prompts.saveAnswers = {Answer::Cancel, Answer::No, Answer::Yes, Answer::Yes, Answer::Yes};
    prompts.saveAsPaths = {unwritable, renamed};

    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ReadAll(survey), kSurvey);
    EXPECT_TRUE(doc.IsModified());
    // The file is gone: Yes asks for a name; the save there fails and changes nothing.
    std::filesystem::remove(survey);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.dataFileName, survey);
    EXPECT_EQ(Shown(),
              Warning("Error writing data file: \n" + unwritable + "\nNo such file or directory"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(Edited(renamed));
    EXPECT_EQ(prompts.saveAsProposed, std::vector<std::string>(2, survey));
    EXPECT_EQ(doc.GetTitle(), renamed);
    // The file is there: Yes saves in place without a dialog or a notice.
    doc.SetModifiedFlag();
    Shown();
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(prompts.saveAsProposed.size(), 2u);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(prompts.questions.front(), "line 4 é.dat");
    EXPECT_TRUE(doc.SaveModified());  // nothing to save: nothing asked
    EXPECT_EQ(prompts.questions.size(), 5u);
}

TEST_F(FileCommands, SaveAsAsksBeforeReplacingAndPointsOutANewNameOnce) {
    const std::string existing = dir.Write("existing.dat", "keep");
    prompts.saveAsPaths = {existing, existing, existing};
    prompts.yesNoAnswers = {false, true, true};
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_TRUE(Edited(existing));
    EXPECT_EQ(
        prompts.questions,
        std::vector<std::string>(3, "existing.dat already exists.\nDo you want to replace it?"));
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"The data filename has changed.\nMake sure you use the "
                                       "correct name in the OSKAVA interface."});
    // The name proposed for an imported survey: a dot in a folder's name is no extension.
    EXPECT_EQ(WithExtension("a.b/line", ".dat"), "a.b/line.dat");
}

TEST_F(FileCommands, FileOpenAsksAboutUnsavedEditsFirstAndCancelKeepsThem) {
    CountingView view;
    doc.AddView(&view);
    const std::string other = dir.Write("other.dat", "other\n0 10 20 30 -0.02\n");
    const std::string goneTopography = (dir.path() / "gone.topo").string();
    prompts.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No, SaveChangesAnswer::No};
    prompts.loadDataEdits = {std::nullopt, LoadDataFields{other, "", "", false},
                             LoadDataFields{survey, "", goneTopography, true}};
    doc.OnFileOpen();
    EXPECT_TRUE(prompts.loadDataShown.empty());
    doc.OnFileOpen();
    EXPECT_EQ(prompts.loadDataShown.at(0).dataFile, survey);
    EXPECT_EQ(doc.observations[0].stdDev, 0.5);
    EXPECT_TRUE(doc.IsModified());
    doc.OnFileOpen();
    EXPECT_EQ(doc.headerLine, "other");
    EXPECT_FALSE(doc.isDC);
    EXPECT_EQ(doc.GetPathName(), other);
    EXPECT_EQ(prompts.questions.size(), 3u);
    EXPECT_EQ(view.hints.size(), 1u);
    // A topography file that cannot be read leaves no survey, and the program goes on:
    // the views are told to let go of the old picture.
    doc.OnFileOpen();
    EXPECT_EQ(view.hints.size(), 2u);
    EXPECT_EQ(Shown(), Warning("Topography file: " + goneTopography + " not found"));
    EXPECT_FALSE(doc.dataReady);
    EXPECT_EQ(doc.dataCount, 0);
}

TEST_F(FileCommands, ADroppedFileFillsTheDialogAndAsksAboutEditsOnlyWhenOkOpens) {
    const std::string other = dir.Write("other.dat", "other\n0 10 20 30 -0.02\n");
    doc.predictedFileName = "old.pre";
    prompts.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
    prompts.loadDataEdits = {std::nullopt, LoadDataFields{other, "", "", true},
                             LoadDataFields{other, "", "", true}};
    for (const size_t questions : {0, 1, 2}) {  // Cancel in the dialog, to the question, none
        doc.OnDropFile(other);
        EXPECT_EQ(prompts.questions.size(), questions);
    }
    EXPECT_EQ(prompts.loadDataShown.at(0).dataFile + prompts.loadDataShown.at(0).predictedFile,
              other);
    EXPECT_EQ(doc.headerLine, "other");
}

// Public field surveys: every one opens as the viewer opens it (with its topography,
// IP files as IP); the two with wrong-sign data stop with the two messages and open
// without those data when asked to.
struct Survey {
    const char* name;  // without ".dat"
    bool isDC;
    int dataCount;
    bool withTopography;
    double length;
    int wrongSign;
};

const Survey kSurveys[] = {
    {"gimli-gallery-dd", true, 116, false, 40, 0},
    {"gimli-slagdump-wenner", true, 222, true, 66.1715, 0},
    {"resipy-blocks-polepole", true, 295, false, 34, 0},
    {"gimli-schleiz-dd", true, 835, false, 41, 0},
    {"gimli-schleiz-dd-ip", false, 835, false, 41, 0},
    {"gimli-bedrock-wenner-schlumberger", true, 1223, false, 315, 0},
    {"gimli-borkum-beach-gradient", true, 1478, true, 160, 0},
    {"xochimilco-xoch1-pole-dipole", true, 1226, false, 230, 44},
    {"xochimilco-xoch1-pole-dipole-ip", false, 1226, false, 230, 0},
    {"xochimilco-y4-y7-rollalong-dd-wenner", true, 5383, false, 1190, 189},
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
        OpenRequest request{path + ".dat", survey.isDC, topography, "", ""};
        request.wrongSign = WrongSignData::Stop;
        OpenOutcome outcome = OpenSurvey(doc, request);
        ASSERT_EQ(doc.dataCount, survey.dataCount);
        EXPECT_EQ(doc.hasTopography, survey.withTopography);
        if (survey.wrongSign > 0) {
            // Opening stops at the first datum whose sign disagrees with its geometry.
            EXPECT_EQ(outcome, OpenOutcome::Failed);
            const std::vector<std::string> texts = prompts.Texts();
            EXPECT_EQ(texts.size() == 2 ? texts[1] : "", "Error in data file: \n" + path + ".dat");
            request.wrongSign = WrongSignData::LeaveOut;
            outcome = OpenSurvey(doc, request);
            EXPECT_EQ(doc.dataCount, survey.dataCount - survey.wrongSign);
            prompts.messages.clear();
        }
        ASSERT_EQ(outcome, OpenOutcome::Opened);
        EXPECT_TRUE(prompts.Texts().empty());
        EXPECT_NEAR(doc.xMax - doc.xMin, survey.length, 1e-4);
        for (const Cobs& r : doc.observations) {
            ASSERT_TRUE(std::isfinite(r.displayValue));
        }
    }
}

}  // namespace
}  // namespace oskava

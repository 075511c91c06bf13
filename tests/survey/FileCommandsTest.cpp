// File Open, Save As and the save-changes question: what each answer asks next, what
// is written, and what state the survey is left in.
#include <filesystem>

#include "support/SurveyFixture.h"

namespace oskava {
namespace {

using test::ReadAll;

const char kSurvey[] = "title\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n";

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
}

struct CountingView : View {
    int told = 0;
    void OnUpdate(int) override { ++told; }
};

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
    EXPECT_EQ(view.told, 1);
    // A topography file that cannot be read leaves no survey, and the program goes on:
    // the views are told to let go of the old picture.
    doc.OnFileOpen();
    EXPECT_EQ(view.told, 2);
    EXPECT_EQ(Shown(), Warning("Topography file: " + goneTopography + " not found"));
    EXPECT_FALSE(doc.dataReady);
    EXPECT_EQ(doc.dataCount, 0);
}

}  // namespace
}  // namespace oskava

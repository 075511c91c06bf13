// File Open, Save As and the save-changes question: what each answer asks next, what
// is written, and what state the survey is left in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;

const char kSurvey[] = "title\n0 10 20 30 -0.01\n0 10 30 40 -0.002\n";
const char kOther[] = "other\n0 10 20 30 -0.02\n";
const char kRenamedNotice[] =
    "The data filename has changed.\nMake sure you use the correct name in the OSKAVA "
    "interface.";

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class FileCommands : public ::testing::Test {
  protected:
    test::TempDir dir;
    ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    std::string survey = dir.Write("line 4 é.dat", kSurvey);

    // An opened survey with unsaved edits.
    void OpenEdited() {
        ASSERT_EQ(doc.OnFileOpen(LoadDataFields{survey, "", "", true}), OpenOutcome::Opened);
        doc.observations[0].stdDev = 0.5;
        doc.SetModifiedFlag();
    }
    bool Saved(const std::string& path) { return Contents(path).find("5.00000e-01") != npos; }
    static constexpr size_t npos = std::string::npos;
};

TEST_F(FileCommands, SaveChangesAnswers) {
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompts.questions.empty());

    OpenEdited();
    prompts.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No,
                           SaveChangesAnswer::Yes};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(Contents(survey), kSurvey);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(Saved(survey));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(prompts.questions, std::vector<std::string>(3, "line 4 é.dat"));
    EXPECT_TRUE(prompts.saveAsProposed.empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileCommands, YesAsksForANameWhenTheFileIsGoneAndAFailedSaveAsksAgain) {
    OpenEdited();
    std::filesystem::remove(survey);
    const std::string unwritable = (dir.path() / "missing" / "out.dat").string();
    const std::string renamed = (dir.path() / "renamed.dat").string();
    prompts.saveAnswers = {SaveChangesAnswer::Yes, SaveChangesAnswer::Yes};
    prompts.saveAsPaths = {unwritable, renamed};

    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.dataFileName, survey);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error writing data file: \n" + unwritable +
                                                        "\nNo such file or directory"});

    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(Saved(renamed));
    EXPECT_EQ(prompts.saveAsProposed, std::vector<std::string>(2, survey));
    EXPECT_EQ(prompts.messages.back(), (ShownMessage{kRenamedNotice, MessageKind::Information}));
    EXPECT_EQ(doc.GetPathName(), renamed);
    EXPECT_EQ(doc.GetTitle(), renamed);
}

TEST_F(FileCommands, SaveAsAsksBeforeReplacingAndPointsOutANewNameOnce) {
    OpenEdited();
    const std::string existing = dir.Write("existing.dat", "keep");
    prompts.saveAsPaths = {existing, existing, existing, ""};
    prompts.yesNoAnswers = {false, true, true};

    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(prompts.saveAsProposed, (std::vector<std::string>{survey, existing}));
    EXPECT_TRUE(Saved(existing));
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(
        prompts.questions,
        std::vector<std::string>(3, "existing.dat already exists.\nDo you want to replace it?"));
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{{kRenamedNotice, MessageKind::Information}}));
    EXPECT_FALSE(doc.OnFileSaveAs());
    EXPECT_EQ(doc.dataFileName, existing);
}

TEST_F(FileCommands, FileOpenAsksAboutUnsavedEditsFirst) {
    OpenEdited();
    const std::string other = dir.Write("other.dat", kOther);
    prompts.saveAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No, SaveChangesAnswer::No};
    prompts.loadDataEdits = {std::nullopt, LoadDataFields{other, "", "", false}};

    doc.OnFileOpen();  // Cancel: no dialog
    EXPECT_TRUE(prompts.loadDataShown.empty());
    doc.OnFileOpen();  // No, then the dialog is cancelled: the edits stay
    ASSERT_EQ(prompts.loadDataShown.size(), 1u);
    EXPECT_EQ(prompts.loadDataShown[0].dataFile, survey);
    EXPECT_EQ(doc.observations[0].stdDev, 0.5);
    EXPECT_TRUE(doc.IsModified());
    doc.OnFileOpen();  // No, then another survey
    EXPECT_EQ(doc.headerLine, "other");
    EXPECT_FALSE(doc.isDC);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), other);
    EXPECT_EQ(Contents(survey), kSurvey);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FileCommands, UnreadableTopographyLeavesNoSurveyAndTheProgramGoesOn) {
    const std::string topo = (dir.path() / "gone.topo").string();
    EXPECT_EQ(doc.OnFileOpen(LoadDataFields{survey, "", topo, true}), OpenOutcome::Failed);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Topography file: " + topo + " not found"});
    EXPECT_FALSE(doc.dataReady);
    EXPECT_EQ(doc.dataCount, 0);
    EXPECT_TRUE(doc.observations.empty());
}

}  // namespace
}  // namespace oskava

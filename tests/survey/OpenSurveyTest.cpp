// The sequence that opens a survey: what each outcome leaves in the document and what
// the views are told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

class HintLog : public View {
  public:
    void OnUpdate(int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

class OpenSurveyTest : public ::testing::Test {
  protected:
    OpenSurveyTest() { doc_.AddView(&view_); }

    OpenOutcome Open(const std::string& data, const std::string& topo = "", bool isDC = true) {
        OpenRequest request;
        request.dataFile = data;
        request.topographyFile = topo;
        request.isDC = isDC;
        return OpenSurvey(doc_, request);
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    HintLog view_;
};

TEST_F(OpenSurveyTest, OpensWithTopographyAndTellsTheViews) {
    const std::string data = dir_.Write("a.dat", "t\n0 10 20 30 -0.01\n");
    const std::string topo = dir_.Write("a.topo", "2 10 0 10 30 10");
    doc_.SetModifiedFlag();
    doc_.predictedLoaded = true;
    EXPECT_EQ(Open(data, topo), OpenOutcome::Opened);
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(doc_.dataReady);
    EXPECT_FALSE(doc_.predictedLoaded);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(doc_.hasTopography);
    EXPECT_EQ(doc_.dataFileName, data);
    EXPECT_EQ(doc_.topographyFileName, topo);
    EXPECT_EQ(doc_.observations.at(0).pseudoX, 15);
    EXPECT_EQ(view_.hints, (std::vector<int>{0}));
}

TEST_F(OpenSurveyTest, AnUnreadableObservationFileFails) {
    const std::string missing = (dir_.path() / "missing.dat").string();
    EXPECT_EQ(Open(missing), OpenOutcome::Failed);
    EXPECT_FALSE(doc_.dataReady);
    EXPECT_EQ(doc_.dataFileName, missing);
    EXPECT_TRUE(view_.hints.empty());
}

TEST_F(OpenSurveyTest, WrongSignDataFailAndKeepTheRecords) {
    const std::string data = dir_.Write("a.dat", "t\n0 10 20 30 -0.01\n0 10 20 30 0.01\n");
    EXPECT_EQ(Open(data), OpenOutcome::Failed);
    EXPECT_EQ(prompts_.Texts(), (std::vector<std::string>{"Data has wrong sign:\n0 10 20 30  0.01",
                                                          "Error in data file: \n" + data}));
    EXPECT_FALSE(doc_.dataReady);
    EXPECT_EQ(doc_.dataCount, 2);
    EXPECT_TRUE(view_.hints.empty());
}

TEST_F(OpenSurveyTest, TheSameFileOpensAsIpData) {
    const std::string data = dir_.Write("a.dat", "t\n0 10 20 30 -0.01\n0 10 20 30 0.01\n");
    EXPECT_EQ(Open(data, "", false), OpenOutcome::Opened);
    EXPECT_FALSE(doc_.isDC);
    EXPECT_EQ(doc_.valueMax, 0.01);
}

TEST_F(OpenSurveyTest, AMissingTopographyFileEndsTheProgram) {
    const std::string data = dir_.Write("a.dat", "t\n0 10 20 30 -0.01\n");
    const std::string topo = (dir_.path() / "missing.topo").string();
    EXPECT_EQ(Open(data, topo), OpenOutcome::EndProcess);
    EXPECT_EQ(prompts_.messages,
              (std::vector<ShownMessage>{
                  {"Topography file: " + topo + " not found", MessageKind::Warning}}));
    EXPECT_FALSE(doc_.dataReady);
}

TEST_F(OpenSurveyTest, OpeningWithoutTopographyDropsThePreviousProfile) {
    const std::string data = dir_.Write("a.dat", "t\n0 10 20 30 -0.01\n");
    ASSERT_EQ(Open(data, dir_.Write("a.topo", "2 10 0 10 30 0")), OpenOutcome::Opened);
    EXPECT_GT(doc_.observations.at(0).zn, 0);
    ASSERT_EQ(Open(data), OpenOutcome::Opened);
    EXPECT_FALSE(doc_.hasTopography);
    EXPECT_TRUE(doc_.topoX.empty());
    EXPECT_EQ(doc_.observations.at(0).zn, 0);
    EXPECT_EQ(view_.hints, (std::vector<int>{0, 0}));
}

}  // namespace
}  // namespace oskava

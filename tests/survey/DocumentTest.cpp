// The document/view layer and the command routing where they could break: views told
// in order with their hint, views leaving while they are told, the first target that
// lists a command handling it, and commands nobody lists disabled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "survey/DatProp.h"
#include "support/ScriptedPrompts.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;

class RecordingView : public View {
  public:
    RecordingView(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {}
    void OnUpdate(int hint) override {
        log_.push_back(name_ + ":" + std::to_string(hint));
        if (onUpdate) {
            onUpdate();
        }
    }
    std::function<void()> onUpdate;

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

TEST(DocumentTest, UpdateAllViewsTellsEveryViewOnceWithTheHint) {
    ScriptedPrompts prompts;
    Document doc(prompts);
    std::vector<std::string> log;
    RecordingView first("first", log);
    RecordingView second("second", log);
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    doc.UpdateAllViews(0);
    doc.UpdateAllViews(1);
    doc.UpdateAllViews(2);
    EXPECT_EQ(log, (std::vector<std::string>{"first:0", "second:0", "first:1", "second:1",
                                             "first:2", "second:2"}));
}

TEST(DocumentTest, AViewMayDetachWhileItIsTold) {
    ScriptedPrompts prompts;
    Document doc(prompts);
    std::vector<std::string> log;
    RecordingView first("first", log);
    RecordingView second("second", log);
    first.onUpdate = [&] { doc.RemoveView(&first); };
    doc.AddView(&first);
    doc.AddView(&second);
    doc.UpdateAllViews(1);
    doc.UpdateAllViews(2);
    EXPECT_EQ(log, (std::vector<std::string>{"first:1", "second:1", "second:2"}));
}

TEST(DocumentTest, TheSurveyDocumentTitleIsTheWholePath) {
    ScriptedPrompts prompts;
    Document plain(prompts);
    plain.SetPathName("/data/line 4/survey.dat");
    EXPECT_EQ(plain.GetTitle(), "survey.dat");
    CDatDoc doc(prompts);
    doc.SetPathName("/data/line 4/survey.dat");
    EXPECT_EQ(doc.GetPathName(), "/data/line 4/survey.dat");
    EXPECT_EQ(doc.GetTitle(), "/data/line 4/survey.dat");
}

TEST(DocumentTest, ClearDataKeepsCountsFlagsAndNames) {
    class Dialog : public CDatProp {
      public:
        explicit Dialog(int& closed) : closed_(closed) {}
        ~Dialog() override { ++closed_; }

      private:
        int& closed_;
    };
    int closed = 0;
    {
        ScriptedPrompts prompts;
        CDatDoc doc(prompts);
        doc.observations.resize(3);
        doc.dataCount = 3;
        doc.topoX = {0, 1};
        doc.topoDepth = {0, 1};
        doc.hasTopography = true;
        doc.headerLine = "header";
        doc.dataFileName = "a.dat";
        doc.propertiesDialog = std::make_unique<Dialog>(closed);
        doc.ClearData();
        EXPECT_TRUE(doc.observations.empty());
        EXPECT_TRUE(doc.topoX.empty());
        EXPECT_TRUE(doc.topoDepth.empty());
        EXPECT_EQ(doc.propertiesDialog, nullptr);
        EXPECT_EQ(closed, 1);
        EXPECT_EQ(doc.dataCount, 3);
        EXPECT_TRUE(doc.hasTopography);
        EXPECT_EQ(doc.headerLine, "header");
        EXPECT_EQ(doc.dataFileName, "a.dat");
        doc.propertiesDialog = std::make_unique<Dialog>(closed);
    }
    EXPECT_EQ(closed, 2);  // the document closes the window when it goes
}

TEST(CommandRouterTest, ACommandGoesToTheFirstTargetThatListsIt) {
    std::vector<std::string> log;
    CommandTarget view;
    CommandTarget document;
    CommandTarget frame;
    view.Bind(1, [&] { log.push_back("view 1"); });
    document.Bind(1, [&] { log.push_back("document 1"); });
    document.Bind(2, [&] { log.push_back("document 2"); });
    frame.Bind(2, [&] { log.push_back("frame 2"); });
    frame.Bind(3, [&] { log.push_back("frame 3"); });
    CommandRouter router;
    router.SetTargets({&view, &document, &frame});
    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_TRUE(router.Execute(3));
    EXPECT_FALSE(router.Execute(4));
    EXPECT_EQ(log, (std::vector<std::string>{"view 1", "document 2", "frame 3"}));
}

TEST(CommandRouterTest, TheHandlingTargetDecidesTheState) {
    bool enabled = false;
    CommandTarget view;
    CommandTarget document;
    view.Bind(
        1, [] {},
        [&] {
            return CommandState{enabled, true};
        });
    document.Bind(1, [] {});  // shadowed by the view
    document.Bind(2, [] {});
    CommandRouter router;
    router.SetTargets({&view, &document});

    EXPECT_FALSE(router.State(1).enabled);  // the view says no; the document is not asked
    EXPECT_TRUE(router.State(1).checked);
    enabled = true;
    EXPECT_TRUE(router.State(1).enabled);
    EXPECT_TRUE(router.State(2).enabled);  // listed without a rule
    EXPECT_FALSE(router.State(2).checked);
    EXPECT_FALSE(router.State(99).enabled);  // listed nowhere
    EXPECT_FALSE(router.State(99).checked);
}

}  // namespace
}  // namespace oskava

// The document/view layer and the command routing where they could break: views told
// in order with their hint, views leaving while they are told, the first target that
// lists a command handling it, and commands nobody lists disabled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(DocumentTest, UpdateAllViewsTellsEveryViewOnceAndAViewMayLeaveWhileItIsTold) {
    ScriptedPrompts prompts;
    Document doc(prompts);
    std::vector<std::string> log;
    RecordingView first("first", log);
    RecordingView second("second", log);
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    doc.UpdateAllViews(0);
    first.onUpdate = [&] { doc.RemoveView(&first); };
    doc.UpdateAllViews(1);
    doc.UpdateAllViews(2);
    EXPECT_EQ(log,
              (std::vector<std::string>{"first:0", "second:0", "first:1", "second:1", "second:2"}));
}

TEST(DocumentTest, TheSurveyDocumentTitleIsTheWholePath) {
    ScriptedPrompts prompts;
    Document plain(prompts);
    plain.SetPathName("/data/line 4/survey.dat");
    EXPECT_EQ(plain.GetTitle(), "survey.dat");
    CDatDoc doc(prompts);
    doc.SetPathName("/data/line 4/survey.dat");
    EXPECT_EQ(doc.GetTitle(), "/data/line 4/survey.dat");
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
    document.Bind(3, {}, [] { return CommandState{true, true}; });
    CommandRouter router;
    router.SetTargets({&view, &document});

    EXPECT_FALSE(router.State(1).enabled);  // the view says no; the document is not asked
    EXPECT_TRUE(router.State(1).checked);
    enabled = true;
    EXPECT_TRUE(router.State(1).enabled);
    EXPECT_TRUE(router.State(2).enabled);  // listed without a rule
    EXPECT_FALSE(router.State(2).checked);
    EXPECT_FALSE(router.State(3).enabled);   // listed, but without a handler yet
    EXPECT_FALSE(router.State(99).enabled);  // listed nowhere
    EXPECT_FALSE(router.State(99).checked);
}

}  // namespace
}  // namespace oskava

// The document/view layer and the command routing where they could break: views told
// in order with their hint, views leaving while they are told, the first target that
// lists a command handling it and deciding its state, and commands nobody lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

// A view that hands every update to a function.
class CallbackView : public View {
  public:
    explicit CallbackView(std::function<void(int)> onUpdate) : onUpdate_(std::move(onUpdate)) {}
    void OnUpdate(int hint) override { onUpdate_(hint); }

  private:
    std::function<void(int)> onUpdate_;
};

TEST(DocumentTest, ViewsAreToldOnceInOrderAndMayLeaveWhileTheyAreTold) {
    test::ScriptedPrompts prompts;
    Document doc(prompts);
    std::vector<std::string> log;
    bool leave = false;
    CallbackView second([&](int hint) { log.push_back("second:" + std::to_string(hint)); });
    CallbackView first([&](int hint) {
        log.push_back("first:" + std::to_string(hint));
        if (leave) {
            doc.RemoveView(&first);
        }
    });
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    doc.UpdateAllViews(0);
    leave = true;
    doc.UpdateAllViews(1);
    doc.UpdateAllViews(2);
    EXPECT_EQ(log,
              (std::vector<std::string>{"first:0", "second:0", "first:1", "second:1", "second:2"}));
}

TEST(CommandRouterTest, TheFirstTargetThatListsACommandHandlesItAndDecidesItsState) {
    std::vector<std::string> log;
    bool enabled = false;
    CommandTarget view, document, frame;
    view.Bind(
        1, [&] { log.push_back("view 1"); },
        [&] {
            return CommandState{enabled, true};
        });
    document.Bind(1, [&] { log.push_back("document 1"); });
    document.Bind(2, [&] { log.push_back("document 2"); });
    document.Bind(4, {}, [] { return CommandState{true, true}; });
    frame.Bind(2, [&] { log.push_back("frame 2"); });
    frame.Bind(3, [&] { log.push_back("frame 3"); });
    CommandRouter router;
    router.SetTargets({&view, &document, &frame});
    for (const int id : {1, 2, 3}) {
        EXPECT_TRUE(router.Execute(id));
    }
    EXPECT_FALSE(router.Execute(99));
    EXPECT_EQ(log, (std::vector<std::string>{"view 1", "document 2", "frame 3"}));

    const auto state = [&](int id) {
        const CommandState s = router.State(id);
        return std::string(s.enabled ? "enabled" : "disabled") + (s.checked ? " checked" : "");
    };
    EXPECT_EQ(state(1), "disabled checked");  // the view says no; the document is not asked
    enabled = true;
    EXPECT_EQ(state(1), "enabled checked");
    EXPECT_EQ(state(2), "enabled");         // listed without a rule
    EXPECT_FALSE(router.State(4).enabled);  // listed, but without a handler yet
    EXPECT_EQ(state(99), "disabled");       // listed nowhere
}

}  // namespace
}  // namespace oskava

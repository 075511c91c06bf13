// The document/view layer and the command routing where they could break: views told
// in order, views leaving while they are told, the first target that lists a command
// handling it and deciding its state, and commands nobody lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

struct CallbackView : View {
    std::function<void(int)> onUpdate;
    void OnUpdate(int hint) override { onUpdate(hint); }
};

TEST(DocumentTest, ViewsAreToldOnceInOrderAndMayLeaveWhileTheyAreTold) {
    test::ScriptedPrompts prompts;
    Document doc(prompts);
    std::string log;
    CallbackView first, second;
    second.onUpdate = [&](int hint) { log += " second" + std::to_string(hint); };
    first.onUpdate = [&](int hint) {
        log += " first" + std::to_string(hint);
        if (hint > 0) {
            doc.RemoveView(&first);
        }
    };
    doc.AddView(&first);
    doc.AddView(&second);
    doc.AddView(&first);
    for (const int hint : {0, 1, 2}) {
        doc.UpdateAllViews(hint);
    }
    EXPECT_EQ(log, " first0 second0 first1 second1 second2");
}

TEST(CommandRouterTest, TheFirstTargetThatListsACommandHandlesItAndDecidesItsState) {
    std::string log;
    CommandTarget view, document, frame;
    const auto disabledChecked = [] { return CommandState{false, true}; };
    view.Bind(
        1, [&] { log += " view1"; }, disabledChecked);
    document.Bind(1, [&] { log += " document1"; });
    document.Bind(2, [&] { log += " document2"; });
    document.Bind(3, {}, [] { return CommandState{true, true}; });
    frame.Bind(2, [&] { log += " frame2"; });
    CommandRouter router;
    router.SetTargets({&view, &document, &frame});
    EXPECT_TRUE(router.Execute(1) && router.Execute(2));
    EXPECT_FALSE(router.Execute(99));
    EXPECT_EQ(log, " view1 document2");
    // The view's rule decides; listed without a rule is enabled; without a handler
    // (not wired yet) or listed nowhere is disabled.
    const auto state = [&](int id) {
        const CommandState s = router.State(id);
        return std::to_string(s.enabled) + std::to_string(s.checked);
    };
    EXPECT_EQ(state(1) + state(2) + state(3) + state(99), "01100000");
}

}  // namespace
}  // namespace oskava

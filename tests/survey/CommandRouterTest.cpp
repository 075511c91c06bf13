// The command routing: the first target that lists a command handles it and decides
// its state; commands nobody lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "survey/CommandRouter.h"

namespace oskava {
namespace {

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
    EXPECT_TRUE(router.Execute(1) && router.Execute(2) && router.Execute(3));  // 3 does nothing
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

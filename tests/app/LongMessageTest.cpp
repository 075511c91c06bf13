// Messages quote the offending line of a file; a box must not try to lay out a line of
// megabytes (the window would freeze), and what it shows must stay readable.
#include <gtest/gtest.h>

#include "app/ModalAnswers.h"
#include "app/QtPrompts.h"

namespace oskava {
namespace {

TEST(LongMessageTest, BoxesCutLongLinesAndKeepTheRest) {
    QtPrompts prompts;
    test::ModalAnswers answers;
    const std::string line(5'000'000, '7');
    prompts.Message("Error in data file:\n" + line + "\n/data/a.dat", MessageKind::Error);
    const std::string before(99, 'x');
    prompts.AskYesNo(before + "\xC3\xA9" + line + "?");
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_EQ(answers.texts[0],
              "Error in data file:\n" + line.substr(0, 100) + " ...\n/data/a.dat");
    // A cut never splits a character.
    EXPECT_EQ(answers.texts[1], before + " ...");
}

}  // namespace
}  // namespace oskava

// Where a drop's selection begins; the drop itself and the checks of OK are tested
// through the Load Data dialog.
#include <gtest/gtest.h>

#include "survey/LoadDataRules.h"

namespace oskava {
namespace {

TEST(LoadDataRules, FileNamePartFollowsTheLastSlashOrBackslash) {
    EXPECT_EQ(FileNamePartStart("/data/line 4/é.dat"), 13u);
    EXPECT_EQ(FileNamePartStart("C:\\surveys\\a.dat"), 11u);
    EXPECT_EQ(FileNamePartStart("dir\\sub/a.dat"), 8u);
    EXPECT_EQ(FileNamePartStart("survey.dat"), 0u);
}

}  // namespace
}  // namespace oskava

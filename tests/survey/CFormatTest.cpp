// C-style formatting into a string of any length: the texts around the length of its
// fixed first buffer come out whole.
#include <gtest/gtest.h>

#include <string>

#include "survey/CFormat.h"

namespace oskava {
namespace {

TEST(CFormatTest, TextsOfEveryLengthComeOutWhole) {
    for (const size_t length : {0, 1, 254, 255, 256, 257, 4000}) {
        const std::string text(length, 'p');
        EXPECT_EQ(CFormat("%s", text.c_str()), text) << length;
        EXPECT_EQ(CFormat("%s%d", text.c_str(), 7), text + "7") << length;
    }
    EXPECT_EQ(CFormat("%10.2f|%.5e|%g", -1.005, 0.125, 1e-7), "     -1.00|1.25000e-01|1e-07");
}

}  // namespace
}  // namespace oskava

// The topography file: the profile it gives, the depth of the ground anywhere on the
// line, and the files the program refuses to use.
#include <gtest/gtest.h>

#include <string>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

class TopographyTest : public ::testing::Test {
  protected:
    bool Read(const std::string& bytes) {
        path_ = dir_.Write("line.topo", bytes);
        return doc_.ReadTopography(path_);
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    std::string path_;
};

TEST_F(TopographyTest, DocumentedExampleWithNumbersSpreadOverLinesAnyWay) {
    for (const std::string bytes :
         {"3 100\n0 100\n10 95\n20 98\n", "  3\n 100.0e0 0 1e2 \n\n1e1\t95 2e1\r\n98 7 7"}) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(Read(bytes));
        EXPECT_TRUE(prompts_.messages.empty());
        EXPECT_TRUE(doc_.hasTopography);
        EXPECT_EQ(doc_.topoX, (std::vector<double>{0, 10, 20}));
        EXPECT_EQ(doc_.topoDepth, (std::vector<double>{0, 5, 2}));
    }
    const std::pair<double, double> depths[] = {
        {-10, -5},                                                    // the first segment extended
        {0, 0},    {5, 2.5}, {10, 5}, {15, 3.5}, {20, 2}, {25, 0.5},  // the last segment extended
    };
    for (const auto& [x, depth] : depths) {
        EXPECT_DOUBLE_EQ(doc_.InterpolateSurfaceDepth(x), depth) << x;
    }
}

TEST_F(TopographyTest, RefusedFilesLeaveNoProfile) {
    const std::string header = "Expecting the number of points and the reference elevation.";
    const std::pair<std::string, std::string> cases[] = {
        {"", header},
        {"3", header},
        {"three 100 0 100", header},
        {"3.0 100 0 100 10 95 20 98", header},
        {"99999999999999999999999 100 0 1 2 3", header},
        {"2 1e999 0 100 10 95", header},
        {"1 100 0 100", "The profile needs at least 2 points."},
        {"-4 100 0 1 2 3", "The profile needs at least 2 points."},
        {"3 100 0 100 10 95 20", "Expecting x and elevation of point 3 of 3."},
        {"3 100 0 100 10 95,20 98", "Expecting x and elevation of point 2 of 3."},
        {"2 100 0 nan 10 95", "Expecting x and elevation of point 1 of 2."},
        {"2 100 0 100 inf 95", "Expecting x and elevation of point 2 of 2."},
        // A count far beyond the numbers present is not trusted for an allocation.
        {"9223372036854775807 100 0 100",
         "Expecting x and elevation of point 2 of 9223372036854775807."},
        {"3 100 0 100 0 95 20 98",
         "Positions should increase: point 2 (x = 0) does not lie right of the point before it."},
        {"3 100 0 100 10 95 9.5 98",
         "Positions should increase: point 3 (x = 9.5) does not lie right of the point before it."},
    };
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(Read("2 10 0 10 100 0"));
        EXPECT_FALSE(Read(bytes));
        EXPECT_EQ(
            prompts_.messages,
            (std::vector<ShownMessage>{{"Error reading topography file: \n" + path_ + "\n" + reason,
                                        MessageKind::Warning}}));
        EXPECT_TRUE(doc_.topoX.empty());
        EXPECT_TRUE(doc_.topoDepth.empty());
        prompts_.messages.clear();
    }
    const std::string missing = (dir_.path() / "none.topo").string();
    EXPECT_FALSE(doc_.ReadTopography(missing));
    EXPECT_EQ(prompts_.messages,
              (std::vector<ShownMessage>{
                  {"Topography file: " + missing + " not found", MessageKind::Warning}}));
}

}  // namespace
}  // namespace oskava

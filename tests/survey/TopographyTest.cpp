// The topography file: the profile it gives, the depth of the ground anywhere on the
// line, and the files the program refuses to use.
#include <string>

#include "support/SurveyFixture.h"

namespace oskava {
namespace {

class TopographyTest : public test::SurveyFixture {
  protected:
    bool Read(const std::string& bytes) {
        path = dir.Write("line.topo", bytes);
        return doc.ReadTopography(path);
    }
    std::string path;
};

TEST_F(TopographyTest, DocumentedExampleWithNumbersSpreadOverLinesAnyWay) {
    ASSERT_TRUE(Read("  3\n 100.0e0 0 1e2 \n\n1e1\t95 2e1\r\n98 7 7"));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.hasTopography);
    EXPECT_EQ(doc.topoX, (std::vector<double>{0, 10, 20}));
    EXPECT_EQ(doc.topoDepth, (std::vector<double>{0, 5, 2}));
    // Beyond both ends the end segments are extended.
    const std::pair<double, double> depths[] = {{-10, -5}, {5, 2.5}, {10, 5}, {15, 3.5}, {25, 0.5}};
    for (const auto& [x, depth] : depths) {
        EXPECT_DOUBLE_EQ(doc.InterpolateSurfaceDepth(x), depth) << x;
    }
}

TEST_F(TopographyTest, RefusedFilesLeaveNoProfile) {
    const std::string header = "Expecting the number of points and the reference elevation.";
    const std::pair<std::string, std::string> cases[] = {
        {" \n", header},
        {"3.0 100 0 100 10 95 20 98", header},
        {"2 1e999 0 100 10 95", header},
        {"1 100 0 100", "The profile needs at least 2 points."},
        {"2 100 0 nan 10 95", "Expecting x and elevation of point 1 of 2."},
        // A count far beyond the numbers present is not trusted for an allocation.
        {"9223372036854775807 100 0 100",
         "Expecting x and elevation of point 2 of 9223372036854775807."},
        {"3 100 0 100 0 95 20 98",
         "Positions should increase: point 2 (x = 0) does not lie right of the point before it."},
    };
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(Read("2 10 0 10 100 0"));
        EXPECT_FALSE(Read(bytes));
        EXPECT_EQ(Shown(), Warning("Error reading topography file: \n" + path + "\n" + reason));
        EXPECT_TRUE(doc.topoX.empty() && doc.topoDepth.empty());
    }
    const std::string missing = (dir.path() / "none.topo").string();
    EXPECT_FALSE(doc.ReadTopography(missing));
    EXPECT_EQ(Shown(), Warning("Topography file: " + missing + " not found"));
}

}  // namespace
}  // namespace oskava

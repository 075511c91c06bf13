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
    void ExpectRefusal(const std::string& reason) const {
        ASSERT_EQ(prompts_.messages.size(), 1u);
        EXPECT_EQ(prompts_.messages[0],
                  (ShownMessage{"Error reading topography file: \n" + path_ + "\n" + reason,
                                MessageKind::Warning}));
        EXPECT_TRUE(doc_.topoX.empty());
        EXPECT_TRUE(doc_.topoDepth.empty());
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    std::string path_;
};

TEST_F(TopographyTest, DocumentedExample) {
    ASSERT_TRUE(Read("3 100\n0 100\n10 95\n20 98\n"));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(doc_.hasTopography);
    EXPECT_EQ(doc_.topoX, (std::vector<double>{0, 10, 20}));
    EXPECT_EQ(doc_.topoDepth, (std::vector<double>{0, 5, 2}));
    EXPECT_DOUBLE_EQ(doc_.InterpolateSurfaceDepth(5), 2.5);
    EXPECT_DOUBLE_EQ(doc_.InterpolateSurfaceDepth(25), 0.5);  // last segment extended
    EXPECT_DOUBLE_EQ(doc_.InterpolateSurfaceDepth(-10), -5);  // first segment extended
    EXPECT_EQ(doc_.InterpolateSurfaceDepth(10), 5);           // X[1] from the first segment
    EXPECT_EQ(doc_.InterpolateSurfaceDepth(0), 0);
    EXPECT_EQ(doc_.InterpolateSurfaceDepth(20), 2);
    EXPECT_DOUBLE_EQ(doc_.InterpolateSurfaceDepth(15), 3.5);
}

TEST_F(TopographyTest, NumbersMaySpreadOverLinesAnyWay) {
    for (const std::string bytes :
         {"3 100 0 100 10 95 20 98", "3\n100 0\n\n100 10\t95 20\r\n98\r\n",
          "  3\n 100.0e0 0 1e2 "
          "1e1 95 2e1 98 7 7"}) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(Read(bytes));
        EXPECT_EQ(doc_.topoX, (std::vector<double>{0, 10, 20}));
        EXPECT_EQ(doc_.topoDepth, (std::vector<double>{0, 5, 2}));
    }
}

TEST_F(TopographyTest, ElectrodesTakeTheDepthOfTheGround) {
    ASSERT_TRUE(Read("3 100 0 100 10 95 20 98"));
    doc_.observations.resize(1);
    Cobs& r = doc_.observations[0];
    r.xa = -10;
    r.xb = 5;
    r.xm = 10;
    r.xn = 25;
    r.datum = -1;
    doc_.dataCount = 1;
    ASSERT_TRUE(doc_.ProcessData());
    EXPECT_DOUBLE_EQ(r.za, -5);
    EXPECT_DOUBLE_EQ(r.zb, 2.5);
    EXPECT_EQ(r.zm, 5);
    EXPECT_DOUBLE_EQ(r.zn, 0.5);
}

TEST_F(TopographyTest, AnEmptyNameRemovesAPreviousProfile) {
    ASSERT_TRUE(Read("2 10 0 10 100 0"));
    doc_.observations.resize(1);
    doc_.observations[0].xa = 0;
    doc_.observations[0].xb = 0;
    doc_.observations[0].xm = 50;
    doc_.observations[0].xn = 50;
    doc_.observations[0].datum = 1;
    ASSERT_TRUE(doc_.ProcessData());
    EXPECT_DOUBLE_EQ(doc_.observations[0].zm, 5);

    ASSERT_TRUE(doc_.ReadTopography(""));
    EXPECT_FALSE(doc_.hasTopography);
    EXPECT_TRUE(doc_.topoX.empty());
    EXPECT_TRUE(doc_.topoDepth.empty());
    ASSERT_TRUE(doc_.ProcessData());
    EXPECT_EQ(doc_.observations[0].zm, 0);
    EXPECT_EQ(doc_.observations[0].pseudoDepth, 25);
    EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(TopographyTest, AMissingFileEndsTheProgram) {
    const std::string missing = (dir_.path() / "none.topo").string();
    EXPECT_FALSE(doc_.ReadTopography(missing));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0],
              (ShownMessage{"Topography file: " + missing + " not found", MessageKind::Warning}));
}

TEST_F(TopographyTest, RefusesFewerThanTwoPoints) {
    for (const std::string bytes : {"1 100 0 100", "0 100", "-4 100 0 1 2 3"}) {
        SCOPED_TRACE(bytes);
        prompts_.messages.clear();
        EXPECT_FALSE(Read(bytes));
        ExpectRefusal("The profile needs at least 2 points.");
    }
}

TEST_F(TopographyTest, RefusesPositionsThatDoNotIncrease) {
    EXPECT_FALSE(Read("3 100 0 100 0 95 20 98"));
    ExpectRefusal(
        "Positions should increase: point 2 (x = 0) does not lie right of the point before it.");
    prompts_.messages.clear();
    EXPECT_FALSE(Read("3 100 0 100 10 95 9.5 98"));
    ExpectRefusal(
        "Positions should increase: point 3 (x = 9.5) does not lie right of the point before "
        "it.");
}

TEST_F(TopographyTest, RefusesShortAndMalformedFiles) {
    struct Case {
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"", "Expecting the number of points and the reference elevation."},
        {"3", "Expecting the number of points and the reference elevation."},
        {"three 100 0 100", "Expecting the number of points and the reference elevation."},
        {"3.0 100 0 100 10 95 20 98",
         "Expecting the number of points and the reference elevation."},
        {"99999999999999999999999 100 0 1 2 3",
         "Expecting the number of points and the reference elevation."},
        {"3 100 0 100 10 95", "Expecting x and elevation of point 3 of 3."},
        {"3 100 0 100 10 95 20", "Expecting x and elevation of point 3 of 3."},
        {"3 100 0 100 ten 95 20 98", "Expecting x and elevation of point 2 of 3."},
        {"3 100 0 100 10 95,20 98", "Expecting x and elevation of point 2 of 3."},
        {"2 100 0 nan 10 95", "Expecting x and elevation of point 1 of 2."},
        {"2 100 0 100 inf 95", "Expecting x and elevation of point 2 of 2."},
        {"2 1e999 0 100 10 95", "Expecting the number of points and the reference elevation."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        prompts_.messages.clear();
        EXPECT_FALSE(Read(c.bytes));
        ExpectRefusal(c.reason);
    }
}

TEST_F(TopographyTest, ACountFarBeyondTheNumbersPresentIsRefusedWithoutAllocatingForIt) {
    EXPECT_FALSE(Read("2000000000 100 0 100 10 95"));
    ExpectRefusal("Expecting x and elevation of point 3 of 2000000000.");
    prompts_.messages.clear();
    EXPECT_FALSE(Read("9223372036854775807 100 0 100"));
    ExpectRefusal("Expecting x and elevation of point 2 of 9223372036854775807.");
}

TEST_F(TopographyTest, ARefusalAfterAProfileLeavesNone) {
    ASSERT_TRUE(Read("2 10 0 10 100 0"));
    EXPECT_FALSE(Read("2 10 0 10"));
    ExpectRefusal("Expecting x and elevation of point 2 of 2.");
}

}  // namespace
}  // namespace oskava

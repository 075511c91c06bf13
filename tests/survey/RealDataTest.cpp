// Public field surveys: every one opens as the viewer opens it (with its topography,
// IP files as IP), the two with wrong-sign data stop with the two messages, and the
// counts and ranges agree with what the collection documents for each file.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/PairwiseCoincidingRule.h"
#include "support/ScriptedPrompts.h"
#include "survey/CoincidingLocations.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;

struct Survey {
    const char* name;  // without ".dat"
    bool isDC;
    int dataCount;
    bool withStdDev;
    size_t topographyPoints;  // 0: no .topo file
    double xMin, xMax;
    int wrongSign;  // data whose sign disagrees with the flat-ground geometric factor
    // Flat DC surveys: apparent resistivity range in ohm-m, to four digits.
    // IP surveys: the datum range. Both 0: not checked.
    double low, high;
};

const Survey kSurveys[] = {
    {"gimli-gallery-dd", true, 116, true, 0, 0, 40, 0, 84.65, 367},
    {"gimli-slagdump-wenner", true, 222, false, 38, 0, 66.1715, 0, 0, 0},
    {"resipy-blocks-polepole", true, 295, false, 0, 0, 34, 0, 9.79, 22.5},
    {"gimli-schleiz-dd", true, 835, false, 0, 0, 41, 0, 11.24, 722.1},
    {"gimli-schleiz-dd-ip", false, 835, false, 0, 0, 41, 0, 1.1722, 381.82},
    {"gimli-bedrock-wenner-schlumberger", true, 1223, true, 0, 0, 315, 0, 17.73, 153.8},
    {"gimli-borkum-beach-gradient", true, 1478, false, 81, 0, 160, 0, 0, 0},
    {"xochimilco-xoch1-pole-dipole", true, 1226, false, 0, 0, 230, 44, 0, 0},
    {"xochimilco-xoch1-pole-dipole-ip", false, 1226, false, 0, 0, 230, 0, -299.99, 999.99},
    {"xochimilco-y4-y7-rollalong-dd-wenner", true, 5383, false, 0, 0, 1190, 189, 0, 0},
};

std::string Path(const std::string& name) {
    return (std::filesystem::path(OSKAVA_REALDATA_DIR) / name).string();
}

class RealDataTest : public ::testing::TestWithParam<Survey> {
  protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(OSKAVA_REALDATA_DIR)) {
            GTEST_SKIP() << "no real data at " << OSKAVA_REALDATA_DIR;
        }
    }
};

TEST_P(RealDataTest, OpensAsTheViewerOpensIt) {
    const Survey& survey = GetParam();
    const std::string data = Path(std::string(survey.name) + ".dat");
    OpenRequest request;
    request.dataFile = data;
    request.isDC = survey.isDC;
    if (survey.topographyPoints > 0) {
        request.topographyFile = Path(std::string(survey.name) + ".topo");
    }
    ScriptedPrompts prompts;
    CDatDoc doc(prompts);
    const OpenOutcome outcome = OpenSurvey(doc, request);

    ASSERT_EQ(doc.dataCount, survey.dataCount);
    EXPECT_FALSE(doc.commonCurrent);
    EXPECT_EQ(doc.defaultErrors, !survey.withStdDev);
    EXPECT_EQ(doc.topoX.size(), survey.topographyPoints);

    if (survey.isDC && survey.wrongSign > 0) {
        // Opening stops at the first datum whose sign disagrees with its geometry.
        EXPECT_EQ(outcome, OpenOutcome::Failed);
        EXPECT_FALSE(doc.dataReady);
        ASSERT_EQ(prompts.messages.size(), 2u);
        EXPECT_EQ(prompts.messages[0].text.rfind("Data has wrong sign:\n", 0), 0u);
        EXPECT_EQ(prompts.messages[1],
                  (ShownMessage{"Error in data file: \n" + data, MessageKind::Warning}));
        return;
    }
    ASSERT_EQ(outcome, OpenOutcome::Opened);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(doc.dataReady);
    EXPECT_EQ(doc.GetTitle(), data);
    EXPECT_NEAR(doc.xMin, survey.xMin, 1e-4);
    EXPECT_NEAR(doc.xMax, survey.xMax, 1e-4);
    EXPECT_GT(doc.maxPseudoDepth, 0);
    EXPECT_GT(doc.minSeparation, 0);
    for (const Cobs& r : doc.observations) {
        EXPECT_TRUE(std::isfinite(r.displayValue));
    }
    if (survey.high == 0) {
        return;
    }
    if (survey.isDC) {
        // The display value is log10 of the conductivity: the largest one belongs to
        // the smallest resistivity. Four digits are within 2.2e-4 in log10.
        EXPECT_NEAR(doc.valueMax, -std::log10(survey.low), 2.5e-4);
        EXPECT_NEAR(doc.valueMin, -std::log10(survey.high), 2.5e-4);
    } else {
        EXPECT_EQ(doc.valueMin, survey.low);
        EXPECT_EQ(doc.valueMax, survey.high);
    }
}

INSTANTIATE_TEST_SUITE_P(Surveys, RealDataTest, ::testing::ValuesIn(kSurveys),
                         [](const ::testing::TestParamInfo<Survey>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(RealDataCoincidingTest, RollAlongRepeatsMoveAsThePairwiseRuleMovesThem) {
    // 962 quadrupoles measured twice by overlapping segments. Read as IP, the survey
    // loads whatever the signs, and its real pseudo-locations go through both passes.
    if (!std::filesystem::is_directory(OSKAVA_REALDATA_DIR)) {
        GTEST_SKIP() << "no real data at " << OSKAVA_REALDATA_DIR;
    }
    ScriptedPrompts prompts;
    CDatDoc doc(prompts);
    doc.isDC = false;
    ASSERT_TRUE(doc.ReadDataFile(Path("xochimilco-y4-y7-rollalong-dd-wenner.dat")));
    ASSERT_TRUE(doc.ProcessData());
    std::vector<Cobs> located = doc.observations;
    for (Cobs& r : located) {
        r.SetGeometry({}, {}, false);
    }
    std::vector<Cobs> expected = located;
    test::PairwiseCoincidingRule(expected, 0.15 * doc.minSeparation);
    int moved = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(
            std::memcmp(&doc.observations[i].pseudoDepth, &expected[i].pseudoDepth, sizeof(double)),
            0)
            << "record " << i;
        moved += expected[i].pseudoDepth != located[i].pseudoDepth ? 1 : 0;
    }
    EXPECT_GE(moved, 962);
}

}  // namespace
}  // namespace oskava

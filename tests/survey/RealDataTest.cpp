// Public field surveys: every one opens as the viewer opens it (with its topography,
// IP files as IP), the two with wrong-sign data stop with the two messages, and the
// counts and ranges agree with what the collection documents for each file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "support/ScriptedPrompts.h"
#include "survey/OpenSurvey.h"

namespace oskava {
namespace {

struct Survey {
    const char* name;  // without ".dat"
    bool isDC;
    int dataCount;
    bool withStdDev;
    size_t topographyPoints;  // 0: no .topo file
    double xMax;              // every line starts at 0
    bool wrongSign;           // data whose sign disagrees with the flat-ground geometric factor
    // Flat DC surveys: apparent resistivity range in ohm-m, to four digits.
    // IP surveys: the datum range. Both 0: not checked.
    double low, high;
};

const Survey kSurveys[] = {
    {"gimli-gallery-dd", true, 116, true, 0, 40, false, 84.65, 367},
    {"gimli-slagdump-wenner", true, 222, false, 38, 66.1715, false, 0, 0},
    {"resipy-blocks-polepole", true, 295, false, 0, 34, false, 9.79, 22.5},
    {"gimli-schleiz-dd", true, 835, false, 0, 41, false, 11.24, 722.1},
    {"gimli-schleiz-dd-ip", false, 835, false, 0, 41, false, 1.1722, 381.82},
    {"gimli-bedrock-wenner-schlumberger", true, 1223, true, 0, 315, false, 17.73, 153.8},
    {"gimli-borkum-beach-gradient", true, 1478, false, 81, 160, false, 0, 0},
    {"xochimilco-xoch1-pole-dipole", true, 1226, false, 0, 230, true, 0, 0},
    {"xochimilco-xoch1-pole-dipole-ip", false, 1226, false, 0, 230, false, -299.99, 999.99},
    {"xochimilco-y4-y7-rollalong-dd-wenner", true, 5383, false, 0, 1190, true, 0, 0},
};

TEST(RealDataTest, EverySurveyOpensAsTheViewerOpensIt) {
    if (!std::filesystem::is_directory(OSKAVA_REALDATA_DIR)) {
        GTEST_SKIP() << "no real data at " << OSKAVA_REALDATA_DIR;
    }
    for (const Survey& survey : kSurveys) {
        SCOPED_TRACE(survey.name);
        const std::string path = std::string(OSKAVA_REALDATA_DIR) + "/" + survey.name;
        OpenRequest request{path + ".dat", survey.isDC, "", "", ""};
        if (survey.topographyPoints > 0) {
            request.topographyFile = path + ".topo";
        }
        test::ScriptedPrompts prompts;
        CDatDoc doc(prompts);
        const OpenOutcome outcome = OpenSurvey(doc, request);
        ASSERT_EQ(doc.dataCount, survey.dataCount);
        EXPECT_EQ(doc.defaultErrors, !survey.withStdDev);
        EXPECT_EQ(doc.topoX.size(), survey.topographyPoints);
        if (survey.wrongSign) {
            // Opening stops at the first datum whose sign disagrees with its geometry.
            EXPECT_EQ(outcome, OpenOutcome::Failed);
            const std::vector<std::string> texts = prompts.Texts();
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[0].rfind("Data has wrong sign:\n", 0), 0u);
            EXPECT_EQ(texts[1], "Error in data file: \n" + request.dataFile);
            continue;
        }
        ASSERT_EQ(outcome, OpenOutcome::Opened);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(doc.xMin, 0);
        EXPECT_NEAR(doc.xMax, survey.xMax, 1e-4);
        EXPECT_TRUE(doc.maxPseudoDepth > 0 && doc.minSeparation > 0);
        for (const Cobs& r : doc.observations) {
            ASSERT_TRUE(std::isfinite(r.displayValue));
        }
        if (survey.high != 0 && survey.isDC) {
            // The display value is log10 of the conductivity: the largest one belongs to
            // the smallest resistivity. Four digits are within 2.2e-4 in log10.
            EXPECT_NEAR(doc.valueMax, -std::log10(survey.low), 2.5e-4);
            EXPECT_NEAR(doc.valueMin, -std::log10(survey.high), 2.5e-4);
        } else if (survey.high != 0) {
            EXPECT_EQ(doc.valueMin, survey.low);
            EXPECT_EQ(doc.valueMax, survey.high);
        }
    }
}

}  // namespace
}  // namespace oskava

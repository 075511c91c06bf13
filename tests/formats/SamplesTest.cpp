// Every sample file of the formats' notes imported, for DC and for IP, and compared
// with what the notes say import must make of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "formats/Import.h"
#include "formats/SampleExpectations.h"

namespace oskava {
namespace {

const std::string kSamples = OSKAVA_FORMATS_SAMPLES_DIR;

void ExpectClose(double actual, double expected, const char* what, size_t index) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected)))
        << what << " of record " << index;
}

double ElevationAt(const ImportedSurvey& survey, double x) {
    for (const GroundPoint& point : survey.ground) {
        if (point.x == x) {
            return point.elevation;
        }
    }
    return NAN;
}

void ExpectRecords(const ImportedSurvey& survey,
                   const std::vector<test::ExpectedRecord>& expected) {
    ASSERT_EQ(survey.error, "");
    ASSERT_EQ(survey.data.size(), expected.size());
    EXPECT_EQ(survey.hasStdDev, expected.front().stdDev.has_value());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ImportedDatum& datum = survey.data[i];
        const test::ExpectedRecord& record = expected[i];
        ExpectClose(datum.xa, record.xa, "xa", i);
        ExpectClose(datum.xb, record.xb, "xb", i);
        ExpectClose(datum.xm, record.xm, "xm", i);
        ExpectClose(datum.xn, record.xn, "xn", i);
        ExpectClose(datum.value, record.value, "value", i);
        ExpectClose(datum.stdDev, record.stdDev.value_or(0), "stdDev", i);
        // Level ground is no topography; where there is one, each electrode is a point of it.
        if (record.elevations && !survey.ground.empty()) {
            const double x[4] = {datum.xa, datum.xb, datum.xm, datum.xn};
            for (int e = 0; e < 4; ++e) {
                ExpectClose(ElevationAt(survey, x[e]), (*record.elevations)[e], "elevation", i);
            }
        }
    }
}

TEST(SamplesTest, EachSampleImportsAsTheNotesSay) {
    if (!std::filesystem::is_directory(kSamples)) {
        GTEST_SKIP() << "no samples at " << kSamples;
    }
    const std::map<std::string, std::string> refusals = {
        {"array type", "array type 8 (equatorial dipole-dipole) is not read"},
        {"3D", "the electrodes are not on one line"},
        {"not a surface line", "Only surveys on the ground surface are read."}};
    Progress silent;
    for (const auto& [name, expected] : test::ReadExpectations(kSamples + "/expected.json")) {
        SCOPED_TRACE(name);
        const std::string path = kSamples + "/" + name;
        const ImportedSurvey dc = ImportSurvey(path, std::nullopt, false, silent);
        if (expected.refused) {
            EXPECT_NE(dc.error.find(refusals.at(*expected.refused)), std::string::npos) << dc.error;
            continue;
        }
        ExpectRecords(dc, *expected.records);
        EXPECT_EQ(dc.skippedLines, expected.skipped);
        EXPECT_EQ(static_cast<long>(dc.dataWithoutError), expected.errorsMissing);
        EXPECT_EQ(!dc.ground.empty(), expected.topography);
        const bool tail =
            std::any_of(dc.remarks.begin(), dc.remarks.end(), [](const std::string& r) {
                return r.find("goes on after the survey") != std::string::npos;
            });
        EXPECT_EQ(tail, expected.tail);
        const ImportedSurvey ip = ImportSurvey(path, std::nullopt, true, silent);
        if (expected.ipRecords) {
            ExpectRecords(ip, *expected.ipRecords);
        } else {
            EXPECT_NE(ip.error.find("no IP"), std::string::npos) << ip.error;
        }
    }
}

}  // namespace
}  // namespace oskava

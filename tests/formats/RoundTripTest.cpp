// What is exported comes back: every real survey and every imported sample, written in
// the unified format and as a Res2DInv general array and imported again, gives the same
// positions, data, standard deviations (to 1e-12 relative: the unified format carries
// them relative to the datum) and electrode elevations (to 1e-12 of their size: the
// topography's interpolation may round in the last digit). An imported survey written as
// an observation file and a topography file reads back bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "formats/Export.h"
#include "formats/Import.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/FilePaths.h"

namespace oskava {
namespace {

namespace fs = std::filesystem;

bool Near(double actual, double expected) {
    return std::fabs(actual - expected) <= 1e-12 * std::max(1.0, std::fabs(expected));
}

double ElevationAt(const ImportedSurvey& survey, double x) {
    for (const GroundPoint& point : survey.ground) {
        if (point.x == x) {
            return point.elevation;
        }
    }
    return NAN;
}

void ExpectRoundTrip(const CDatDoc& doc, ForeignFormat format, const test::TempDir& dir) {
    SCOPED_TRACE(FormatName(format));
    const std::string path = dir.Write(
        "export", format == ForeignFormat::Unified ? UnifiedText(doc) : Res2DInvText(doc));
    Progress silent;
    const ImportedSurvey back = ImportSurvey(path, format, !doc.isDC, silent);
    ASSERT_EQ(back.error, "");
    ASSERT_EQ(back.data.size(), doc.observations.size());
    EXPECT_EQ(back.title, doc.headerLine);
    EXPECT_EQ(back.hasStdDev, ExportsStdDevs(doc));
    double firstElevation = ElectrodeElevation(doc, doc.observations[0].xa);
    for (size_t i = 0; i < back.data.size(); ++i) {
        const Cobs& r = doc.observations[i];
        const ImportedDatum& d = back.data[i];
        // A dipole-pole goes to Res2DInv as its reciprocal pole-dipole.
        const bool reciprocal = format == ForeignFormat::Res2DInv && r.xb != r.xa && r.xn == r.xm;
        const double x[4] = {reciprocal ? r.xm : r.xa, reciprocal ? r.xm : r.xb,
                             reciprocal ? r.xa : r.xm, reciprocal ? r.xb : r.xn};
        EXPECT_TRUE(d.xa == x[0] && d.xb == x[1] && d.xm == x[2] && d.xn == x[3]) << i;
        EXPECT_EQ(d.value, r.datum) << i;
        EXPECT_TRUE(Near(d.stdDev, back.hasStdDev ? r.stdDev : 0)) << i;
        for (const double p : x) {
            const double expected = ElectrodeElevation(doc, p);
            // Level ground comes back as no topography.
            EXPECT_TRUE(back.ground.empty() ? expected == firstElevation
                                            : Near(ElevationAt(back, p), expected))
                << i << " at " << p;
        }
    }
}

TEST(RoundTripTest, RealSurveysExportedAndImportedBack) {
    const fs::path folder = OSKAVA_REALDATA_DIR;
    if (!fs::is_directory(folder)) {
        GTEST_SKIP() << "no real data at " << folder;
    }
    test::TempDir dir;
    int surveys = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        test::ScriptedPrompts prompts;
        CDatDoc doc(prompts);
        fs::path topography = entry.path();
        topography.replace_extension(".topo");
        ASSERT_TRUE(doc.ReadDataFile(entry.path().string()));
        ASSERT_TRUE(doc.ReadTopography(fs::exists(topography) ? topography.string() : ""));
        doc.isDC = entry.path().string().find("-ip.") == std::string::npos;
        ExpectRoundTrip(doc, ForeignFormat::Unified, dir);
        if (doc.isDC) {
            ExpectRoundTrip(doc, ForeignFormat::Res2DInv, dir);
        }
        ++surveys;
    }
    EXPECT_EQ(surveys, 10);
}

TEST(RoundTripTest, ImportedSamplesWrittenReadAndExportedBack) {
    const fs::path folder = OSKAVA_FORMATS_SAMPLES_DIR;
    if (!fs::is_directory(folder)) {
        GTEST_SKIP() << "no samples at " << folder;
    }
    test::TempDir dir;
    int imports = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        for (const bool isDC : {true, false}) {
            SCOPED_TRACE(entry.path().filename().string() + (isDC ? " DC" : " IP"));
            Progress silent;
            const std::string path = entry.path().string();
            const ImportedSurvey survey = ImportSurvey(path, std::nullopt, !isDC, silent);
            if (!survey.error.empty()) {
                continue;
            }
            // What import writes reads back as the survey, every number exactly.
            test::ScriptedPrompts prompts;
            const std::string out = (dir.path() / (std::to_string(++imports) + ".dat")).string();
            const std::string topography = WithExtension(out, ".topo");
            ASSERT_TRUE(ImportToFile(path, out, std::nullopt, !isDC, prompts));
            CDatDoc doc(prompts);
            ASSERT_TRUE(doc.ReadDataFile(out));
            ASSERT_TRUE(doc.ReadTopography(fs::exists(topography) ? topography : ""));
            doc.isDC = isDC;
            ASSERT_EQ(doc.observations.size(), survey.data.size());
            for (size_t i = 0; i < survey.data.size(); ++i) {
                const Cobs& r = doc.observations[i];
                const ImportedDatum& d = survey.data[i];
                EXPECT_TRUE(r.xa == d.xa && r.xb == d.xb && r.xm == d.xm && r.xn == d.xn &&
                            r.datum == d.value && r.stdDev == d.stdDev)
                    << i;
            }
            for (const GroundPoint& point : survey.ground) {
                EXPECT_TRUE(Near(ElectrodeElevation(doc, point.x), point.elevation)) << point.x;
            }
            ExpectRoundTrip(doc, ForeignFormat::Unified, dir);
            if (isDC) {
                ExpectRoundTrip(doc, ForeignFormat::Res2DInv, dir);
            }
        }
    }
    EXPECT_EQ(imports, 28);
}

}  // namespace
}  // namespace oskava

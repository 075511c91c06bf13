// The observation file writer: the exact bytes of both layouts, and saving that never
// leaves a half-written or wrongly replaced file.
#include <filesystem>

#include "support/SurveyFixture.h"

namespace oskava {
namespace {

using test::ReadAll;

const char kOneDatum[] = "title\n\n      0.00      10.00       20.00      30.00  1.25000e-01\n";

class ObservationWriter : public test::SurveyFixture {
  protected:
    void Read(const std::string& text) {
        ASSERT_TRUE(doc.ReadDataFile(dir.Write("survey.dat", text)));
        doc.dataFileName = doc.GetPathName();
    }
    // Saves beside the survey and returns the bytes written.
    std::string Save() {
        const std::string path = (dir.path() / "saved.dat").string();
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return ReadAll(path);
    }
};

TEST_F(ObservationWriter, GeneralLayoutWithAndWithoutStandardDeviations) {
    Read("Line 4, Wenner\n5 10 20 30.004 0.125\n-1.005 0 1e3 2000 -3.5e-7\n");
    EXPECT_EQ(Save(),
              "Line 4, Wenner\n\n"
              "      5.00      10.00       20.00      30.00  1.25000e-01\n"
              "     -1.00       0.00     1000.00    2000.00  -3.50000e-07\n");
    // Any standard deviation puts one on every line: the reader would drop them all
    // for a single line of five numbers.
    doc.observations[1].stdDev = 0.004;
    doc.observations[0].stdDev = -1;
    EXPECT_EQ(Save(),
              "Line 4, Wenner\n\n"
              "      5.00      10.00       20.00      30.00  1.25000e-01 0.00000e+00\n"
              "     -1.00       0.00     1000.00    2000.00  -3.50000e-07 4.00000e-03\n");
}

TEST_F(ObservationWriter, RegressionTitleThatReadsBackAsTheKeyword) {
    // A title ending in a carriage return, written as it is, loses it on reading; this
    // one then read as the keyword and the saved survey as no survey at all.
    Read("COMMON_CURRENT\r\r\n0 10 20 30 0.125\n");
    ASSERT_FALSE(doc.commonCurrent);
    EXPECT_EQ(Save(),
              "COMMON_CURRENT \n\n      0.00      10.00       20.00      30.00  1.25000e-01\n");
    Read("title\r\r\r\n0 10 20 30 0.125\n");
    EXPECT_EQ(Save(), kOneDatum);
}

TEST_F(ObservationWriter, CommonCurrentSurveyIsWrittenInItsLayout) {
    // Blocks are counted again after a deletion.
    Read(
        "COMMON_CURRENT\n2\n0 10 3\n20 30 0.125 0.004\n30 40 0.031 0.002\n40 50 1 0.1\n0 20 1\n"
        "30 40 0.5 0.01\n");
    doc.observations.erase(doc.observations.begin());
    EXPECT_EQ(Save(),
              "COMMON_CURRENT\n2\n"
              "      0.00      10.00  2\n"
              "     30.00      40.00  3.10000e-02 2.00000e-03\n"
              "     40.00      50.00  1.00000e+00 1.00000e-01\n"
              "      0.00      20.00  1\n"
              "     30.00      40.00  5.00000e-01 1.00000e-02\n");
}

TEST_F(ObservationWriter, FailedSaveSaysWhyAndLeavesEverythingAsItWas) {
    Read("title\n0 10 20 30 0.125\n");
    const std::string original = doc.dataFileName;
    doc.SetModifiedFlag();
    const std::string path = (dir.path() / "taken").string();
    std::filesystem::create_directory(path);
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_EQ(Shown(), Warning("Error writing data file: \n" + path + "\nIs a directory"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.dataFileName, original);
    EXPECT_EQ(ReadAll(original), "title\n0 10 20 30 0.125\n");
    // Nothing half-written is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(ObservationWriter, ReplacedFileKeepsItsPermissionsAndLinksStayLinks) {
    namespace fs = std::filesystem;
    Read("title\n0 10 20 30 0.125\n");
    const fs::path target = dir.Write("target.dat", "old"), link = dir.path() / "link.dat";
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink(target, link);
    EXPECT_TRUE(doc.OnSaveDocument(link.string()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(target), kOneDatum);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
}

}  // namespace
}  // namespace oskava

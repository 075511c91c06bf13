#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

const char kRenamedNotice[] =
    "The data filename has changed.\nMake sure you use the correct name in the OSKAVA "
    "interface.";

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class ObservationWriter : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    TempDir dir;

    void Read(const std::string& text) {
        ASSERT_TRUE(doc.ReadDataFile(dir.Write("survey.dat", text)));
        doc.dataFileName = doc.GetPathName();
    }
    // Saves beside the survey and returns the bytes written.
    std::string Save(const std::string& name = "saved.dat") {
        const std::string path = (dir.path() / name).string();
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return Contents(path);
    }
};

TEST_F(ObservationWriter, GeneralLayoutWithoutStandardDeviations) {
    Read("Line 4, Wenner\n5 10 20 30.004 0.125\n-1.005 0 1e3 2000 -3.5e-7\n");
    EXPECT_EQ(Save(),
              "Line 4, Wenner\n"
              "\n"
              "      5.00      10.00       20.00      30.00  1.25000e-01\n"
              "     -1.00       0.00     1000.00    2000.00  -3.50000e-07\n");
}

TEST_F(ObservationWriter, AnyStandardDeviationPutsOneOnEveryLine) {
    Read("title\n0 10 20 30 0.125 0.004\n0 10 30 40 0.031 0.002\n0 10 40 50 0.01 0.001\n");
    doc.observations[1].stdDev = 0;
    doc.observations[2].stdDev = -1;
    EXPECT_EQ(Save(),
              "title\n"
              "\n"
              "      0.00      10.00       20.00      30.00  1.25000e-01 4.00000e-03\n"
              "      0.00      10.00       30.00      40.00  3.10000e-02 0.00000e+00\n"
              "      0.00      10.00       40.00      50.00  1.00000e-02 0.00000e+00\n");
}

TEST_F(ObservationWriter, CommonCurrentSurveyIsWrittenInItsLayout) {
    Read(
        "COMMON_CURRENT\n2\n0 10 2\n20 30 0.125 0.004\n30 40 0.031 0.002\n"
        "10 20 1\n30 40 0.5 0.01\n");
    EXPECT_EQ(Save(),
              "COMMON_CURRENT\n"
              "2\n"
              "      0.00      10.00  2\n"
              "     20.00      30.00  1.25000e-01 4.00000e-03\n"
              "     30.00      40.00  3.10000e-02 2.00000e-03\n"
              "     10.00      20.00  1\n"
              "     30.00      40.00  5.00000e-01 1.00000e-02\n");
    doc.observations.erase(doc.observations.begin());
    doc.dataCount = 2;
    for (Cobs& record : doc.observations) {
        record.stdDev = 0;
    }
    EXPECT_EQ(Save(),
              "COMMON_CURRENT\n"
              "2\n"
              "      0.00      10.00  1\n"
              "     30.00      40.00  3.10000e-02\n"
              "     10.00      20.00  1\n"
              "     30.00      40.00  5.00000e-01\n");
}

TEST_F(ObservationWriter, WrittenFilesReadBackToTheSameRecords) {
    const char* surveys[] = {
        "title\n0 10 20 30 0.125 0.004\n0 10 30 40 0.0312345678 0\n15 15 40 40 -2 0.5\n",
        "COMMON_CURRENT\n2\n0 10 2\n20 30 0.125 0.004\n30 40 0.031 0\n15 15 1\n40 40 -2 0.5\n",
        "title\n0.125 10 20 30 0.125\n0 10 30 40 0.031 0.002\n",
    };
    for (const char* survey : surveys) {
        SCOPED_TRACE(survey);
        Read(survey);
        const std::vector<Cobs> before = doc.observations;
        const bool commonCurrent = doc.commonCurrent;
        const bool defaultErrors = doc.defaultErrors;
        const std::string saved = (dir.path() / "saved.dat").string();
        ASSERT_TRUE(doc.OnSaveDocument(saved));
        ASSERT_TRUE(doc.ReadDataFile(saved));
        EXPECT_EQ(doc.commonCurrent, commonCurrent);
        EXPECT_EQ(doc.defaultErrors, defaultErrors);
        ASSERT_EQ(doc.observations.size(), before.size());
        for (size_t i = 0; i < before.size(); ++i) {
            const Cobs& a = before[i];
            const Cobs& b = doc.observations[i];
            EXPECT_NEAR(b.xa, a.xa, 0.00501);  // two decimals
            EXPECT_EQ(b.xb, a.xb);
            EXPECT_EQ(b.xm, a.xm);
            EXPECT_EQ(b.xn, a.xn);
            EXPECT_NEAR(b.datum, a.datum, std::abs(a.datum) * 5e-6);
            EXPECT_NEAR(b.stdDev, a.stdDev, a.stdDev * 5e-6);
        }
    }
}

TEST_F(ObservationWriter, NewNameIsPointedOutOnceAndEverySaveClearsTheModifiedFlag) {
    Read("title\n0 10 20 30 0.125\n");
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnSaveDocument(doc.dataFileName));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(doc.IsModified());

    const std::string other = (dir.path() / "SURVEY.dat").string();
    EXPECT_TRUE(doc.OnSaveDocument(other));
    EXPECT_TRUE(doc.OnSaveDocument(other));
    EXPECT_EQ(prompts.messages,
              (std::vector<ShownMessage>{{kRenamedNotice, MessageKind::Information}}));
    EXPECT_EQ(doc.dataFileName, other);
}

TEST_F(ObservationWriter, FailedSaveSaysWhyAndLeavesEverythingAsItWas) {
    Read("title\n0 10 20 30 0.125\n");
    const std::string original = doc.dataFileName;
    doc.SetModifiedFlag();
    // A directory where the file should go: it cannot be replaced by a file.
    std::filesystem::create_directory(dir.path() / "taken");
    const std::string kept = dir.Write("taken/keep.dat", "old");
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {(dir.path() / "missing" / "out.dat").string(), "No such file or directory"},
        {(dir.path() / "survey.dat" / "out.dat").string(), "Not a directory"},
        {(dir.path() / "taken").string(), "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        prompts.messages.clear();
        EXPECT_FALSE(doc.OnSaveDocument(c.path));
        EXPECT_EQ(
            prompts.messages,
            (std::vector<ShownMessage>{
                {"Error writing data file: \n" + c.path + "\n" + c.reason, MessageKind::Warning}}));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.dataFileName, original);
    }
    EXPECT_EQ(Contents(kept), "old");
    EXPECT_EQ(Contents(original), "title\n0 10 20 30 0.125\n");
    // Nothing half-written is left behind.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
}

TEST_F(ObservationWriter, ReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    Read("title\n0 10 20 30 0.125\n");
    const std::string locked = dir.Write("locked.dat", "old");
    chmod(locked.c_str(), 0444);
    EXPECT_FALSE(doc.OnSaveDocument(locked));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error writing data file: \n" + locked +
                                                        "\nPermission denied"});
    EXPECT_EQ(Contents(locked), "old");
}

TEST_F(ObservationWriter, ReplacedFileIsWhollyNewAndKeepsItsPermissions) {
    Read("title\n0 10 20 30 0.125\n");
    const std::string target = dir.Write("target.dat", std::string(5000, 'x'));
    chmod(target.c_str(), 0640);
    EXPECT_TRUE(doc.OnSaveDocument(target));
    EXPECT_EQ(Contents(target),
              "title\n\n      0.00      10.00       20.00      30.00  1.25000e-01\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(ObservationWriter, SavingThroughALinkReplacesTheFileBehindIt) {
    Read("title\n0 10 20 30 0.125\n");
    const std::string target = dir.Write("target.dat", "old");
    const std::string link = (dir.path() / "link.dat").string();
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_TRUE(doc.OnSaveDocument(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Contents(target),
              "title\n\n      0.00      10.00       20.00      30.00  1.25000e-01\n");
}

}  // namespace
}  // namespace oskava

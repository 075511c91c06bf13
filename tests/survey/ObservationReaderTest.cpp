// The observation file reader: both layouts, the next-data-line rule, the C scan's
// reading of numbers, every message, and the data set a failed read leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "survey/DatProp.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

class ObservationReaderTest : public ::testing::Test {
  protected:
    // Writes the bytes as survey.dat and reads them; the path is kept in path_.
    bool Read(const std::string& bytes, const std::string& name = "survey.dat") {
        path_ = dir_.Write(name, bytes);
        return doc_.ReadDataFile(path_);
    }
    std::string ReadError(const std::string& line, const std::string& explanation = "") const {
        return "Error reading data file: \n" + line + "\n" + path_ + explanation;
    }
    // The read failed with exactly this one warning and left no records.
    void ExpectFailure(const std::string& message) const {
        ASSERT_EQ(prompts_.messages.size(), 1u);
        EXPECT_EQ(prompts_.messages[0], (ShownMessage{message, MessageKind::Warning}));
        EXPECT_TRUE(doc_.observations.empty());
        EXPECT_EQ(doc_.dataCount, 0);
    }
    void ExpectRecord(size_t index, double xa, double xb, double xm, double xn, double datum,
                      double stdDev) const {
        ASSERT_LT(index, doc_.observations.size());
        const Cobs& r = doc_.observations[index];
        EXPECT_EQ(r.xa, xa) << "record " << index;
        EXPECT_EQ(r.xb, xb) << "record " << index;
        EXPECT_EQ(r.xm, xm) << "record " << index;
        EXPECT_EQ(r.xn, xn) << "record " << index;
        EXPECT_EQ(r.datum, datum) << "record " << index;
        EXPECT_EQ(r.stdDev, stdDev) << "record " << index;
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    std::string path_;
};

// --- General layout -------------------------------------------------------------------

TEST_F(ObservationReaderTest, GeneralLayoutWithStandardDeviations) {
    ASSERT_TRUE(Read("Line 1, 2 m dipoles\n0 10 20 30 0.125 0.004\n-5 5 15.5 25 -3e-2 1E-3\n"));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(doc_.dataCount, 2);
    EXPECT_EQ(doc_.headerLine, "Line 1, 2 m dipoles");
    EXPECT_FALSE(doc_.commonCurrent);
    EXPECT_FALSE(doc_.defaultErrors);
    ExpectRecord(0, 0, 10, 20, 30, 0.125, 0.004);
    ExpectRecord(1, -5, 5, 15.5, 25, -0.03, 0.001);
    EXPECT_EQ(doc_.GetPathName(), path_);
    EXPECT_EQ(doc_.GetTitle(), path_);  // the whole path, not only the file name
}

TEST_F(ObservationReaderTest, OneLineWithoutStandardDeviationClearsThemAll) {
    ASSERT_TRUE(Read("title\n0 10 20 30 0.125 0.004\n0 10 30 40 0.031\n5 15 25 35 1 2\n"));
    EXPECT_EQ(doc_.dataCount, 3);
    EXPECT_TRUE(doc_.defaultErrors);
    ExpectRecord(0, 0, 10, 20, 30, 0.125, 0);
    ExpectRecord(1, 0, 10, 30, 40, 0.031, 0);
    ExpectRecord(2, 5, 15, 25, 35, 1, 0);
}

TEST_F(ObservationReaderTest, TheFirstLineIsAlwaysTheHeader) {
    ASSERT_TRUE(Read("0 10 20 30 1 0.1\n1 11 21 31 2 0.2\n"));
    EXPECT_EQ(doc_.headerLine, "0 10 20 30 1 0.1");
    EXPECT_EQ(doc_.dataCount, 1);
    ExpectRecord(0, 1, 11, 21, 31, 2, 0.2);
}

TEST_F(ObservationReaderTest, TheHeaderLineIsTakenUnchanged) {
    ASSERT_TRUE(Read("  Survey ! 3 % 4 \t\r\n0 10 20 30 1 0.1\n"));
    EXPECT_EQ(doc_.headerLine, "  Survey ! 3 % 4 \t");
}

TEST_F(ObservationReaderTest, NumbersAfterTheSixthAreIgnored) {
    ASSERT_TRUE(Read("t\n0 10 20 30 1 0.5 7 8\n0 10 20 30 1 0.5 words follow\n"));
    EXPECT_EQ(doc_.dataCount, 2);
    EXPECT_FALSE(doc_.defaultErrors);
    ExpectRecord(0, 0, 10, 20, 30, 1, 0.5);
    ExpectRecord(1, 0, 10, 20, 30, 1, 0.5);
}

TEST_F(ObservationReaderTest, FiveNumbersAndAPercentCommentGiveNoStandardDeviation) {
    ASSERT_TRUE(Read("t\n0 10 20 30 1 % 0.5\n"));
    EXPECT_TRUE(doc_.defaultErrors);
    ExpectRecord(0, 0, 10, 20, 30, 1, 0);
}

TEST_F(ObservationReaderTest, NumbersAreReadAsTheCScanReadsThem) {
    // Exponents, signs, a bare fraction, a hexadecimal real; "1-2" is two numbers.
    ASSERT_TRUE(Read("t\n+1e1 .5 -2.5E-1 0x1p4 7 0.25\n  \t 0 10 20 30 1-2\n"));
    ExpectRecord(0, 10, 0.5, -0.25, 16, 7, 0.25);
    ExpectRecord(1, 0, 10, 20, 30, 1, -2);
}

TEST_F(ObservationReaderTest, FourNumbersThenAWordIsAnError) {
    EXPECT_FALSE(Read("t\n0 10 20 30 1 0.5\n0 10 20 30 abc 0.1\n"));
    ExpectFailure(ReadError("0 10 20 30 abc 0.1"));
}

TEST_F(ObservationReaderTest, NumbersTheScanReadsButNoSurveyHasAreErrors) {
    for (const std::string line : {"0 10 20 1e999 -0.01", "nan 10 20 30 1", "0 10 20 30 -inf",
                                   "0 10 20 30 1 NaN", "0 10 -1e400 30 1 0.5 "}) {
        SCOPED_TRACE(line);
        prompts_.messages.clear();
        EXPECT_FALSE(Read("t\n0 10 20 30 1\n" + line + "\n"));
        ExpectFailure(ReadError(line.substr(0, line.find_last_not_of(' ') + 1)));
    }
}

TEST_F(ObservationReaderTest, CommasDoNotSeparateNumbers) {
    EXPECT_FALSE(Read("t\n0,10,20,30,1\n"));
    ExpectFailure(ReadError("0,10,20,30,1"));
}

TEST_F(ObservationReaderTest, ALineStartingWithAWordIsAnError) {
    EXPECT_FALSE(Read("t\nxa xb xm xn datum\n0 10 20 30 1\n"));
    ExpectFailure(ReadError("xa xb xm xn datum"));
}

TEST_F(ObservationReaderTest, NoDataLine) {
    EXPECT_FALSE(Read("title\n! only a comment\n\n   \t\n% another\n"));
    ExpectFailure("There is no data in \n" + path_);
    EXPECT_EQ(doc_.headerLine, "title");
}

TEST_F(ObservationReaderTest, EmptyFile) {
    doc_.headerLine = "previous";
    EXPECT_FALSE(Read(""));
    ExpectFailure("There is no data in \n" + path_);
    EXPECT_EQ(doc_.headerLine, "");
}

TEST_F(ObservationReaderTest, KeywordWithATrailingBlankOrInLowerCaseMeansGeneralLayout) {
    ASSERT_TRUE(Read("COMMON_CURRENT \n0 10 20 30 1\n"));
    EXPECT_FALSE(doc_.commonCurrent);
    EXPECT_EQ(doc_.headerLine, "COMMON_CURRENT ");
    ExpectRecord(0, 0, 10, 20, 30, 1, 0);

    // The count line of a common-current file is then a data line with one number.
    EXPECT_FALSE(Read("common_current\n1\n0 10 1\n20 30 0.5\n"));
    EXPECT_FALSE(doc_.commonCurrent);
    ExpectFailure(ReadError("1"));
}

// --- The next-data-line rule ------------------------------------------------------------

TEST_F(ObservationReaderTest, CommentsBlankLinesAndTrailingWhiteSpaceAnywhere) {
    const std::string bytes =
        "title\n"
        "! comment line\n"
        "\n"
        "0 10 20 30 1 0.5 ! comment after the data\n"
        "   \t \v\f\n"
        "% comment line\n"
        "1 11 21 31 2 0.25% comment right after a number\n"
        "2 12 22 32 3!0.125\n"
        "3 13 23 33 4 0.5 % first percent ! then bang\n"
        "4 14 24 34 5 0.5 ! first bang % then percent\n"
        "5 15 25 35 6 0.5 \t \v \f \n";
    ASSERT_TRUE(Read(bytes));
    EXPECT_EQ(doc_.dataCount, 6);
    ExpectRecord(0, 0, 10, 20, 30, 1, 0);
    ExpectRecord(2, 2, 12, 22, 32, 3, 0);  // "!0.125" is a comment
    ExpectRecord(5, 5, 15, 25, 35, 6, 0);
    EXPECT_TRUE(doc_.defaultErrors);
}

TEST_F(ObservationReaderTest, MessagesShowTheLineAsTheRuleDeliversIt) {
    // Leading white space stays, the comment and the trailing white space go.
    EXPECT_FALSE(Read("t\n  \t0 10 20 ! 30 1 0.5\n"));
    ExpectFailure(ReadError("  \t0 10 20"));
}

// --- Common-current layout --------------------------------------------------------------

TEST_F(ObservationReaderTest, CommonCurrentLayout) {
    ASSERT_TRUE(
        Read("COMMON_CURRENT\n"
             "2\n"
             "0 10 2\n"
             "20 30 0.125 0.01\n"
             "30 40 0.031 0.002 ! comment\n"
             "! a comment between blocks\n"
             "\n"
             "-5 -5 1\n"
             "5 5 -1.5 0.5\n"));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(doc_.commonCurrent);
    EXPECT_EQ(doc_.headerLine, "COMMON_CURRENT");
    EXPECT_FALSE(doc_.defaultErrors);
    EXPECT_EQ(doc_.dataCount, 3);
    ExpectRecord(0, 0, 10, 20, 30, 0.125, 0.01);
    ExpectRecord(1, 0, 10, 30, 40, 0.031, 0.002);
    ExpectRecord(2, -5, -5, 5, 5, -1.5, 0.5);
    EXPECT_EQ(doc_.GetTitle(), path_);
}

TEST_F(ObservationReaderTest, CommonCurrentMixingThreeAndFourNumbers) {
    ASSERT_TRUE(Read("COMMON_CURRENT\n1\n0 10 2\n20 30 0.125 0.01\n30 40 0.031\n"));
    EXPECT_TRUE(doc_.defaultErrors);
    ExpectRecord(0, 0, 10, 20, 30, 0.125, 0);
    ExpectRecord(1, 0, 10, 30, 40, 0.031, 0);
}

TEST_F(ObservationReaderTest, CommonCurrentWithCrLfLineEnds) {
    ASSERT_TRUE(Read("COMMON_CURRENT\r\n1\r\n0 10 1\r\n20 30 0.125 0.01\r\n"));
    EXPECT_TRUE(doc_.commonCurrent);
    ExpectRecord(0, 0, 10, 20, 30, 0.125, 0.01);
}

// Twenty valid blocks of one observation each, after a count line.
std::string TwentyBlocks(const std::string& countLine) {
    std::string bytes = "COMMON_CURRENT\n" + countLine + "\n";
    for (int block = 0; block < 20; ++block) {
        bytes += std::to_string(block) + " " + std::to_string(block + 1) + " 1\n";
        bytes += std::to_string(block + 2) + " " + std::to_string(block + 3) + " 1 0.1\n";
    }
    return bytes;
}

TEST_F(ObservationReaderTest, CountLineIsReadWithTheGeneralIntegerConversion) {
    ASSERT_TRUE(Read(TwentyBlocks("010")));  // octal
    EXPECT_EQ(doc_.dataCount, 8);
    ASSERT_TRUE(Read(TwentyBlocks("0x10")));  // hexadecimal
    EXPECT_EQ(doc_.dataCount, 16);
    ASSERT_TRUE(Read(TwentyBlocks("12 and then words")));
    EXPECT_EQ(doc_.dataCount, 12);
    ExpectRecord(11, 11, 12, 13, 14, 1, 0.1);
}

TEST_F(ObservationReaderTest, NobsIsReadWithTheGeneralIntegerConversion) {
    // "2.5" yields the integer 2 and "0x3" is three.
    ASSERT_TRUE(Read("COMMON_CURRENT\n2\n0 1 2.5\n2 3 1\n3 4 1\n5 6 0x3\n7 8 1\n8 9 1\n9 10 1\n"));
    EXPECT_EQ(doc_.dataCount, 5);
    ExpectRecord(4, 5, 6, 9, 10, 1, 0);
}

TEST_F(ObservationReaderTest, LinesAfterTheDeclaredBlocksAreNotRead) {
    ASSERT_TRUE(Read("COMMON_CURRENT\n1\n0 10 1\n20 30 0.125\nnot data at all\n1 2\n"));
    EXPECT_EQ(doc_.dataCount, 1);
    EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(ObservationReaderTest, CommonCurrentMessages) {
    struct Case {
        std::string body;
        std::string line;
        std::string explanation;
    };
    const Case cases[] = {
        {"", "", "\nExpecting # of current locations."},
        {"! nothing but a comment\n", "", "\nExpecting # of current locations."},
        {"two\n", "two", "\nExpecting # of current locations."},
        {"0\n0 10 1\n20 30 1\n", "0", "\nNumber of current locations should be positive."},
        {"-3 ! blocks\n", "-3", "\nNumber of current locations should be positive."},
        {"1\n", "", "\nExpecting xa xb nobs."},
        {"1\n0 10\n20 30 1\n", "0 10", "\nExpecting xa xb nobs."},
        {"1\n0 10 x\n", "0 10 x", "\nExpecting xa xb nobs."},
        {"1\ninf 10 1\n20 30 1\n", "inf 10 1", "\nExpecting xa xb nobs."},
        {"1\n0 1e999 1\n20 30 1\n", "0 1e999 1", "\nExpecting xa xb nobs."},
        {"2\n0 10 1\n20 30 1\n", "", "\nExpecting xa xb nobs."},
        {"1\n0 10 0\n", "0 10 0", "\nNumber of observations should be positive."},
        {"1\n0 10 -1\n20 30 1\n", "0 10 -1", "\nNumber of observations should be positive."},
        {"1\n0 10 1\n20 30\n", "20 30", ""},
        {"1\n0 10 1\n20 thirty 1\n", "20 thirty 1", ""},
        {"1\n0 10 1\n20 30 nan\n", "20 30 nan", ""},
        {"1\n0 10 1\n20 30 1 -1e999\n", "20 30 1 -1e999", ""},
        {"1\n0 10 3\n20 30 1\n30 40 1 ! the third is missing\n", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        prompts_.messages.clear();
        EXPECT_FALSE(Read("COMMON_CURRENT\n" + c.body));
        ExpectFailure(ReadError(c.line, c.explanation));
        EXPECT_TRUE(doc_.commonCurrent);
    }
}

// --- What a failed read leaves ----------------------------------------------------------

class RecordingPropertiesDialog : public CDatProp {
  public:
    explicit RecordingPropertiesDialog(bool& destroyed) : destroyed_(destroyed) {}
    ~RecordingPropertiesDialog() override { destroyed_ = true; }

  private:
    bool& destroyed_;
};

TEST_F(ObservationReaderTest, AFailedReadLeavesNoSurveyButKeepsTheOtherState) {
    ASSERT_TRUE(Read("first survey\n0 10 20 30 1\n", "first.dat"));
    const std::string firstPath = path_;
    doc_.topoX = {0, 10};
    doc_.topoDepth = {1, 2};
    doc_.dataFileName = "chosen.dat";
    doc_.topographyFileName = "chosen.topo";
    doc_.predictedFileName = "chosen.pre";
    doc_.isDC = false;
    doc_.predictedLoaded = true;
    doc_.dataReady = true;
    bool dialogClosed = false;
    doc_.propertiesDialog = std::make_unique<RecordingPropertiesDialog>(dialogClosed);

    EXPECT_FALSE(Read("COMMON_CURRENT\n1\n0 10 2\n20 30 1 0.1\nbad\n", "second.dat"));
    ExpectFailure(ReadError("bad"));
    EXPECT_TRUE(doc_.topoX.empty());
    EXPECT_TRUE(doc_.topoDepth.empty());
    EXPECT_TRUE(dialogClosed);
    EXPECT_EQ(doc_.propertiesDialog, nullptr);
    EXPECT_EQ(doc_.headerLine, "COMMON_CURRENT");
    EXPECT_TRUE(doc_.commonCurrent);
    EXPECT_TRUE(doc_.defaultErrors);  // from the first read
    EXPECT_EQ(doc_.dataFileName, "chosen.dat");
    EXPECT_EQ(doc_.topographyFileName, "chosen.topo");
    EXPECT_EQ(doc_.predictedFileName, "chosen.pre");
    EXPECT_FALSE(doc_.isDC);
    EXPECT_TRUE(doc_.predictedLoaded);
    EXPECT_TRUE(doc_.dataReady);
    EXPECT_EQ(doc_.GetPathName(), firstPath);
}

TEST_F(ObservationReaderTest, AMissingFileStillClearsThePreviousSurvey) {
    ASSERT_TRUE(Read("COMMON_CURRENT\n1\n0 10 1\n20 30 1\n"));
    doc_.topoX = {0, 10};
    doc_.topoDepth = {1, 2};
    const std::string missing = (dir_.path() / "no such file.dat").string();
    EXPECT_FALSE(doc_.ReadDataFile(missing));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0],
              (ShownMessage{"Data file: " + missing + " not found.", MessageKind::Warning}));
    EXPECT_TRUE(doc_.observations.empty());
    EXPECT_EQ(doc_.dataCount, 0);
    EXPECT_TRUE(doc_.topoX.empty());
    EXPECT_TRUE(doc_.topoDepth.empty());
    EXPECT_EQ(doc_.headerLine, "COMMON_CURRENT");
    EXPECT_TRUE(doc_.commonCurrent);
}

TEST_F(ObservationReaderTest, AFolderIsNoDataFile) {
    EXPECT_FALSE(doc_.ReadDataFile(dir_.path().string()));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Data file: " + dir_.path().string() + " not found.");
}

// --- Robustness -------------------------------------------------------------------------

TEST_F(ObservationReaderTest, LinesOfAnyLength) {
    const std::string longTitle(1 << 20, 'T');
    std::string longData = "0 10 20 30 1 0.5";
    while (longData.size() < (1u << 20)) {
        longData += " 7";
    }
    const std::string longBad = "0 10 20 " + std::string(1 << 20, 'x');
    ASSERT_TRUE(Read(longTitle + "\n" + longData + "\n" + std::string(1 << 20, ' ') + "\n" +
                     "1 11 21 31 2 0.25\n"));
    EXPECT_EQ(doc_.headerLine, longTitle);
    EXPECT_EQ(doc_.dataCount, 2);
    ExpectRecord(0, 0, 10, 20, 30, 1, 0.5);

    EXPECT_FALSE(Read("t\n" + longBad + "\n"));
    ExpectFailure(ReadError(longBad));
}

TEST_F(ObservationReaderTest, CrLfLineEndsAndAMissingFinalLineEnd) {
    ASSERT_TRUE(Read("title\r\n0 10 20 30 1 0.5\r\n\r\n! c\r\n1 11 21 31 2 0.25"));
    EXPECT_EQ(doc_.headerLine, "title");
    EXPECT_EQ(doc_.dataCount, 2);
    ExpectRecord(1, 1, 11, 21, 31, 2, 0.25);

    EXPECT_FALSE(Read("title\r\n0 10 20 x\r\n"));
    ExpectFailure(ReadError("0 10 20 x"));
}

TEST_F(ObservationReaderTest, NulBytesEndTheScanButNotTheLine) {
    using namespace std::string_literals;
    ASSERT_TRUE(Read("ti\0tle\n0 10 20 30 1\0 0.5\n"s));
    EXPECT_EQ(doc_.headerLine, "ti\0tle"s);
    EXPECT_TRUE(doc_.defaultErrors);  // the scan saw five numbers
    ExpectRecord(0, 0, 10, 20, 30, 1, 0);

    EXPECT_FALSE(Read("t\n0 10\0 20 30 1 0.5\n"s));
    ExpectFailure(ReadError("0 10\0 20 30 1 0.5"s));
}

TEST_F(ObservationReaderTest, NonAsciiBytesPassThroughUnchanged) {
    ASSERT_TRUE(Read("Profil \xe9t\xe9 \xff\xfe\n0 10 20 30 1 0.5 ! \x80\x81\n"));
    EXPECT_EQ(doc_.headerLine, "Profil \xe9t\xe9 \xff\xfe");
    EXPECT_FALSE(Read("t\n0 10 \xc3\xa9 \xff\n", "\xc3\xa9t\xe9.dat"));
    ExpectFailure(ReadError("0 10 \xc3\xa9 \xff"));
}

}  // namespace
}  // namespace oskava

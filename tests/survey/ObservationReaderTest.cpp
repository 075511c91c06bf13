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

using namespace std::string_literals;
using test::ScriptedPrompts;
using test::ShownMessage;
using test::TempDir;

class ObservationReaderTest : public ::testing::Test {
  protected:
    bool Read(const std::string& bytes, const std::string& name = "survey.dat") {
        path_ = dir_.Write(name, bytes);
        return doc_.ReadDataFile(path_);
    }
    // The read failed with exactly this one warning and left no records.
    void ExpectFailure(const std::string& line, const std::string& explanation = "") {
        ASSERT_EQ(prompts_.messages.size(), 1u);
        EXPECT_EQ(prompts_.messages[0],
                  (ShownMessage{"Error reading data file: \n" + line + "\n" + path_ + explanation,
                                MessageKind::Warning}));
        EXPECT_TRUE(doc_.observations.empty());
        EXPECT_EQ(doc_.dataCount, 0);
        prompts_.messages.clear();
    }
    void ExpectRecord(size_t index, std::vector<double> expected) const {
        ASSERT_LT(index, doc_.observations.size());
        const Cobs& r = doc_.observations[index];
        EXPECT_EQ((std::vector<double>{r.xa, r.xb, r.xm, r.xn, r.datum, r.stdDev}), expected)
            << "record " << index;
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    std::string path_;
};

TEST_F(ObservationReaderTest, GeneralLayoutAsTheCScanReadsIt) {
    // The header is the first line whatever it holds, comments and blanks included.
    // Numbers after the sixth are ignored; "1-2" is two numbers.
    ASSERT_TRUE(
        Read("  0 1 ! 3 % 4 \t\r\n0 10 20 30 0.125 0.004 7 words\n"
             "+1e1 .5 -2.5E-1 0x1p4 7 0.25\n  \t 0 10 20 30 1-2\n"));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(doc_.headerLine, "  0 1 ! 3 % 4 \t");
    EXPECT_EQ(doc_.dataCount, 3);
    EXPECT_FALSE(doc_.commonCurrent);
    EXPECT_FALSE(doc_.defaultErrors);
    ExpectRecord(0, {0, 10, 20, 30, 0.125, 0.004});
    ExpectRecord(1, {10, 0.5, -0.25, 16, 7, 0.25});
    ExpectRecord(2, {0, 10, 20, 30, 1, -2});
    EXPECT_EQ(doc_.GetPathName(), path_);
    EXPECT_EQ(doc_.GetTitle(), path_);  // the whole path, not only the file name
}

TEST_F(ObservationReaderTest, CommentsBlankLinesAndOneMissingStandardDeviation) {
    ASSERT_TRUE(
        Read("title\n! comment line\n\n0 10 20 30 1 0.5 ! after the data\n   \t \v\f\n"
             "% comment line\n1 11 21 31 2 0.25% right after a number\n"
             "2 12 22 32 3!0.125\n3 13 23 33 4 0.5 % percent ! then bang\n"));
    EXPECT_EQ(doc_.dataCount, 4);
    EXPECT_TRUE(doc_.defaultErrors);  // "!0.125" is a comment: every deviation goes
    ExpectRecord(0, {0, 10, 20, 30, 1, 0});
    ExpectRecord(2, {2, 12, 22, 32, 3, 0});
    ExpectRecord(3, {3, 13, 23, 33, 4, 0});
}

TEST_F(ObservationReaderTest, UnreadableLinesAreShownAsTheLineRuleDeliversThem) {
    // Leading white space stays; the comment and the trailing white space go.
    const std::pair<std::string, std::string> cases[] = {
        {"0 10 20 30 abc 0.1", "0 10 20 30 abc 0.1"},   {"0,10,20,30,1", "0,10,20,30,1"},
        {"xa xb xm xn datum", "xa xb xm xn datum"},     {"  \t0 10 20 ! 30 1 0.5", "  \t0 10 20"},
        {"0 10 20 1e999 -0.01", "0 10 20 1e999 -0.01"}, {"nan 10 20 30 1", "nan 10 20 30 1"},
        {"0 10 20 30 1 -inf ", "0 10 20 30 1 -inf"},
    };
    for (const auto& [line, shown] : cases) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(Read("t\n0 10 20 30 1 0.5\n" + line + "\n"));
        ExpectFailure(shown);
    }
}

TEST_F(ObservationReaderTest, NoDataLineAndEmptyFile) {
    EXPECT_FALSE(Read("title\n! only a comment\n\n   \t\n% another\n"));
    ASSERT_EQ(prompts_.Texts(), std::vector<std::string>{"There is no data in \n" + path_});
    EXPECT_EQ(doc_.headerLine, "title");
    prompts_.messages.clear();
    EXPECT_FALSE(Read(""));
    EXPECT_EQ(
        prompts_.messages,
        (std::vector<ShownMessage>{{"There is no data in \n" + path_, MessageKind::Warning}}));
    EXPECT_EQ(doc_.headerLine, "");
}

TEST_F(ObservationReaderTest, CommonCurrentLayout) {
    // Three and four numbers mixed; comments and blank lines between blocks; the
    // count line read as %i (0x2); lines after the declared blocks not read.
    ASSERT_TRUE(
        Read("COMMON_CURRENT\r\n0x2 blocks\n0 10 2.5\n20 30 0.125 0.01\n30 40 0.031 ! c\n"
             "! between blocks\n\n-5 -5 1\n5 5 -1.5 0.5\nnot data at all\n"));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_TRUE(doc_.commonCurrent);
    EXPECT_EQ(doc_.headerLine, "COMMON_CURRENT");
    EXPECT_TRUE(doc_.defaultErrors);
    EXPECT_EQ(doc_.dataCount, 3);
    ExpectRecord(0, {0, 10, 20, 30, 0.125, 0});
    ExpectRecord(1, {0, 10, 30, 40, 0.031, 0});
    ExpectRecord(2, {-5, -5, 5, 5, -1.5, 0});
    EXPECT_EQ(doc_.GetTitle(), path_);

    ASSERT_TRUE(
        Read("COMMON_CURRENT\n010\n"
             "0 1 1\n2 3 1 0.1\n1 2 1\n3 4 1 0.2\n2 3 1\n4 5 1 0.3\n3 4 1\n5 6 1 0.4\n"
             "4 5 1\n6 7 1 0.5\n5 6 1\n7 8 1 0.6\n6 7 1\n8 9 1 0.7\n7 8 1\n9 10 1 0.8\n"));
    EXPECT_EQ(doc_.dataCount, 8);  // octal
    EXPECT_FALSE(doc_.defaultErrors);
    ExpectRecord(7, {7, 8, 9, 10, 1, 0.8});
}

TEST_F(ObservationReaderTest, KeywordWithATrailingBlankOrInLowerCaseMeansGeneralLayout) {
    ASSERT_TRUE(Read("COMMON_CURRENT \n0 10 20 30 1\n"));
    EXPECT_FALSE(doc_.commonCurrent);
    EXPECT_FALSE(Read("common_current\n1\n0 10 1\n20 30 0.5\n"));
    ExpectFailure("1");
}

TEST_F(ObservationReaderTest, CommonCurrentMessages) {
    const std::string count = "\nExpecting # of current locations.";
    const std::string countSign = "\nNumber of current locations should be positive.";
    const std::string block = "\nExpecting xa xb nobs.";
    const std::string nobsSign = "\nNumber of observations should be positive.";
    struct Case {
        std::string body, line, explanation;
    };
    const Case cases[] = {
        {"", "", count},
        {"two\n", "two", count},
        {"0\n0 10 1\n20 30 1\n", "0", countSign},
        {"1\n0 10\n20 30 1\n", "0 10", block},
        {"1\ninf 10 1\n20 30 1\n", "inf 10 1", block},
        {"2\n0 10 1\n20 30 1\n", "", block},
        {"1\n0 10 0\n", "0 10 0", nobsSign},
        {"1\n0 10 1\n20 30\n", "20 30", ""},
        {"1\n0 10 1\n20 30 nan\n", "20 30 nan", ""},
        {"1\n0 10 3\n20 30 1\n30 40 1 ! the third is missing\n", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        EXPECT_FALSE(Read("COMMON_CURRENT\n" + c.body));
        ExpectFailure(c.line, c.explanation);
        EXPECT_TRUE(doc_.commonCurrent);
    }
}

class ClosingDialog : public CDatProp {
  public:
    explicit ClosingDialog(bool& closed) : closed_(closed) {}
    ~ClosingDialog() override { closed_ = true; }

  private:
    bool& closed_;
};

TEST_F(ObservationReaderTest, AFailedReadLeavesNoSurveyButKeepsTheOtherState) {
    ASSERT_TRUE(Read("first survey\n0 10 20 30 1\n", "first.dat"));
    const std::string firstPath = path_;
    doc_.topoX = {0, 10};
    doc_.topoDepth = {1, 2};
    doc_.dataFileName = "chosen.dat";
    bool dialogClosed = false;
    doc_.propertiesDialog = std::make_unique<ClosingDialog>(dialogClosed);

    EXPECT_FALSE(Read("COMMON_CURRENT\n1\n0 10 2\n20 30 1 0.1\nbad\n", "second.dat"));
    ExpectFailure("bad");
    EXPECT_TRUE(doc_.topoX.empty());
    EXPECT_TRUE(doc_.topoDepth.empty());
    EXPECT_TRUE(dialogClosed);
    EXPECT_EQ(doc_.propertiesDialog, nullptr);
    EXPECT_TRUE(doc_.defaultErrors);  // from the first read
    EXPECT_EQ(doc_.dataFileName, "chosen.dat");
    EXPECT_EQ(doc_.GetPathName(), firstPath);

    // A missing file or a folder clears the survey too.
    ASSERT_TRUE(Read("t\n0 10 20 30 1\n"));
    doc_.topoX = {0, 10};
    for (const std::string& missing :
         {(dir_.path() / "no such file.dat").string(), dir_.path().string()}) {
        EXPECT_FALSE(doc_.ReadDataFile(missing));
        EXPECT_EQ(prompts_.messages,
                  (std::vector<ShownMessage>{
                      {"Data file: " + missing + " not found.", MessageKind::Warning}}));
        prompts_.messages.clear();
        EXPECT_TRUE(doc_.observations.empty());
        EXPECT_TRUE(doc_.topoX.empty());
    }
}

TEST_F(ObservationReaderTest, LinesOfAnyLengthLineEndsAndBytes) {
    const std::string longTitle(1 << 20, 'T');
    std::string longData = "0 10 20 30 1 0.5";
    while (longData.size() < (1u << 20)) {
        longData += " 7";
    }
    ASSERT_TRUE(Read(longTitle + "\r\n" + longData + "\r\n" + std::string(1 << 20, ' ') +
                     "\r\n\r\n! c\r\n1 11 21 31 2 0.25"));
    EXPECT_EQ(doc_.headerLine, longTitle);
    EXPECT_EQ(doc_.dataCount, 2);
    ExpectRecord(0, {0, 10, 20, 30, 1, 0.5});
    ExpectRecord(1, {1, 11, 21, 31, 2, 0.25});
    const std::string longBad = "0 10 20 " + std::string(1 << 20, 'x');
    EXPECT_FALSE(Read("t\n" + longBad + "\n"));
    ExpectFailure(longBad);

    // A NUL byte ends the scan but not the line; other bytes pass through unchanged.
    ASSERT_TRUE(Read("ti\0tle \xe9\xff\n0 10 20 30 1\0 0.5 ! \x80\n"s));
    EXPECT_EQ(doc_.headerLine, "ti\0tle \xe9\xff"s);
    EXPECT_TRUE(doc_.defaultErrors);  // the scan saw five numbers
    EXPECT_FALSE(Read("t\n0 10\0 20 30 1 0.5\n"s, "\xc3\xa9t\xe9.dat"));
    ExpectFailure("0 10\0 20 30 1 0.5"s);
}

}  // namespace
}  // namespace oskava

// The observation file reader: both layouts, the next-data-line rule, the C scan's
// reading of numbers, every message, and what a failed read leaves behind.
#include <string>

#include "support/SurveyFixture.h"

namespace oskava {
namespace {

using Rows = std::vector<std::vector<double>>;

class ObservationReaderTest : public test::SurveyFixture {
  protected:
    bool Read(const std::string& bytes, const std::string& name = "survey.dat") {
        path = dir.Write(name, bytes);
        return doc.ReadDataFile(path);
    }
    // Positions, datum and standard deviation of every record.
    Rows Records() const {
        Rows rows;
        for (const Cobs& r : doc.observations) {
            rows.push_back({r.xa, r.xb, r.xm, r.xn, r.datum, r.stdDev});
        }
        return rows;
    }
    // The read failed with exactly this one warning and left no records.
    void ExpectFailure(const std::string& line, const std::string& explanation = "") {
        EXPECT_EQ(Shown(),
                  Warning("Error reading data file: \n" + line + "\n" + path + explanation));
        EXPECT_TRUE(doc.observations.empty());
        EXPECT_EQ(doc.dataCount, 0);
    }
    std::string path;
};

TEST_F(ObservationReaderTest, BothLayoutsAsTheCScanReadsThem) {
    // The header is the first line whatever it holds; numbers after the sixth are
    // ignored; "1-2" is two numbers; comments and blank lines are skipped.
    ASSERT_TRUE(
        Read("  0 1 ! 3 % 4 \t\r\n0 10 20 30 0.125 0.004 7 words\n! comment\n\n   \t \v\f\n"
             "% comment\n+1e1 .5 -2.5E-1 0x1p4 7 0.25% after\n  \t 0 10 20 30 1-2 ! c\n"));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(doc.headerLine, "  0 1 ! 3 % 4 \t");
    EXPECT_EQ(doc.dataCount, 3);
    EXPECT_FALSE(doc.commonCurrent || doc.defaultErrors);
    EXPECT_EQ(Records(), (Rows{{0, 10, 20, 30, 0.125, 0.004},
                               {10, 0.5, -0.25, 16, 7, 0.25},
                               {0, 10, 20, 30, 1, -2}}));
    EXPECT_EQ(doc.GetPathName(), path);
    // One line without a deviation ("!0.125" is a comment): every deviation goes.
    ASSERT_TRUE(Read("title\n0 10 20 30 1 0.5\n2 12 22 32 3!0.125\n"));
    EXPECT_TRUE(doc.defaultErrors);
    EXPECT_EQ(Records(), (Rows{{0, 10, 20, 30, 1, 0}, {2, 12, 22, 32, 3, 0}}));
    // Only the exact keyword line means the other layout.
    ASSERT_TRUE(Read("COMMON_CURRENT \n0 10 20 30 1\n"));
    EXPECT_FALSE(doc.commonCurrent);

    // Three and four numbers mixed; comments and blank lines between blocks; the
    // count line read as %i (0x2); lines after the declared blocks not read.
    ASSERT_TRUE(
        Read("COMMON_CURRENT\r\n0x2 blocks\n0 10 2.5\n20 30 0.125 0.01\n30 40 0.031 ! c\n"
             "! between blocks\n\n-5 -5 1\n5 5 -1.5 0.5\nnot data at all\n"));
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(doc.commonCurrent && doc.defaultErrors);
    EXPECT_EQ(doc.headerLine, "COMMON_CURRENT");
    EXPECT_EQ(
        Records(),
        (Rows{{0, 10, 20, 30, 0.125, 0}, {0, 10, 30, 40, 0.031, 0}, {-5, -5, 5, 5, -1.5, 0}}));
}

TEST_F(ObservationReaderTest, EveryMessageWithTheLineAsTheLineRuleDeliversIt) {
    // Leading white space stays; the comment and the trailing white space go.
    const std::string count = "\nExpecting # of current locations.";
    const std::string cc = "COMMON_CURRENT\n";
    const struct {
        std::string file, line, explanation;
    } cases[] = {
        {"t\n0 10 20 30 1 0.5\n0 10 20 30 abc 0.1\n", "0 10 20 30 abc 0.1", ""},
        {"t\n  \t0 10 20 ! 30 1 0.5\n", "  \t0 10 20", ""},
        {"t\n0 10 20 30 1 -inf \n", "0 10 20 30 1 -inf", ""},
        {cc, "", count},
        {cc + "0\n0 10 1\n20 30 1\n", "0", "\nNumber of current locations should be positive."},
        {cc + "1\ninf 10 1\n20 30 1\n", "inf 10 1", "\nExpecting xa xb nobs."},
        {cc + "1\n0 10 0\n", "0 10 0", "\nNumber of observations should be positive."},
        {cc + "1\n0 10 1\n20 30 nan\n", "20 30 nan", ""},
        {cc + "1\n0 10 3\n20 30 1\n30 40 1 ! the third is missing\n", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        // A failed read leaves no survey: no profile, no Data Properties window.
        doc.topoX = doc.topoDepth = {0, 10};
        doc.propertiesDialog = std::make_unique<CDatProp>();
        EXPECT_FALSE(Read(c.file));
        ExpectFailure(c.line, c.explanation);
        EXPECT_TRUE(doc.topoX.empty() && doc.topoDepth.empty() && !doc.propertiesDialog);
    }
    for (const std::string empty : {"title\n! only a comment\n\n   \t\n% another\n", ""}) {
        EXPECT_FALSE(Read(empty));
        EXPECT_EQ(Shown(), Warning("There is no data in \n" + path));
        EXPECT_EQ(doc.headerLine, empty.substr(0, empty.find('\n')));
    }
}

// A file large enough to be read in parts on several cores gives the records of reading
// it line after line: lines of every kind on both sides of where the parts are cut, a
// last line without its end, one line without a deviation far from the start, and of
// two unreadable lines the first is the one shown.
TEST_F(ObservationReaderTest, ALargeFileReadInPartsGivesTheRecordsOfReadingLineByLine) {
    std::string body;
    Rows expected;
    for (int i = 0; i < 40000; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 4) {
            case 0:
                body += n + " 1 2 3 " + n + ".5 0.25\n";
                expected.push_back({double(i), 1, 2, 3, i + 0.5, 0.25});
                break;
            case 1:
                body += "  " + n + " 1 2 3 -" + n + " 0.5 ! c\r\n";
                expected.push_back({double(i), 1, 2, 3, -double(i), 0.5});
                break;
            case 2:
                body += "% comment " + n + "\n\r\n \t\r\n";
                break;
            default:
                body += n + " 1 2 3 1e-3 0x1p-3\n";
                expected.push_back({double(i), 1, 2, 3, 1e-3, 0.125});
                break;
        }
    }
    ASSERT_TRUE(Read("title\n" + body + "7 8 9 10 11 12"));
    expected.push_back({7, 8, 9, 10, 11, 12});
    EXPECT_FALSE(doc.defaultErrors);
    EXPECT_EQ(Records(), expected);
    EXPECT_EQ(doc.dataCount, static_cast<int32_t>(expected.size()));

    const size_t late = body.rfind('\n', body.size() * 7 / 8) + 1;
    ASSERT_TRUE(Read("title\n" + body.substr(0, late) + "5 6 7 8 9\n" + body.substr(late)));
    EXPECT_TRUE(doc.defaultErrors);
    EXPECT_EQ(doc.observations.size(), expected.size());

    const size_t early = body.find('\n', body.size() / 8) + 1;
    const std::string bad = body.substr(0, early) + "0 1 2 3 4 5 six\n1 2 x 4 5\n" +
                            body.substr(early, late - early) + "9 9 9 y 9 9\n" + body.substr(late);
    EXPECT_FALSE(Read("title\n" + bad));
    ExpectFailure("1 2 x 4 5");
    EXPECT_FALSE(Read("title\n" + body.substr(0, late) + "9 9 9 y 9 9 % c\n" + body.substr(late)));
    ExpectFailure("9 9 9 y 9 9");
}

}  // namespace
}  // namespace oskava

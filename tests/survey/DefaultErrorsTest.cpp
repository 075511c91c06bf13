// Default standard deviations from an inversion log's table.
#include <filesystem>

#include "support/SurveyFixture.h"

namespace oskava {
namespace {

class DefaultErrors : public test::SurveyFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(doc.ReadDataFile(
            dir.Write("survey.dat", "title\n0 1 2 3 -0.1\n0 1 3 4 -0.2\n0 1 4 5 -0.3\n")));
    }
    std::vector<double> StdDevs() const {
        std::vector<double> values;
        for (const Cobs& record : doc.observations) {
            values.push_back(record.stdDev);
        }
        return values;
    }
};

TEST_F(DefaultErrors, SixthNumberOfEachTableLineAfterTheHeader) {
    const std::string log = dir.Write("run.log",
                                      "Inversion of line 4\n"
                                      "1 2 3 4 5 6\n"
                                      "Table of the Default Errors:\n"
                                      "  a b m n d err\n"
                                      "0 1 2 3 -0.1 0.01 extra 99\r\n"
                                      "0 1 3 4 -0.2\n"
                                      "0 1 4 5 -0.3 0.03\n"
                                      "0 1 5 6 -0.4 0.04\n"
                                      "not a table line\n");
    doc.observations[1].stdDev = 0.5;
    EXPECT_TRUE(doc.ReadDefaultErrors(log));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(StdDevs(), (std::vector<double>{0.01, 0.5, 0.03}));
    EXPECT_TRUE(doc.defaultErrors);

    EXPECT_TRUE(doc.ReadDefaultErrors(dir.Write(
        "odd.log", "Default Errors\nh\n0 1 2 3 -0.1 nan\n0 1 3 4 -0.2 1e999\n0 1 4 5 -0.3 0.3\n")));
    EXPECT_EQ(StdDevs(), (std::vector<double>{0.01, 0.5, 0.3}));
}

TEST_F(DefaultErrors, LogWithoutTheTableOrWithAShortOne) {
    const std::string log = dir.Write("run.log", "default errors\n1 2 3 4 5 6\n");
    EXPECT_TRUE(doc.ReadDefaultErrors(log));
    EXPECT_EQ(Shown(), Warning("Default errors table not found in log file: \n" + log +
                               "\nThe data keep their standard deviations."));
    EXPECT_EQ(StdDevs(), (std::vector<double>{0, 0, 0}));

    // A path longer than any fixed buffer comes out whole.
    std::filesystem::create_directory(dir.path() / std::string(200, 'd'));
    const std::string shortLog =
        dir.Write(std::string(200, 'd') + "/" + std::string(120, 'l') + ".log",
                  "Default Errors\nheader\n0 1 2 3 -0.1 0.01\n0 1 3 4 -0.2 0.02");
    EXPECT_TRUE(doc.ReadDefaultErrors(shortLog));
    EXPECT_EQ(Shown(), Warning("Default errors table incomplete in log file: \n" + shortLog +
                               "\nOnly 2 of 3 data have a default error."));
    EXPECT_EQ(StdDevs(), (std::vector<double>{0.01, 0.02, 0}));
}

}  // namespace
}  // namespace oskava

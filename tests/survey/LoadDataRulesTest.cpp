// The Load Data dialog's checks, in their order, and what a drop puts in a box.
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "survey/LoadDataRules.h"

namespace oskava {
namespace {

TEST(LoadDataRules, FirstFailingCheckInOrderWithItsMessageAndFocus) {
    test::TempDir dir;
    const std::string data = dir.Write("line 1 é.dat", "t\n");
    const std::string topo = dir.Write("hill.topo", "2 0");
    const std::string folder = dir.path().string();
    const std::string gone = (dir.path() / "gone.dat").string();
    struct Case {
        LoadDataFields fields;
        std::optional<bool> type;
        std::string message;
        LoadDataFocus focus;
    };
    const Case cases[] = {
        {{data, "", "", true},
         std::nullopt,
         "DC or IP data type should be checked.",
         LoadDataFocus::Unchanged},
        {{"", gone, gone, true}, true, "Data file is missing.", LoadDataFocus::Unchanged},
        {{gone, gone, gone, true},
         false,
         "Data file:\n" + gone + "\nnot found.",
         LoadDataFocus::DataFile},
        {{data, gone, gone, true},
         true,
         "Data file:\n" + gone + "\nnot found.",
         LoadDataFocus::PredictedFile},
        {{data, "", gone, true},
         true,
         "Topography file:\n" + gone + "\nnot found.",
         LoadDataFocus::TopographyFile},
        {{data, data, topo, false}, true, "", LoadDataFocus::Unchanged},
        {{folder, "", "", true}, false, "", LoadDataFocus::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        LoadDataFields fields = c.fields;
        const LoadDataRefusal refusal = CheckLoadData(fields, c.type);
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.focus, c.focus);
        if (c.type) {
            EXPECT_EQ(fields.isDC, *c.type);
        }
    }
}

TEST(LoadDataRules, DropTakesTheFirstLocalFileWholeAndSelectsItsName) {
    const std::string longPath = "/data/" + std::string(700, 'x') + "/line 4.dat";
    EXPECT_EQ(DroppedFileName({{true, longPath}, {true, "/b.dat"}}), longPath);
    EXPECT_EQ(DroppedFileName({{false, "https://example.org/a.dat"}, {true, "/b.dat"}}),
              std::nullopt);
    EXPECT_EQ(DroppedFileName({}), std::nullopt);

    EXPECT_EQ(FileNamePartStart("/data/line 4/é.dat"), 13u);
    EXPECT_EQ(FileNamePartStart("C:\\surveys\\a.dat"), 11u);
    EXPECT_EQ(FileNamePartStart("dir\\sub/a.dat"), 8u);
    EXPECT_EQ(FileNamePartStart("survey.dat"), 0u);
}

}  // namespace
}  // namespace oskava

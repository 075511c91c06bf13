// Files that import refuses, each with the message that names the file and says why,
// and the lines it passes over, named with their reasons.
#include <gtest/gtest.h>

#include <string>

#include "formats/Import.h"
#include "support/TempDir.h"

namespace oskava {
namespace {

struct Refusal {
    std::string bytes;
    std::optional<ForeignFormat> format;
    bool ip;
    std::string message;  // after "PATH: "
};

TEST(RefusalsTest, EachRefusalNamesTheFileAndWhy) {
    using F = ForeignFormat;
    const char kUnified[] = "4\n#x\n0\n1\n2\n3\n1\n#a b m n r\n1 2 3 4 0.5\n";
    const char kGeneral[] = "t\n0.5\n11\n0\n1\n2\n1\n0\n";
    const char kNumberTitled[] =
        "12\n1.0\n11\n0\nType of measurement\n1\n1\n1\n0\nError estimate\nType\n0\n"
        "4 0 0 1 0 2 0 3 0 -5.3 0.16\n0\n";
    const char kSyscal[] = "El-array,xA (m),xB (m),xM (m),xN (m),VMN (mV),IAB (mA)";
    const std::vector<Refusal> refusals = {
        {"", {}, false, "the file is empty."},
        {" \n\t\r\n", {}, false, "the file is empty."},
        {"title\n0 10 20 30 0.1\n", {}, false, "not a file in a known format"},
        {kUnified, F::Syscal, false,
         "no header line with the column El-array: not a Syscal text export."},
        // A Res2DInv file with a numeric title, named unified, is not read as Res2DInv.
        {kNumberTitled, F::Unified, false,
         "line 5: expected the position of electrode 4:\nType of measurement"},
        {"2\n# x z\n0 0\n1 0\n", {}, false, "the file ends before the number of data."},
        {"2\n# x z\n0 0\n1 q\n", {}, false, "line 4: expected the position of electrode 2:\n1 q"},
        {"2\n0\n1\n0\n", {}, false, "its data count is 0: the file holds no data."},
        {"4\n#x\n0\n1\n2\n3\n3\n#a b m n r\n1 2 3 4 0.5\n",
         {},
         false,
         "the file ends before the 3 data its count promises (1 found)."},
        {"4\n#x\n0\n1\n2\n3\n1\n1 2 3 4 0.5\n",
         {},
         false,
         "line 8: expected the names of the data columns (a line that starts with #):\n1 2 3 "
         "4 0.5"},
        {"4\n#x\n0\n1\n2\n3\n1\n#a b m r\n1 2 3 0.5\n",
         {},
         false,
         "the data table has no n column."},
        {"4\n#x\n0\n1\n2\n3\n1\n#a b m n k\n1 2 3 4 0.5\n",
         {},
         false,
         "the data table has no resistance (r), voltage and current (u, i) or apparent "
         "resistivity (rhoa)."},
        {"4\n#x\n0\n1\n2\n3\n1\n#a b m n r\n1 1 3 4 0.5\n",
         {},
         false,
         "no line gives a datum (1 skipped):\nline 9: A "
         "and B at the same position"},
        {kUnified, {}, true, "the data table has no IP column (ip, phase or phi)."},
        {"4\n#x\n0\n1\n2\n3\n1\n#a b m n r ip\n1 2 3 4 0.5 0\n",
         {},
         true,
         "its IP values are 0 in every line: the file holds no IP data."},
        {"4\n# x y z\n0 0 0\n1 0 0\n2 1 0\n3 0 0\n1\n#a b m n r\n1 2 3 4 0.5\n",
         {},
         false,
         "the electrodes are not on one line (y = 0 and y = 1).\nThree-dimensional surveys "
         "are not read."},
        {"t\n1\n1\n0\n0\n0\n", {}, false, "its data count is 0: the file holds no data."},
        {"t\n1\n1\n3\n0\n0\n0 1 100\n",
         {},
         false,
         "the file ends before the 3 data lines its count promises (1 found)."},
        {"t\n1\n1\n1\n3\n0\n0 1 100\n",
         {},
         false,
         "line 5: expected the x-location type 0 (first electrode) or 1 (mid-point):\n3"},
        {"t\n1\n6\n1\n1\n0\n0 1 1 100\n",
         {},
         false,
         "pole-dipole data with mid-point x-locations are not read: programs place the "
         "mid-point of a pole-dipole differently."},
        {"t\n1\n1\n1\n0\n0\n0 1 100\n",
         {},
         true,
         "the file holds no IP values (its IP flag is 0)."},
        {"t\n1\n3\n1\n0\n0\n0 1 1 100\n2\n2\n0,0\n1,1\n",
         {},
         false,
         "the ground rises by 1 m over 1 m along it at x = 1."},
        {"t\n1\n3\n1\n0\n0\n0 1 1 100\n1\n3\n0,0\n",
         {},
         false,
         "the file ends before the 3 topography points its count promises."},
        {std::string(kGeneral) + "4 0 0 1 0 2 0 3 0 1\n4 0 1 1 0 2 0 3 0 1\n",
         {},
         false,
         "two electrodes at x = 0 have the elevations 0 and 1.\nOnly surveys on the ground "
         "surface are read."},
        {std::string(kSyscal) + "\n", {}, false, "the file holds a header line and no readings."},
        {std::string(kSyscal) + ",Depth A (m),Depth B (m),Depth M (m),Depth N (m)\n"
                                "W,0,1,2,3,-10,100,0,0,1.5,0\n",
         {},
         false,
         "line 2: electrode M lies 1.5 m below the surface.\nOnly surveys on the ground "
         "surface are read."},
        {std::string(kSyscal) + "\nW,0,1,2,3,-10,100\n",
         {},
         true,
         "the file holds no IP values (no column M)."},
    };
    test::TempDir dir;
    Progress silent;
    for (size_t i = 0; i < refusals.size(); ++i) {
        const Refusal& r = refusals[i];
        const std::string path = dir.Write("case" + std::to_string(i), r.bytes);
        std::string expected = path + ": " + r.message;
        for (size_t at = expected.find("PATH"); at != std::string::npos;
             at = expected.find("PATH")) {
            expected.replace(at, 4, path);
        }
        EXPECT_EQ(ImportSurvey(path, r.format, r.ip, silent).error, expected) << "case " << i;
    }
}

TEST(RefusalsTest, LinesWithoutDatumAreNamedWithTheirReasons) {
    test::TempDir dir;
    const std::string path =
        dir.Write("skips.dat",
                  "# A title\n4\n#x\n0\n1\n2\n3\n10\n#a b m n u/mV i/mA err\n1 2 3 4 1 2 0.1\n"
                  "5 2 3 4 1 2 0.1\n1.5 2 3 4 1 2 0.1\n0 0 3 4 1 2 0.1\n1 2 0 0 1 2 0.1\n"
                  "1 2 3 4 nan 2 0.1\n1 2 3 4 1 0 0.1\n1 2 3 x 1 2 0.1\n1 2 3 4 1 2\n"
                  "1 2 3 4 " +
                      std::string(64, '1') + " 2 0.1\n0\nmore\n");
    Progress silent;
    const ImportedSurvey survey = ImportSurvey(path, std::nullopt, false, silent);
    ASSERT_EQ(survey.error, "");
    EXPECT_EQ(survey.title, "A title");
    ASSERT_EQ(survey.data.size(), 2u);
    EXPECT_EQ(survey.data[0].value, 0.5);
    EXPECT_FALSE(survey.hasStdDev);
    EXPECT_EQ(ImportInformation(survey, "OUT is written"),
              "2 data read, 8 skipped (lines of " + path +
                  " that give no datum):\nline 11: electrode 5 is not in the list of "
                  "4\nline 12: 1.5 is not an electrode number\nline 13: no current electrode\n"
                  "line 14: no potential electrode\nline 15: not a finite number: nan\nline 16: "
                  "the current is 0\nline 17: not a number: x\nline 19: not a number: " +
                  std::string(64, '1') +
                  "\n1 datum has no usable error (0 or missing); OUT is written without "
                  "standard deviations.\n" +
                  path + " goes on after the survey at line 21; that part is not read.");
    // A line whose IP value and IP error are both unreadable is named by its IP value.
    const std::string ip =
        dir.Write("ip.dat",
                  "t\n3\n11\n7\nType\n0\n2\n2\n1\nChargeability\nmV/V\n0.12,1.0\nError\n"
                  "Type\n0\n4 0 0 9 0 3 0 6 0 108 5.4 12 0.4\n4 0 0 9 0 3 0 6 0 108 5.4 x y\n0\n");
    EXPECT_EQ(ImportInformation(ImportSurvey(ip, ForeignFormat::Res2DInv, true, silent), ""),
              "1 data read, 1 skipped (lines of " + ip +
                  " that give no datum):\nline 17: not a number: x");
}

}  // namespace
}  // namespace oskava

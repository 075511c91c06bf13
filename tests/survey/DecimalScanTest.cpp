// The data-line scan gives what the C scan gives, on plain numbers (the fast path) and
// on every form the fast path leaves to the scan.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "survey/DecimalScan.h"

namespace oskava {
namespace {

TEST(DecimalScanTest, SameCountAndBitsAsTheCScan) {
    const std::string lines[] = {"0 10 20 30 -0.0123457 0.000380371",
                                 "  12.5\t-3e2 +.5 7. 1E-22 0",
                                 "-0 +0 0.0 -0.0",
                                 "9007199254740993 1e22 1e23 123456789012345678901",
                                 "0.1 0.2 0.3 1.7976931348623157e308",
                                 "1 2 3 4 5 6 7 8",
                                 "1 2 3 4 5",
                                 "1 2 3 four",
                                 "1.5e+ 2",
                                 "1e 2",
                                 "0x10 010 nan inf",
                                 "1e999 -1e-400",
                                 "1,5 2",
                                 "1 2\v3\f4\r5",
                                 "",
                                 "   ",
                                 "1 2 3 4 5 6abc",
                                 ".",
                                 "+ 1",
                                 "4.94e-324 2.2250738585072014e-308",
                                 std::string("1 2\0 3 4 5", 10)};
    const char* formats[] = {"%lf",
                             "%lf %lf",
                             "%lf %lf %lf",
                             "%lf %lf %lf %lf",
                             "%lf %lf %lf %lf %lf",
                             "%lf %lf %lf %lf %lf %lf"};
    for (const std::string& line : lines) {
        for (int count = 1; count <= 6; ++count) {
            double fast[6] = {-7, -7, -7, -7, -7, -7};
            double scanned[6] = {-7, -7, -7, -7, -7, -7};
            const int read = ScanReals(line, fast, count);
            const int expected =
                std::sscanf(line.c_str(), formats[count - 1], &scanned[0], &scanned[1], &scanned[2],
                            &scanned[3], &scanned[4], &scanned[5]);
            EXPECT_EQ(read, expected < 0 ? 0 : expected) << line << " / " << count;
            EXPECT_EQ(std::memcmp(fast, scanned, sizeof fast), 0) << line << " / " << count;
        }
    }
}

TEST(DecimalScanTest, PlainNumbersNeedNoCScan) {
    double values[6] = {};
    int converted = 0;
    ASSERT_TRUE(ScanPlainReals("0 10 -0.0123457 1e5 .5 -0", values, 6, converted));
    EXPECT_EQ(converted, 6);
    EXPECT_EQ(values[2], -0.0123457);
    EXPECT_TRUE(std::signbit(values[5]));
    EXPECT_FALSE(ScanPlainReals("1 2 0x10", values, 3, converted));
    EXPECT_FALSE(ScanPlainReals("1 1e23", values, 2, converted));
}

}  // namespace
}  // namespace oskava

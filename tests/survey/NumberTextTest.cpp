// Numbers and text: the data-line scan gives what the C scan gives, bit for bit, on
// plain numbers (its fast path) and on every form the fast path leaves to the C scan;
// C-style formatting gives texts of any length whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "survey/CFormat.h"
#include "survey/DecimalScan.h"

namespace oskava {
namespace {

using namespace std::string_literals;

TEST(DecimalScanTest, SameCountAndBitsAsTheCScan) {
    // One case a line: plain numbers, signs and zeros, the edges of exact decimal
    // conversion, words, half numbers, other bases, overflow, underflow, other blanks,
    // an empty and a blank line, and a NUL byte.
    std::istringstream lines(
        "0 10 20 30 -0.0123457 0.000380371\n  12.5\t-3e2 +.5 7. 1E-22 0\n-0 +0 0.0 -0.0\n"
        "9007199254740993 1e22 1e23 123456789012345678901\n0.1 0.2 0.3 1.7976931348623157e308\n"
        "1 2 3 4 5 6 7 8\n1 2 3 4 5\n1 2 3 four\n1.5e+ 2\n1e 2\n0x10 010 nan inf\n"
        "1e999 -1e-400\n1,5 2\n1 2\v3\f4\r5\n\n   \n1 2 3 4 5 6abc\n.\n+ 1\n1-2\n"
        "4.94e-324 2.2250738585072014e-308\n1 2\0 3 4 5"s);
    for (std::string line; std::getline(lines, line);) {
        std::string format = "%lf";
        for (int count = 1; count <= 6; ++count, format += " %lf") {
            double fast[6] = {-7, -7, -7, -7, -7, -7};
            double scanned[6] = {-7, -7, -7, -7, -7, -7};
            const int read = ScanReals(line, fast, count);
            const int expected = std::sscanf(line.c_str(), format.c_str(), &scanned[0], &scanned[1],
                                             &scanned[2], &scanned[3], &scanned[4], &scanned[5]);
            EXPECT_EQ(read, expected < 0 ? 0 : expected) << line << " / " << count;
            EXPECT_EQ(std::memcmp(fast, scanned, sizeof fast), 0) << line << " / " << count;
        }
    }
}

// Reading a survey's plain numbers needs no C scan: exponents, signs and leading
// points stay on the fast path.
TEST(DecimalScanTest, PlainNumbersTakeTheFastPath) {
    double values[6] = {};
    int converted = 0;
    ASSERT_TRUE(ScanPlainReals("0 10 -0.0123457 1e5 .5 -0", values, 6, converted));
    EXPECT_EQ(converted, 6);
}

// The texts around the length of the fixed first buffer come out whole.
TEST(CFormatTest, TextsOfEveryLengthComeOutWhole) {
    for (const size_t length : {0, 1, 254, 255, 256, 257, 4000}) {
        const std::string text(length, 'p');
        EXPECT_EQ(CFormat("%s", text.c_str()), text) << length;
        EXPECT_EQ(CFormat("%s%d", text.c_str(), 7), text + "7") << length;
    }
    EXPECT_EQ(CFormat("%10.2f|%.5e|%g", -1.005, 0.125, 1e-7), "     -1.00|1.25000e-01|1e-07");
}

}  // namespace
}  // namespace oskava

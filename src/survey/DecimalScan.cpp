// The fast path converts a decimal number whose digits form an integer m of at most
// 2^53 and whose power of ten e lies within 10^22: both are exact doubles, so m * 10^e
// or m / 10^-e is one correctly rounded operation, which is what the C library's
// conversion gives. Every other number (more digits, larger exponents, hex, nan, inf,
// a locale with another decimal point) goes to the C scan, as does a line where a
// number runs into other characters.
#include "survey/DecimalScan.h"

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace oskava {

namespace {

constexpr uint64_t kExactMantissa = uint64_t{1} << 53;
constexpr int kExactPower = 22;
constexpr double kPowersOfTen[kExactPower + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The white space of the C locale; other bytes end the fast path.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts one plain number at p, moving p past it; false when it is not plain or not
// exactly convertible here.
bool PlainNumber(const char*& p, double& value) {
    const char* s = p;
    const bool negative = *s == '-';
    if (*s == '+' || *s == '-') {
        ++s;
    }
    uint64_t mantissa = 0;
    int digits = 0;  // significant digits in mantissa
    int power = 0;   // value = mantissa * 10^power
    bool anyDigit = false;
    auto take = [&](char c) {
        anyDigit = true;
        if (mantissa == 0 && c == '0') {
            return true;  // leading zeros carry nothing
        }
        if (++digits > 19) {
            return false;
        }
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
        return true;
    };
    for (; IsDigit(*s); ++s) {
        if (!take(*s)) {
            return false;
        }
    }
    if (*s == '.') {
        for (++s; IsDigit(*s); ++s) {
            if (!take(*s)) {
                return false;
            }
            --power;
        }
    }
    if (!anyDigit) {
        return false;
    }
    if (*s == 'e' || *s == 'E') {
        ++s;
        const bool negativeExponent = *s == '-';
        if (*s == '+' || *s == '-') {
            ++s;
        }
        if (!IsDigit(*s)) {
            return false;
        }
        int exponent = 0;
        for (; IsDigit(*s); ++s) {
            if (exponent > 1000) {
                return false;
            }
            exponent = exponent * 10 + (*s - '0');
        }
        power += negativeExponent ? -exponent : exponent;
    }
    if (*s != '\0' && !IsSpace(*s)) {
        return false;
    }
    double magnitude = 0;
    if (mantissa != 0) {
        if (mantissa > kExactMantissa || power > kExactPower || power < -kExactPower) {
            return false;
        }
        const double m = static_cast<double>(mantissa);
        magnitude = power >= 0 ? m * kPowersOfTen[power] : m / kPowersOfTen[-power];
    }
    value = negative ? -magnitude : magnitude;
    p = s;
    return true;
}

bool ScanPlainNumbers(const char* text, double* values, int count, int& converted) {
    double found[6];
    const char* p = text;
    int n = 0;
    for (; n < count; ++n) {
        while (IsSpace(*p)) {
            ++p;
        }
        if (*p == '\0') {
            break;  // the scan stops at the end of its input
        }
        if (!PlainNumber(p, found[n])) {
            return false;
        }
    }
    std::memcpy(values, found, sizeof(double) * static_cast<size_t>(n));
    converted = n;
    return true;
}

}  // namespace

bool DecimalPointIsDot() {
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && std::strcmp(point, ".") == 0;
}

bool ScanPlainReals(const char* text, double* values, int count, int& converted) {
    return DecimalPointIsDot() && ScanPlainNumbers(text, values, count, converted);
}

int ScanReals(const std::string& line, double* values, int count) {
    return ScanReals(line.c_str(), values, count, DecimalPointIsDot());
}

int ScanReals(const char* line, double* values, int count, bool decimalPointIsDot) {
    if (count < 1 || count > 6) {
        return 0;
    }
    int converted = 0;
    if (decimalPointIsDot && ScanPlainNumbers(line, values, count, converted)) {
        return converted;
    }
    static const char* const kFormats[6] = {"%lf",
                                            "%lf %lf",
                                            "%lf %lf %lf",
                                            "%lf %lf %lf %lf",
                                            "%lf %lf %lf %lf %lf",
                                            "%lf %lf %lf %lf %lf %lf"};
    // Six places whatever the count: the scan fills only count of them.
    double scanned[6];
    std::memcpy(scanned, values, sizeof(double) * static_cast<size_t>(count));
    const int result = std::sscanf(line, kFormats[count - 1], &scanned[0], &scanned[1], &scanned[2],
                                   &scanned[3], &scanned[4], &scanned[5]);
    std::memcpy(values, scanned, sizeof(double) * static_cast<size_t>(count));
    return result < 0 ? 0 : result;
}

}  // namespace oskava

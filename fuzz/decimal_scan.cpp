// The fast path of the data-line scan against the C scan it stands in for: on any
// line, for every number of reals a layout asks for, the same count and the same bits
// in every value, converted or left alone.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "survey/DecimalScan.h"

namespace {

// A value the scan cannot produce, so that an untouched place shows.
constexpr double kUntouched = -1234.5678;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    static const char* const kFormats[6] = {"%lf",
                                            "%lf %lf",
                                            "%lf %lf %lf",
                                            "%lf %lf %lf %lf",
                                            "%lf %lf %lf %lf %lf",
                                            "%lf %lf %lf %lf %lf %lf"};
    for (int count = 1; count <= 6; ++count) {
        double fast[6], scanned[6];
        for (int i = 0; i < 6; ++i) {
            fast[i] = scanned[i] = kUntouched;
        }
        int converted = 0;
        if (!oskava::ScanPlainReals(line.c_str(), fast, count, converted)) {
            continue;
        }
        const int result = std::sscanf(line.c_str(), kFormats[count - 1], &scanned[0], &scanned[1],
                                       &scanned[2], &scanned[3], &scanned[4], &scanned[5]);
        FUZZ_CHECK(converted == (result < 0 ? 0 : result));
        FUZZ_CHECK(std::memcmp(fast, scanned, sizeof fast) == 0);
    }
    return 0;
}

#include "survey/Misfit.h"

#include <cmath>

namespace oskava {

double DataMisfit(const std::vector<Cobs>& observations) {
    double misfit = 0;
    for (const Cobs& record : observations) {
        // Without a standard deviation a datum that equals its prediction (0 / 0) adds
        // nothing, while one that differs from it (x / 0) makes the misfit infinite.
        if (!std::isnan(record.normalizedDiff)) {
            misfit += record.normalizedDiff * record.normalizedDiff;
        }
    }
    return misfit;
}

}  // namespace oskava

#include "survey/Misfit.h"

namespace oskava {

double DataMisfit(const std::vector<Cobs>& observations) {
    double misfit = 0;
    for (const Cobs& record : observations) {
        misfit += record.normalizedDiff * record.normalizedDiff;
    }
    return misfit;
}

}  // namespace oskava

#include "analysis/ElectrodeMisfit.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace oskava {

std::vector<ElectrodeMisfit> ElectrodeMisfits(const std::vector<Cobs>& observations) {
    struct Sum {
        size_t count = 0;
        double squares = 0;
    };
    // Exact equality groups positions: -0 and 0 are one position, as they compare equal.
    std::map<double, Sum> sums;
    for (const Cobs& r : observations) {
        if (!std::isfinite(r.normalizedDiff) || !std::isfinite(r.xa + r.xb + r.xm + r.xn)) {
            continue;
        }
        double used[4] = {r.xa, r.xm, 0, 0};
        size_t n = 2;
        if (r.hasB) {
            used[n++] = r.xb;
        }
        if (r.hasN) {
            used[n++] = r.xn;
        }
        std::sort(used, used + n);
        const double square = r.normalizedDiff * r.normalizedDiff;
        for (size_t k = 0; k < n; ++k) {
            if (k > 0 && used[k] == used[k - 1]) {
                continue;
            }
            Sum& sum = sums[used[k]];
            ++sum.count;
            sum.squares += square;
        }
    }
    std::vector<ElectrodeMisfit> rows;
    rows.reserve(sums.size());
    for (const auto& [x, sum] : sums) {
        rows.push_back({x, sum.count, std::sqrt(sum.squares / static_cast<double>(sum.count))});
    }
    std::stable_sort(
        rows.begin(), rows.end(),
        [](const ElectrodeMisfit& p, const ElectrodeMisfit& q) { return p.rms > q.rms; });
    return rows;
}

}  // namespace oskava

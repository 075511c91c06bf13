#include "editing/GaussianNoise.h"

#include <cmath>

namespace oskava {

int32_t NoiseRandom::next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int32_t>((state_ >> 16) & 0x7FFF);
}

double GaussianDeviates::next() {
    if (!needNewPair) {
        needNewPair = true;
        return cached;
    }
    double u1 = 0;
    double u2 = 0;
    double s = 0;
    // r / 32767 * 2 - 1 is never 0 for an integer r, so s > 0.
    do {
        u1 = random.next() / 32767.0 * 2.0 - 1.0;
        u2 = random.next() / 32767.0 * 2.0 - 1.0;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0);
    const double factor = std::sqrt(std::log(s) * -2.0 / s);
    cached = factor * u1;
    needNewPair = false;
    return factor * u2;
}

}  // namespace oskava

// Exact orientation: the determinant written as six products of coordinates, each
// split exactly into a rounded product and its error (a fused multiply-add gives the
// error), and summed without loss as a nonoverlapping expansion whose largest
// component carries the sign.
#include "interp/Orientation.h"

#include <algorithm>

namespace oskava {

namespace {

// a + b = sum + error exactly.
void TwoSum(double a, double b, double& sum, double& error) {
    sum = a + b;
    const double bVirtual = sum - a;
    const double aVirtual = sum - bVirtual;
    error = (a - aVirtual) + (b - bVirtual);
}

}  // namespace

int ExactOrientation(double ax, double ay, double bx, double by, double px, double py) {
    double* coordinates[6] = {&ax, &ay, &bx, &by, &px, &py};
    double largest = 0;
    for (const double* c : coordinates) {
        largest = std::max(largest, std::fabs(*c));
    }
    if (!std::isfinite(largest)) {
        return 0;
    }
    // Scaling every coordinate by one power of two keeps the sign and makes the
    // largest about 1, so that no product overflows or underflows.
    int exponent = 0;
    std::frexp(largest, &exponent);
    for (double* c : coordinates) {
        *c = std::ldexp(*c, -exponent);
    }
    // (bx - ax)(py - ay) - (px - ax)(by - ay), the ax*ay terms cancelling.
    const double factors[6][2] = {{bx, py}, {-bx, ay}, {-ax, py}, {-px, by}, {px, ay}, {ax, by}};
    double expansion[12];
    int length = 0;
    auto grow = [&](double term) {
        for (int i = 0; i < length; ++i) {
            TwoSum(term, expansion[i], term, expansion[i]);
        }
        expansion[length++] = term;
    };
    for (const auto& f : factors) {
        const double product = f[0] * f[1];
        grow(std::fma(f[0], f[1], -product));
        grow(product);
    }
    for (int i = length - 1; i >= 0; --i) {
        if (expansion[i] != 0) {
            return expansion[i] > 0 ? 1 : -1;
        }
    }
    return 0;
}

}  // namespace oskava

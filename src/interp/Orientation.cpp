// Exact orientation: the determinant written as six products of coordinates, each
// split exactly into a rounded product and its error, and summed without loss as a
// nonoverlapping expansion whose largest component carries the sign.
#include "interp/Orientation.h"

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

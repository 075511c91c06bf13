// The orientation test of the triangulation, with its sign always right.
//
// Plain double arithmetic decides which side of a line a point lies on correctly except
// when the point is within rounding distance of the line; there it can contradict
// itself (a point both left of a->b and left of b->a while off the line), and the
// triangulation built on such answers can fold over. The test below gives the plain
// computation's answer whenever its rounding error cannot change the sign, and
// otherwise the exact sign, from an exact sum of the products.
#pragma once

#include <cmath>

namespace oskava {

/// Exact sign of (bx - ax)(py - ay) - (px - ax)(by - ay): 1 when p is left of the
/// directed line a->b (counterclockwise with y as an ordinary axis), -1 right, 0 on it.
/// Exact for all finite inputs, unless some coordinate is nonzero but more than 2^900
/// times smaller than the largest; 0 when an input is not finite.
int ExactOrientation(double ax, double ay, double bx, double by, double px, double py);

/// The same sign, computed in plain doubles when that is certain to be right.
inline int Orientation(double ax, double ay, double bx, double by, double px, double py) {
    const double left = (bx - ax) * (py - ay);
    const double right = (px - ax) * (by - ay);
    const double determinant = left - right;
    // Bound on the rounding error of the three operations above and the differences.
    const double bound = 3.3306690738754716e-16 * (std::fabs(left) + std::fabs(right));
    if (determinant > bound) {
        return 1;
    }
    if (-determinant > bound) {
        return -1;
    }
    if ((bx == ax || py == ay) && (px == ax || by == ay)) {
        return 0;  // both products are exactly zero
    }
    return ExactOrientation(ax, ay, bx, by, px, py);
}

}  // namespace oskava

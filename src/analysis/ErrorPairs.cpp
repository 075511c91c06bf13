#include "analysis/ErrorPairs.h"

#include <algorithm>
#include <cmath>

#include "survey/PositionMatch.h"

namespace oskava {

namespace {

// +1 when (p1, p2) is (q1, q2) in the same order, -1 in the other order, 0 when the
// two are different pairs. A pole (p1 == p2) matches in the same order first.
int OrderSign(double p1, double p2, double q1, double q2) {
    if (PositionsMatch(p1, q1) && PositionsMatch(p2, q2)) {
        return 1;
    }
    if (PositionsMatch(p1, q2) && PositionsMatch(p2, q1)) {
        return -1;
    }
    return 0;
}

// Two readings of one quadrupole have their smallest and their largest positions
// within the matching tolerance of each other, whatever the order they are written
// in: the search for an earlier reading sorts by these two and looks only at the
// records whose ends lie that close.
struct Ends {
    double low;
    double high;
    size_t index;
};

Ends EndsOf(const Cobs& r, size_t index) {
    return {std::min({r.xa, r.xb, r.xm, r.xn}), std::max({r.xa, r.xb, r.xm, r.xn}), index};
}

bool Finite(const Cobs& r) {
    return std::isfinite(r.xa) && std::isfinite(r.xb) && std::isfinite(r.xm) && std::isfinite(r.xn);
}

// The widest gap two matching positions can have on this survey: |p - q| is at most
// |p + q| * 0.5e-7 <= largest |position| * 1e-7, doubled against rounding.
double SearchWidth(const std::vector<Ends>& ends) {
    double largest = 0;
    for (const Ends& e : ends) {
        largest = std::max({largest, std::fabs(e.low), std::fabs(e.high)});
    }
    return largest * 2e-7;
}

}  // namespace

int PairSign(const Cobs& r1, const Cobs& r2, PairKind& kind) {
    const int currents = OrderSign(r2.xa, r2.xb, r1.xa, r1.xb);
    const int potentials = OrderSign(r2.xm, r2.xn, r1.xm, r1.xn);
    if (currents != 0 && potentials != 0) {
        kind = PairKind::Repeat;
        return currents * potentials;
    }
    const int reversedCurrents = OrderSign(r2.xa, r2.xb, r1.xm, r1.xn);
    const int reversedPotentials = OrderSign(r2.xm, r2.xn, r1.xa, r1.xb);
    if (reversedCurrents != 0 && reversedPotentials != 0) {
        kind = PairKind::Reciprocal;
        return reversedCurrents * reversedPotentials;
    }
    return 0;
}

std::vector<ErrorPair> FindErrorPairs(const std::vector<Cobs>& observations) {
    std::vector<Ends> sorted;
    sorted.reserve(observations.size());
    for (size_t i = 0; i < observations.size(); ++i) {
        if (Finite(observations[i])) {
            sorted.push_back(EndsOf(observations[i], i));
        }
    }
    const double width = SearchWidth(sorted);
    const auto byEnds = [](const Ends& p, const Ends& q) {
        return p.low != q.low ? p.low < q.low : p.high < q.high;
    };
    std::sort(sorted.begin(), sorted.end(), byEnds);

    std::vector<bool> firstReading(observations.size(), true);
    std::vector<ErrorPair> pairs;
    for (size_t j = 0; j < observations.size(); ++j) {
        if (!Finite(observations[j])) {
            continue;
        }
        const Cobs& later = observations[j];
        const Ends own = EndsOf(later, j);
        ErrorPair best{observations.size(), j, PairKind::Repeat, 0, 0};
        int bestSign = 0;
        // Walk the runs of equal low ends within the width, and in each the records
        // whose high end is within it too.
        auto run = std::lower_bound(sorted.begin(), sorted.end(), own.low - width,
                                    [](const Ends& e, double v) { return e.low < v; });
        while (run != sorted.end() && run->low <= own.low + width) {
            const double low = run->low;
            const auto runEnd = std::upper_bound(run, sorted.end(), low,
                                                 [](double v, const Ends& e) { return v < e.low; });
            auto e = std::lower_bound(run, runEnd, own.high - width,
                                      [](const Ends& x, double v) { return x.high < v; });
            for (; e != runEnd && e->high <= own.high + width; ++e) {
                if (e->index >= best.first || e->index >= j || !firstReading[e->index]) {
                    continue;
                }
                PairKind kind = PairKind::Repeat;
                const int sign = PairSign(observations[e->index], later, kind);
                if (sign != 0) {
                    best.first = e->index;
                    best.kind = kind;
                    bestSign = sign;
                }
            }
            run = runEnd;
        }
        if (bestSign == 0) {
            continue;
        }
        firstReading[j] = false;
        const double r1 = observations[best.first].datum;
        best.error = std::fabs(r1 - bestSign * later.datum);
        best.magnitude = (std::fabs(r1) + std::fabs(later.datum)) / 2;
        pairs.push_back(best);
    }
    return pairs;
}

}  // namespace oskava

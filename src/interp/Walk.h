// The location walk of the triangulation, on the packed lists or on the lists the
// build is still editing (GappedLists): a walk from a start node through the
// triangulation towards the point, crossing the arcs that separate them, until a
// triangle holds the point or a hull edge shows that it lies outside.
//
// The walk counts its steps. With exact orientation tests it ends after at most a few
// steps per node; coordinates whose products overflow or underflow, or lists built
// over other coordinates, could otherwise keep it going round, so past a generous
// bound it gives up and answers (0, 0, 0), which every caller already treats as "no
// usable location".
#pragma once

#include <cstdint>
#include <vector>

#include "interp/Orientation.h"
#include "interp/Triangulation.h"

namespace oskava {

/// The straight runs of the hull of built (packed) lists: for each hull node, the last
/// node reached counterclockwise, and clockwise, along hull edges on one line with its
/// own edge. A point outside sees every edge of such a run or none (the exact sign of
/// its side of their common line), so a walk along the hull crosses a run in one step.
/// A section's top and bottom rows make runs of thousands of nodes.
class HullRuns {
  public:
    HullRuns() = default;
    HullRuns(const std::vector<double>& x, const std::vector<double>& y,
             const NeighbourLists& lists);
    /// The run's last node counterclockwise from node (a hull node), or node itself.
    int32_t Forward(int32_t node) const { return Find(node, forward_); }
    /// The same clockwise.
    int32_t Backward(int32_t node) const { return Find(node, backward_); }

  private:
    int32_t Find(int32_t node, const std::vector<int32_t>& ends) const;

    std::vector<int32_t> nodes_;  // the hull nodes, ascending
    std::vector<int32_t> forward_;
    std::vector<int32_t> backward_;
};

/// Names the triangle t, which holds (px, py) strictly inside, as the walk from start
/// names it: (u, v, w) with u-v the edge through which the ray from start through the
/// point leaves it, u right of the ray and v left. False when the ray passes through a
/// vertex other than start, or the point is not strictly inside. Only the naming of
/// such a triangle depends on where a walk starts: a walk from any start finds the
/// same triangle, and strictly outside the hull the same answer (on the hull's
/// boundary, at a node or on an edge, the answer may depend on the start).
bool NameAsWalkFrom(int32_t start, double px, double py, const std::vector<double>& x,
                    const std::vector<double>& y, const Location& t, Location& named);

/// Lists: NeighbourLists or any type with NodeCount, Begin, End, At and Find alike. The
/// start node must have arcs and the point must be finite.
template <typename Lists>
class Walk {
  public:
    /// runs, when given, are the hull runs of the same lists.
    Walk(double px, double py, const std::vector<double>& x, const std::vector<double>& y,
         const Lists& lists, const HullRuns* runs = nullptr)
        : px_(px),
          py_(py),
          x_(x),
          y_(y),
          lists_(lists),
          runs_(runs),
          stepsLeft_(16 * static_cast<int64_t>(lists.NodeCount()) + 1024) {}

    Location From(int32_t c) {
        for (;;) {
            if (!Step()) {
                return {};
            }
            const int32_t f = First(c);
            int32_t l = Last(c);
            int32_t uAt = lists_.Begin(c);  // position of u in c's list
            int32_t lAt = lists_.End(c);    // position of l
            if (l == 0) {
                --lAt;
                l = lists_.At(lAt);
                if (!Left(c, f)) {
                    return Outside(f, c);
                }
                if (!Left(l, c)) {
                    return OutsideFrom(c, l);
                }
                uAt = SkipArcsRightOfPoint(c, uAt, lAt);
            } else {
                while (!Left(c, lists_.At(uAt))) {
                    ++uAt;
                    if (uAt == lAt) {
                        return Wedge(c, l, f);
                    }
                }
            }
            for (; uAt != lAt; ++uAt) {
                const int32_t v = lists_.At(uAt + 1);
                if (!Left(c, v)) {
                    return Wedge(c, lists_.At(uAt), v);
                }
            }
            if (!Left(c, f)) {
                return Wedge(c, l, f);
            }
            if (px_ == x_[c - 1] && py_ == y_[c - 1]) {
                c = l;
                continue;
            }
            // P is left of or on every arc out of c: it lies on the line through c
            // beyond it. Move to the neighbour towards P.
            for (; Left(lists_.At(uAt), c); --uAt) {
                if (lists_.At(uAt) == f) {
                    return {};
                }
            }
            c = lists_.At(uAt);
        }
    }

  private:
    bool Step() { return --stepsLeft_ >= 0; }
    int32_t First(int32_t node) const { return lists_.At(lists_.Begin(node)); }
    int32_t Last(int32_t node) const { return lists_.At(lists_.End(node)); }
    bool OnHull(int32_t node) const { return Last(node) == 0; }
    // Last non-zero entry of a hull node's list: the previous hull node.
    int32_t PreviousOnHull(int32_t node) const { return lists_.At(lists_.End(node) - 1); }
    // P is left of a->b, or on the line.
    bool Left(int32_t a, int32_t b) const {
        return Orientation(x_[a - 1], y_[a - 1], x_[b - 1], y_[b - 1], px_, py_) >= 0;
    }
    int32_t Length(int32_t node) const { return lists_.End(node) - lists_.Begin(node) + 1; }
    // The third corner q of the triangle left of the arc a -> b (0 when a-b is a hull
    // edge with the outside on that side): b's successor in a's list, which is a's
    // predecessor in b's. Searched in the shorter list, since a node beside a column
    // of data may have most other nodes as neighbours. False when a and b are no
    // neighbours.
    bool CornerLeftOf(int32_t a, int32_t b, int32_t& q) const {
        if (Length(a) <= Length(b)) {
            const int32_t bAt = lists_.Find(a, b);
            if (bAt == 0) {
                return false;
            }
            q = bAt == lists_.End(a) ? First(a) : lists_.At(bAt + 1);
            return true;
        }
        const int32_t aAt = lists_.Find(b, a);
        if (aAt == 0) {
            return false;
        }
        q = aAt == lists_.Begin(b) ? Last(b) : lists_.At(aAt - 1);
        return true;
    }

    // Hull node c's arcs, from its first neighbour (at position from, P left of or on
    // it) to its last (at to), turn counterclockwise through at most half a turn, so
    // that P is left of or on the arcs up to some position and strictly right of the
    // later ones, but for the last arc, which may point straight back. For a long list
    // this returns by bisection the position before the first arc that P is right of
    // (to - 1 when there is none before the last), where the scan from the first arc
    // would stop; a short list is left to that scan.
    int32_t SkipArcsRightOfPoint(int32_t c, int32_t from, int32_t to) {
        constexpr int32_t kShortList = 32;
        if (to - from <= kShortList) {
            return from;
        }
        int32_t left = from;  // P left of or on c -> At(left)
        int32_t right = to;   // the first position found with P right of its arc, or to
        while (right - left > 1) {
            const int32_t middle = left + (right - left) / 2;
            (Left(c, lists_.At(middle)) ? left : right) = middle;
        }
        return right - 1;
    }

    // P lies in the wedge at c between the arcs to u and v, neighbours of each other:
    // cross the arcs u-v on the way from c to P until P is left of u->v.
    Location Wedge(int32_t c, int32_t u, int32_t v) {
        int32_t w = c;
        while (!Left(u, v)) {
            if (!Step()) {
                return {};
            }
            int32_t q = 0;
            if (!CornerLeftOf(v, u, q)) {
                return {};
            }
            if (q == 0) {
                return Outside(v, u);
            }
            if (Left(c, q)) {
                w = u;
                u = q;
            } else {
                w = v;
                v = q;
            }
        }
        // P is in the triangle (u, v, w); on the hull's boundary it counts as outside.
        if (OnHull(u)) {
            if (w == PreviousOnHull(u) && Left(u, w)) {
                return {u, w, 0};
            }
            if (v == First(u) && Left(v, u)) {
                return {v, u, 0};
            }
        }
        // A hull node's own position is on the boundary too, although its hull edges
        // may belong to other triangles than this one.
        for (const int32_t corner : {u, v, w}) {
            if (px_ == x_[corner - 1] && py_ == y_[corner - 1] && OnHull(corner)) {
                return {First(corner), corner, 0};
            }
        }
        return {u, v, w};
    }

    // P is outside beyond the hull edge t-r: find the extreme hull nodes it sees.
    Location Outside(int32_t r, int32_t t) {
        while (!Left(r, First(r))) {
            if (!Step() || !OnHull(r)) {
                return {};
            }
            r = runs_ != nullptr ? Beyond(runs_->Forward(r), r, First(r)) : First(r);
        }
        return OutsideFrom(r, t);
    }

    Location OutsideFrom(int32_t i1, int32_t t) {
        while (!Left(PreviousOnHull(t), t)) {
            if (!Step() || !OnHull(t)) {
                return {};
            }
            t = runs_ != nullptr ? Beyond(runs_->Backward(t), t, PreviousOnHull(t))
                                 : PreviousOnHull(t);
        }
        return {i1, t, 0};
    }

    // The end of a straight run from node; the next node along the hull when the run
    // ends at node itself.
    static int32_t Beyond(int32_t end, int32_t node, int32_t next) {
        return end == node ? next : end;
    }

    const double px_, py_;
    const std::vector<double>& x_;
    const std::vector<double>& y_;
    const Lists& lists_;
    const HullRuns* runs_;
    int64_t stepsLeft_;
};

}  // namespace oskava

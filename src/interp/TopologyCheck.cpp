// The checker of the packed neighbour lists' invariants.
#include "interp/TopologyCheck.h"

#include <string>

#include "interp/Orientation.h"

namespace oskava {

namespace {

class TopologyChecker {
  public:
    TopologyChecker(const std::vector<double>& x, const std::vector<double>& y,
                    const NeighbourLists& lists)
        : x_(x), y_(y), lists_(lists), n_(lists.NodeCount()) {}

    std::string Check() {
        if (x_.size() != static_cast<size_t>(n_) || y_.size() != static_cast<size_t>(n_)) {
            return "coordinate arrays and list ends differ in length";
        }
        std::string fault = CheckPacking();
        for (int32_t k = 1; fault.empty() && k <= n_; ++k) {
            fault = CheckList(k);
        }
        for (int32_t k = 1; fault.empty() && k <= n_; ++k) {
            fault = CheckTriangles(k);
        }
        if (fault.empty()) {
            fault = CheckSize();
        }
        return fault;
    }

  private:
    static std::string Node(int32_t k) { return "node " + std::to_string(k); }
    int32_t Count(int32_t k) const { return lists_.End(k) - lists_.End(k - 1); }
    int32_t Entry(int32_t k, int32_t i) const { return lists_.At(lists_.Begin(k) + i); }
    bool OnHull(int32_t k) const { return Count(k) > 0 && lists_.At(lists_.End(k)) == 0; }
    // Number of neighbours (the closing 0 not counted).
    int32_t Degree(int32_t k) const { return Count(k) - (OnHull(k) ? 1 : 0); }
    int32_t IndexOf(int32_t k, int32_t neighbour) const {
        for (int32_t i = 0; i < Degree(k); ++i) {
            if (Entry(k, i) == neighbour) {
                return i;
            }
        }
        return -1;
    }
    int Turn(int32_t a, int32_t b, int32_t c) const {
        return Orientation(x_[a - 1], y_[a - 1], x_[b - 1], y_[b - 1], x_[c - 1], y_[c - 1]);
    }

    std::string CheckPacking() const {
        for (int32_t k = 1; k <= n_; ++k) {
            if (lists_.End(k) < lists_.End(k - 1)) {
                return "list end of " + Node(k) + " decreases";
            }
        }
        if (n_ > 0 && lists_.End(n_) > static_cast<int32_t>(lists_.adjacency.size())) {
            return "lists exceed the adjacency array";
        }
        return {};
    }

    std::string CheckList(int32_t k) const {
        const int32_t count = Count(k);
        if (count == 0) {
            return {};
        }
        if (Degree(k) < (OnHull(k) ? 2 : 3)) {
            return Node(k) + " has too few neighbours";
        }
        for (int32_t i = 0; i < Degree(k); ++i) {
            const int32_t m = Entry(k, i);
            if (m < 1 || m > n_ || m == k) {
                return Node(k) + " lists " + std::to_string(m);
            }
            if (IndexOf(k, m) != i) {
                return Node(k) + " lists " + Node(m) + " twice";
            }
            if (IndexOf(m, k) < 0) {
                return Node(k) + " lists " + Node(m) + " but not the other way round";
            }
        }
        return {};
    }

    // Each consecutive pair (b, c) of k's list must be a counterclockwise triangle
    // that b's and c's lists agree on; a hull node's first and last neighbours must be
    // its neighbours on the hull, which turns left or runs straight there.
    std::string CheckTriangles(int32_t k) const {
        const int32_t degree = Degree(k);
        if (degree == 0) {
            return {};
        }
        const bool hull = OnHull(k);
        for (int32_t i = 0; i < (hull ? degree - 1 : degree); ++i) {
            const int32_t b = Entry(k, i);
            const int32_t c = Entry(k, (i + 1) % degree);
            const int32_t kInB = IndexOf(b, k);
            const int32_t cInB = IndexOf(b, c);
            if (cInB < 0 || (cInB + 1) % Degree(b) != kInB || (OnHull(b) && kInB == 0)) {
                return "triangle " + std::to_string(k) + " " + std::to_string(b) + " " +
                       std::to_string(c) + " is not in the lists of its vertices";
            }
            if (Turn(k, b, c) <= 0) {
                return "triangle " + std::to_string(k) + " " + std::to_string(b) + " " +
                       std::to_string(c) + " is not counterclockwise";
            }
        }
        if (hull) {
            const int32_t next = Entry(k, 0);
            const int32_t previous = Entry(k, degree - 1);
            if (!OnHull(next) || Entry(next, Degree(next) - 1) != k) {
                return "hull breaks after " + Node(k);
            }
            if (Turn(previous, k, next) < 0) {
                return "hull turns right at " + Node(k);
            }
        }
        return {};
    }

    std::string CheckSize() const {
        int64_t inserted = 0;
        int64_t hull = 0;
        for (int32_t k = 1; k <= n_; ++k) {
            inserted += Count(k) > 0 ? 1 : 0;
            hull += OnHull(k) ? 1 : 0;
        }
        if (inserted == 0) {
            return {};
        }
        if (hull < 3) {
            return "fewer than 3 hull nodes";
        }
        if (lists_.End(n_) != 6 * inserted - 6 - hull) {
            return "lists hold " + std::to_string(lists_.End(n_)) +
                   " entries, not 6n - 6 - B = " + std::to_string(6 * inserted - 6 - hull);
        }
        return {};
    }

    const std::vector<double>& x_;
    const std::vector<double>& y_;
    const NeighbourLists& lists_;
    const int32_t n_;
};

}  // namespace

std::string VerifyTopology(const std::vector<double>& x, const std::vector<double>& y,
                           const NeighbourLists& lists) {
    return TopologyChecker(x, y, lists).Check();
}

}  // namespace oskava

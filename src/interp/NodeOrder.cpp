// Node order: an index quicksort with a moving pivot fraction. Its exact steps are
// part of the program's behaviour, because the order of nodes with equal x decides the
// insertion order and thereby the diagonals chosen on cocircular points.
#include "interp/NodeOrder.h"

#include <algorithm>
#include <array>

namespace oskava {

namespace {

// A record number with its key beside it: the sort moves the two together, so that
// comparing never reaches into the key array at a scattered place.
struct Keyed {
    double key;
    int32_t record;
};

// Positions are 1-based below, as the sort was designed.
class IndexSort {
  public:
    explicit IndexSort(std::vector<Keyed>& order) : order_(order) {}

    void Run(int32_t n) {
        // The larger part is pushed and the smaller one sorted on, so the stack holds
        // at most log2(N) < 32 segments.
        std::array<std::pair<int32_t, int32_t>, 64> stack;
        size_t pending = 0;
        int32_t i = 1;
        int32_t j = n;
        double r = 0.375;
        enum class Step { Top, Partition, SmallSegments, Pop } step = Step::Top;
        for (;;) {
            switch (step) {
                case Step::Top:
                    if (i >= j) {
                        step = Step::Pop;
                        break;
                    }
                    r = r > 0.5898437 ? r - 0.21875 : r + 0.0390625;
                    step = Step::Partition;
                    break;
                case Step::Partition: {
                    int32_t k = 0;
                    int32_t l = 0;
                    Partition(i, j, r, k, l);
                    if (l - i > j - k) {
                        stack[pending++] = {i, l};
                        i = k;
                    } else {
                        stack[pending++] = {k, j};
                        j = l;
                    }
                    step = Step::SmallSegments;
                    break;
                }
                case Step::SmallSegments:
                    if (j - i >= 11) {
                        step = Step::Partition;
                    } else if (i == 1) {
                        step = Step::Top;
                    } else {
                        InsertionSort(i, j);
                        step = Step::Pop;
                    }
                    break;
                case Step::Pop:
                    if (pending == 0) {
                        return;
                    }
                    --pending;
                    i = stack[pending].first;
                    j = stack[pending].second;
                    step = Step::SmallSegments;
                    break;
            }
        }
    }

  private:
    double Key(int32_t position) const { return order_[position - 1].key; }
    void Exchange(int32_t a, int32_t b) { std::swap(order_[a - 1], order_[b - 1]); }

    // Splits i..j around the key at the pivot fraction r: afterwards i..l hold keys
    // not above t and k..j keys not below it, with l < k. Every scan stops at an entry
    // that is not strictly beyond t, and the first and last entries are arranged to be
    // such entries, so the scans stay inside i..j even with NaN keys.
    void Partition(int32_t i, int32_t j, double r, int32_t& k, int32_t& l) {
        k = i;
        const int32_t p = i + static_cast<int32_t>(r * (j - i));
        double t = Key(p);
        if (Key(i) > t) {
            Exchange(i, p);
            t = Key(p);
        }
        l = j;
        if (Key(j) < t) {
            Exchange(j, p);
            t = Key(p);
            if (Key(i) > t) {
                Exchange(i, p);
                t = Key(p);
            }
        }
        for (;;) {
            do {
                --l;
            } while (Key(l) > t);
            do {
                ++k;
            } while (Key(k) < t);
            if (k > l) {
                return;
            }
            Exchange(k, l);
        }
    }

    // Straight insertion on i..j; the entry at i - 1 is never greater than any key in
    // the segment and stops the scan (position 1 stops it as well, for NaN keys).
    void InsertionSort(int32_t i, int32_t j) {
        for (int32_t m = i; m < j; ++m) {
            const Keyed moving = order_[m];
            const double key = moving.key;
            if (!(key < Key(m))) {
                continue;
            }
            int32_t position = m;
            while (position >= 1 && Key(position) > key) {
                order_[position] = order_[position - 1];
                --position;
            }
            order_[position] = moving;
        }
    }

    std::vector<Keyed>& order_;
};

}  // namespace

void SortOrder(const std::vector<double>& keys, std::vector<int32_t>& order) {
    const int32_t n = static_cast<int32_t>(keys.size());
    std::vector<Keyed> keyed(keys.size());
    for (int32_t i = 0; i < n; ++i) {
        keyed[i] = Keyed{keys[i], i + 1};
    }
    if (n >= 1) {
        IndexSort(keyed).Run(n);
    }
    order.resize(keys.size());
    for (int32_t i = 0; i < n; ++i) {
        order[i] = keyed[i].record;
    }
}

void PermuteValues(const std::vector<int32_t>& order, std::vector<double>& values) {
    const size_t n = order.size();
    if (n < 2 || values.size() < n) {
        return;
    }
    std::vector<char> used(n, 0);
    for (const int32_t source : order) {
        if (source < 1 || static_cast<size_t>(source) > n || used[source - 1] != 0) {
            return;
        }
        used[source - 1] = 1;
    }
    std::vector<double> permuted(n);
    for (size_t i = 0; i < n; ++i) {
        permuted[i] = values[order[i] - 1];
    }
    std::copy(permuted.begin(), permuted.end(), values.begin());
}

void ReorderNodes(int32_t permutationCount, std::vector<double>& x, std::vector<double>& y,
                  std::vector<double>& z, std::vector<int32_t>& order) {
    SortOrder(x, order);
    if (permutationCount >= 1) {
        PermuteValues(order, x);
    }
    if (permutationCount >= 2) {
        PermuteValues(order, y);
    }
    if (permutationCount >= 3) {
        PermuteValues(order, z);
    }
}

}  // namespace oskava

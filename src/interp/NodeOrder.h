// Putting the nodes of the triangulation in order of their horizontal coordinate, and
// bringing any per-datum array filled in record order into that node order.
#pragma once

#include <cstdint>
#include <vector>

namespace oskava {

/// Fills order with the record numbers 1..N (N = keys.size()) sorted so that the key
/// of order[i] never decreases with i. The index quicksort's exact steps decide the
/// order of equal keys (keys 1, 1, 0, 0 give 4, 3, 1, 2). Empty keys: order emptied.
void SortOrder(const std::vector<double>& keys, std::vector<int32_t>& order);

/// Rearranges values in place so that new values[i] = old values[order[i] - 1], with
/// order holding 1-based record numbers. Leaves values unchanged when order has fewer
/// than 2 entries, when values is shorter than order, or when order is not a
/// permutation of 1..N.
void PermuteValues(const std::vector<int32_t>& order, std::vector<double>& values);

/// Sorts the nodes by x (SortOrder), fills order and permutes the first
/// permutationCount of x, y and z (0 to 3; 3 permutes all) into node order; y and z
/// must be at least as long as x (PermuteValues leaves a shorter one alone).
void ReorderNodes(int32_t permutationCount, std::vector<double>& x, std::vector<double>& y,
                  std::vector<double>& z, std::vector<int32_t>& order);

}  // namespace oskava

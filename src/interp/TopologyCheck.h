// A checker for the invariants of the packed neighbour lists (Triangulation.h), for
// tests to call after every build.
#pragma once

#include <string>
#include <vector>

#include "interp/Triangulation.h"

namespace oskava {

/// Checks every invariant stated next to NeighbourLists, triangle orientation and
/// hull convexity included. Returns an empty string when all hold, otherwise a
/// description of the first fault found (node numbers 1-based).
std::string VerifyTopology(const std::vector<double>& x, const std::vector<double>& y,
                           const NeighbourLists& lists);

}  // namespace oskava

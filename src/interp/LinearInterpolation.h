// Linear interpolation of node values over the triangles of the triangulation.
#pragma once

#include <cstdint>
#include <vector>

#include "interp/Triangulation.h"

namespace oskava {

/// InterpolateLinear's codes.
constexpr int32_t kInsideTriangle = 0;  // the value is valid
constexpr int32_t kOutsideHull = 1;     // outside the hull or exactly on a hull edge
constexpr int32_t kNoMesh = -1;         // fewer than 3 nodes, or start node not in 1..N
constexpr int32_t kDegenerate = -2;     // all nodes collinear, or a zero-area triangle

struct Interpolation {
    double value = 0;  // 0 unless code is kInsideTriangle
    int32_t code = kNoMesh;
};

/// Interpolates the node values z (node order) linearly at (px, py), logical units.
/// startNode (1-based) is where the location walk begins; it is set to a vertex of
/// the triangle or hull edge found, so that the next nearby query starts close.
Interpolation InterpolateLinear(double px, double py, const std::vector<double>& x,
                                const std::vector<double>& y, const std::vector<double>& z,
                                const NeighbourLists& lists, int32_t& startNode);

class HullRuns;

/// InterpolateLinear's answer, found with a walk from nearby (a node close to the
/// point, as the last triangle found; 0 for none) where that gives the answer of the
/// walk from startNode: strictly outside the hull, and strictly inside a triangle when
/// its naming can be converted (NameAsWalkFrom); elsewhere the walk from startNode
/// decides.
/// startNode is set as InterpolateLinear sets it, nearby to a vertex of the triangle
/// found. runs: the hull runs of the lists, or null.
Interpolation InterpolateLinearNear(double px, double py, const std::vector<double>& x,
                                    const std::vector<double>& y, const std::vector<double>& z,
                                    const NeighbourLists& lists, const HullRuns* runs,
                                    int32_t& startNode, int32_t& nearby);

struct BarycentricWeights {
    double b1 = 0, b2 = 0, b3 = 0;
    bool failed = false;  // the triangle's signed area term is exactly 0
};

/// Weights of (px, py) in the triangle (x1, y1), (x2, y2), (x3, y3): each is 1 at its
/// own vertex and 0 on the opposite edge.
BarycentricWeights BarycentricCoords(double px, double py, double x1, double y1, double x2,
                                     double y2, double x3, double y3);

}  // namespace oskava

// The arrays the view keeps for the interpolated image, in node order, and their
// build from the data's pseudo-locations.
#pragma once

#include <cstdint>
#include <vector>

#include "interp/Triangulation.h"
#include "interp/Walk.h"
#include "survey/Cobs.h"

namespace oskava {

class Prompts;

/// The image top before any node is seen; above every real node.
constexpr int32_t kNoImageTop = 99999;

/// Logical units per metre: the survey line from xMin to xMax spans 10000 units.
inline double LineScale(double xMin, double xMax) {
    return 10000 / (xMax - xMin);
}

struct InterpolationMesh {
    std::vector<double> nodeX;          // logical units, node order
    std::vector<double> nodeY;          // pseudo-depth in logical units, node order
    std::vector<double> displayValues;  // panel 1's value per node
    std::vector<double> secondValues;   // panel 2's value per node (filled by the view)
    NeighbourLists lists;               // list-end and adjacency arrays
    HullRuns hullRuns;                  // the straight runs of the lists' hull
    std::vector<int32_t> order;         // node i came from record order[i-1] (1-based)
    int32_t imageTop = kNoImageTop;     // smallest node Y, rounded half away from zero

    int32_t NodeCount() const { return static_cast<int32_t>(nodeX.size()); }
};

/// Rebuilds the mesh from the records' pseudo-locations (metres) and display values,
/// all in record order: X = (pseudoX - xMin) * scale, Y = pseudoDepth * scale, then
/// node order and triangulation. The three arrays must be equally long (else nothing
/// is built and the status is TooFewNodes). secondValues is sized and zeroed.
MeshStatus BuildInterpolationMesh(const std::vector<double>& pseudoX,
                                  const std::vector<double>& pseudoDepth,
                                  const std::vector<double>& displayValues, double xMin,
                                  double scale, InterpolationMesh& mesh);

/// The same from the observation records. On collinear pseudo-locations shows
/// "Error: Points in the data file are collinear." with the error icon and returns
/// false; fewer than 3 records is a success with nothing built.
bool BuildInterpolationMesh(const std::vector<Cobs>& observations, double xMin, double scale,
                            InterpolationMesh& mesh, Prompts& prompts);

}  // namespace oskava

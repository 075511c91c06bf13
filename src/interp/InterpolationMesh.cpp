// The view's mesh build: node coordinates in logical units, node order, triangulation.
#include "interp/InterpolationMesh.h"

#include <cmath>

#include "interp/NodeOrder.h"
#include "survey/Prompts.h"

namespace oskava {

namespace {

// Rounds half away from zero, held inside the 32-bit range so that absurd depths
// cannot overflow; the image top only ever moves up from kNoImageTop.
int32_t RoundedTop(double y) {
    const double rounded = std::round(y);
    return rounded < -2147483647.0 ? -2147483647 : static_cast<int32_t>(rounded);
}

// Node coordinates and display values are in mesh, in record order: the image top,
// node order and triangulation.
MeshStatus FinishMesh(InterpolationMesh& mesh) {
    for (const double y : mesh.nodeY) {
        if (y < mesh.imageTop) {
            mesh.imageTop = RoundedTop(y);
        }
    }
    mesh.secondValues.assign(mesh.nodeX.size(), 0.0);
    ReorderNodes(3, mesh.nodeX, mesh.nodeY, mesh.displayValues, mesh.order);
    const MeshStatus status = BuildMesh(mesh.nodeX, mesh.nodeY, mesh.lists);
    if (status == MeshStatus::Built) {
        mesh.hullRuns = HullRuns(mesh.nodeX, mesh.nodeY, mesh.lists);
    }
    return status;
}

}  // namespace

MeshStatus BuildInterpolationMesh(const std::vector<double>& pseudoX,
                                  const std::vector<double>& pseudoDepth,
                                  const std::vector<double>& displayValues, double xMin,
                                  double scale, InterpolationMesh& mesh) {
    mesh = InterpolationMesh{};
    const size_t n = pseudoX.size();
    if (pseudoDepth.size() != n || displayValues.size() != n) {
        return MeshStatus::TooFewNodes;
    }
    mesh.nodeX.resize(n);
    mesh.nodeY.resize(n);
    mesh.displayValues = displayValues;
    for (size_t i = 0; i < n; ++i) {
        mesh.nodeX[i] = (pseudoX[i] - xMin) * scale;
        mesh.nodeY[i] = pseudoDepth[i] * scale;
    }
    return FinishMesh(mesh);
}

bool BuildInterpolationMesh(const std::vector<Cobs>& observations, double xMin, double scale,
                            InterpolationMesh& mesh, Prompts& prompts) {
    // Filled straight from the records: a copy of their pseudo-locations would add to
    // the peak memory of a large survey.
    mesh = InterpolationMesh{};
    mesh.nodeX.reserve(observations.size());
    mesh.nodeY.reserve(observations.size());
    mesh.displayValues.reserve(observations.size());
    for (const Cobs& record : observations) {
        mesh.nodeX.push_back((record.pseudoX - xMin) * scale);
        mesh.nodeY.push_back(record.pseudoDepth * scale);
        mesh.displayValues.push_back(record.displayValue);
    }
    if (FinishMesh(mesh) == MeshStatus::Collinear) {
        prompts.Message("Error: Points in the data file are collinear.", MessageKind::Error);
        return false;
    }
    return true;
}

}  // namespace oskava

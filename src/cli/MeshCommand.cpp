// mesh: the triangulation of the pseudo-locations that the viewer's interpolated image
// uses, one triangle per line as three record indices.
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "cli/Commands.h"
#include "cli/SurveyOptions.h"
#include "interp/InterpolationMesh.h"

namespace oskava::cli {

namespace {

// Record indices (from 0) of each triangle, counterclockwise in the (x, depth) plane
// taken as ordinary axes, rotated to start with the smallest, in sorted order.
std::vector<std::array<int32_t, 3>> RecordTriangles(const InterpolationMesh& mesh) {
    std::vector<std::array<int32_t, 3>> triangles = MeshTriangles(mesh.lists);
    for (std::array<int32_t, 3>& t : triangles) {
        for (int32_t& node : t) {
            node = mesh.order[node - 1] - 1;
        }
        std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
    }
    std::sort(triangles.begin(), triangles.end());
    return triangles;
}

}  // namespace

void RegisterMeshCommand(CLI::App& app, CommandContext& context) {
    AddSurveyCommand(
        app, context, "mesh", "Print the triangulation of the pseudo-locations", [](CDatDoc& doc) {
            InterpolationMesh mesh;
            if (!BuildInterpolationMesh(doc.observations, doc.xMin, LineScale(doc.xMin, doc.xMax),
                                        mesh, doc.prompts())) {
                return kFailed;
            }
            for (const std::array<int32_t, 3>& t : RecordTriangles(mesh)) {
                std::printf("%d %d %d\n", t[0], t[1], t[2]);
            }
            return kDone;
        });
}

}  // namespace oskava::cli

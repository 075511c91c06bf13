// Prints a digest of everything the mesh build leaves for a survey: the node
// coordinates, the order array, the list-end array and the whole adjacency array, as
// the viewer builds them after opening the survey. scripts/check-unchanged compares
// these digests with those recorded in bench/unchanged-digests.txt, so that a faster build is
// shown to give exactly the arrays it gave before.
//
//   mesh_digest [--ip] [--topo FILE] OBS
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "interp/InterpolationMesh.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"

namespace {

// FNV-1a over the bytes of the arrays.
class Digest {
  public:
    template <typename T>
    void Add(const std::vector<T>& values) {
        Bytes(values.size());
        for (const T& value : values) {
            Bytes(value);
        }
    }
    template <typename T>
    void Bytes(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char b : bytes) {
            hash_ = (hash_ ^ b) * 0x100000001b3ULL;
        }
    }
    uint64_t Value() const { return hash_; }

  private:
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace oskava;
    OpenRequest request;
    request.isDC = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ip") {
            request.isDC = false;
        } else if (arg == "--topo" && i + 1 < argc) {
            request.topographyFile = argv[++i];
        } else {
            request.dataFile = arg;
        }
    }
    bench::SilentPrompts prompts;
    CDatDoc doc(prompts);
    if (request.dataFile.empty() || OpenSurvey(doc, request) != OpenOutcome::Opened) {
        std::fprintf(stderr, "mesh_digest: cannot open %s\n", request.dataFile.c_str());
        return 1;
    }
    InterpolationMesh mesh;
    const MeshStatus status = BuildInterpolationMesh(doc.observations, doc.xMin,
                                                     LineScale(doc.xMin, doc.xMax), mesh, prompts)
                                  ? MeshStatus::Built
                                  : MeshStatus::Collinear;
    Digest digest;
    digest.Bytes(status);
    digest.Add(mesh.nodeX);
    digest.Add(mesh.nodeY);
    digest.Add(mesh.displayValues);
    digest.Add(mesh.order);
    digest.Add(mesh.lists.listEnd);
    digest.Add(mesh.lists.adjacency);
    std::printf("%016llx %d nodes, %d entries\n", static_cast<unsigned long long>(digest.Value()),
                mesh.NodeCount(), mesh.lists.End(mesh.NodeCount()));
    return 0;
}

// The topography reader on any bytes. A profile it accepts has at least two points in
// increasing order, and the ground depth it gives for any position is a number.
#include <cmath>

#include "FuzzSupport.h"
#include "survey/DatDoc.h"

using namespace oskava;
using namespace oskava::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    const bool read =
        doc.ReadTopography(Folder().Write("profile.topo", FuzzBytes(data, size).Rest()));
    FUZZ_CHECK(prompts.messages == (read ? 0u : 1u));
    FUZZ_CHECK(doc.topoX.size() == doc.topoDepth.size());
    if (!read) {
        FUZZ_CHECK(doc.topoX.empty());
        return 0;
    }
    FUZZ_CHECK(doc.topoX.size() >= 2);
    for (size_t i = 0; i < doc.topoX.size(); ++i) {
        FUZZ_CHECK(std::isfinite(doc.topoX[i]) && std::isfinite(doc.topoDepth[i]));
        FUZZ_CHECK(i == 0 || doc.topoX[i] > doc.topoX[i - 1]);
        FUZZ_CHECK(!std::isnan(doc.InterpolateSurfaceDepth(doc.topoX[i])));
    }
    return 0;
}

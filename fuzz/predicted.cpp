// The predicted-data reader on any bytes, against observations that are fuzzed too:
// the input is an observation file, a line "--pre--", and a predicted file. The
// observation data are never changed by it, and a file it refuses loads nothing.
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "survey/DatDoc.h"

using namespace oskava;
using namespace oskava::fuzz;

namespace {

bool SameObservations(const Cobs& a, const Cobs& b) {
    return std::memcmp(&a.xa, &b.xa, sizeof(double) * 4) == 0 && a.datum == b.datum &&
           std::memcmp(&a.stdDev, &b.stdDev, sizeof a.stdDev) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    const bool isDC = bytes.Byte() % 2 == 0;
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    doc.isDC = isDC;
    if (!doc.ReadDataFile(Folder().Write("survey.dat", bytes.Until("\n--pre--\n"))) ||
        !doc.ProcessData()) {
        return 0;
    }
    const std::vector<Cobs> before = doc.observations;
    prompts.messages = 0;
    const bool read = doc.ReadPredictedFile(Folder().Write("survey.pre", bytes.Rest()));
    FUZZ_CHECK(read == doc.predictedLoaded);
    // A refusal always says why; a file that ends early loads with a warning, its last
    // data left without a prediction.
    FUZZ_CHECK(read || prompts.messages >= 1);
    FUZZ_CHECK(doc.observations.size() == before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(SameObservations(doc.observations[i], before[i]));
    }
    return 0;
}

// The default errors from an inversion log on any bytes, for a survey of 0 to 63 data
// (the first byte). Only standard deviations change, and only to numbers.
#include <cmath>

#include "FuzzSupport.h"
#include "survey/DatDoc.h"

using namespace oskava;
using namespace oskava::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    doc.defaultErrors = true;
    doc.observations.resize(bytes.Byte() % 64);
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        doc.observations[i].xa = static_cast<double>(i);
        doc.observations[i].stdDev = -1;
    }
    FUZZ_CHECK(doc.ReadDefaultErrors(Folder().Write("tarnel.log", bytes.Rest())));
    FUZZ_CHECK(prompts.messages <= 1);
    for (size_t i = 0; i < doc.observations.size(); ++i) {
        FUZZ_CHECK(doc.observations[i].xa == static_cast<double>(i));
        FUZZ_CHECK(std::isfinite(doc.observations[i].stdDev));
    }
    return 0;
}

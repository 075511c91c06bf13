// The observation reader on any bytes: the first line decides the layout, so this
// target explores both, mostly the general one.
#include "ReadObservations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    oskava::fuzz::ReadObservations(oskava::fuzz::FuzzBytes(data, size).Rest());
    return 0;
}

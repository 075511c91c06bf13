// The observation reader in the common-current layout: the keyword line comes first,
// the fuzzer's bytes make the rest of the file.
#include "ReadObservations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    oskava::fuzz::ReadObservations("COMMON_CURRENT\n" + oskava::fuzz::FuzzBytes(data, size).Rest());
    return 0;
}

// The reader of Res2DInv input files on any bytes, for DC and for IP.
#include "ImportChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    oskava::fuzz::ImportAnyBytes(data, size, oskava::ForeignFormat::Res2DInv);
    return 0;
}

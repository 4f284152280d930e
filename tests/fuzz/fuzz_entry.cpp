// The libFuzzer entry of one fuzz program; the build names its target in STROVAL_FUZZ_TARGET.
#include "tests/fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  rpFuzzSetUp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return STROVAL_FUZZ_TARGET(data, size); }

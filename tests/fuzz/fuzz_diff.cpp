// libFuzzer target: a base file with record-level mutations compared with the base, both ways and
// each with itself.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkDiffInput(data, size);
    return 0;
}

// libFuzzer target: a base file with record-level mutations linted, its counts against its
// findings.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkLintInput(data, size);
    return 0;
}

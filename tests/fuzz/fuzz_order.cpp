// libFuzzer target: a reference order (a CSV list or a database file) applied to a base file,
// twice, and undone.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkOrderInput(data, size);
    return 0;
}

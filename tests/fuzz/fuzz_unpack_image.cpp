// libFuzzer target: any byte string, of any length, read as a database file.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkImageInput(data, size);
    return 0;
}

// libFuzzer target: a base file with record-level mutations (ImageInput.h), opened, shown,
// saved in place and opened again.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkImageInput(data, size);
    return 0;
}

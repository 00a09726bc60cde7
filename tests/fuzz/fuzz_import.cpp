// libFuzzer target: another database file, read as Import From reads it, imported whole
// into a base file.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkImportInput(data, size);
    return 0;
}

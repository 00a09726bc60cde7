// libFuzzer target: two backups of a file made into a folder that holds an index and files
// of any names.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkBackupInput(data, size);
    return 0;
}

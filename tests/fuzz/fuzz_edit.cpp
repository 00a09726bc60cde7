// libFuzzer target: any byte string run as a kavro-tool edit script on a base file, then
// saved, opened again, undone and redone.
#include <cstddef>
#include <cstdint>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)kavro::fuzzing::checkEditScriptInput(data, size);
    return 0;
}

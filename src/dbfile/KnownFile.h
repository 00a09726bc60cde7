// What the file layer remembers of the file last opened or saved, so that a Save can tell
// whether another program wrote it since. Used by DatabaseFile.cpp and DatabaseSave.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "FileSystem.h"

namespace kavro {

// Reads up to ImageSize bytes from the start of `file` into `image`, the rest left zero;
// `got` tells how many came.
fs::Status readImageOverZeros(const fs::File& file, uint8_t* image, size_t& got);

// Remembers `info` as what the file at `path` (resolved) was when it was last read or saved.
void rememberFile(const std::string& path, const fs::FileInfo& info);

// True when the open `file` at `path`, of which `info` is fresh, differs from what was last
// read or saved there: in size, modification time, or in the bytes the image holds from it.
// False for a file other than the one remembered. A read error fills `status`.
bool changedSinceRemembered(const std::string& path, const fs::File& file, const fs::FileInfo& info,
                            fs::Status& status);

}  // namespace kavro

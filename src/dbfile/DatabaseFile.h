// Reading a database file into the image and writing it back. Every outcome is told apart;
// a failed open changes nothing and a failed save leaves the file on disk as it was.
#pragma once

#include <cstdint>
#include <string>

#include "DatabaseImage.h"

namespace kavro {

enum class OpenOutcome { Accepted, CannotOpen, ReadError, Invalid };

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::CannotOpen;
    ImageProblem problem = ImageProblem::None;  // for Invalid
    std::string systemReason;                   // for CannotOpen and ReadError
    uint32_t bytesRead = 0;
};

// Reads up to ImageSize bytes of `path` over a candidate copy of the current image and
// unpacks it. Only when accepted does the candidate become the image and the count
// imageBytesRead(); the view index is not rebuilt here.
OpenResult openDatabaseFile(const std::string& path);

enum class SaveOutcome { Written, CannotOpen, CannotCreate, WriteError };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::WriteError;
    std::string systemReason;
};

// Where saved bytes go. The real one writes files; tests inject failures through it.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes `size` bytes as the whole content of a new file at `path`. False with a reason
    // when it fails part-way.
    virtual bool writeNewFile(const std::string& path, const uint8_t* data, size_t size,
                              std::string& reason) = 0;
};

// Save: packs and writes the first imageBytesRead() bytes over the start of the existing
// file at `path` (bytes of a longer file beyond them are kept). Fails with CannotOpen when
// the file does not exist. The file is replaced atomically and keeps its permissions.
SaveResult saveDatabaseFile(const std::string& path);
// Save As: packs and writes the first imageBytesRead() bytes as the whole file at `path`,
// creating or replacing it atomically. Fails with CannotCreate when it cannot be created.
SaveResult saveDatabaseFileAs(const std::string& path);

// Replaces the writer used by the two saves; nullptr restores the real one.
void setFileWriterForTesting(FileWriter* writer);

}  // namespace kavro

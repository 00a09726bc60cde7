// Reading a database file into the image and writing it back. Every outcome is told apart;
// a failed open changes nothing and a failed save leaves the file on disk as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DatabaseImage.h"
#include "FileSystem.h"
#include "FileWriter.h"
#include "ImageBuffer.h"
#include "SaveFiles.h"

namespace kavro {

enum class OpenOutcome { Accepted, CannotOpen, ReadError, Invalid };

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::CannotOpen;
    ImageProblem problem = ImageProblem::None;  // for Invalid
    std::string systemReason;                   // for CannotOpen and ReadError
    uint32_t bytesRead = 0;
};

enum class SaveOutcome {
    Written,
    CannotOpen,     // Save: the file is gone or cannot be opened
    CannotCreate,   // Save As: no file can be made at that path
    FolderRefused,  // the folder allows no new file, so no safe save is possible there
    ChangedOnDisk,  // Save: another program changed the file since it was opened or saved
    BackupFailed,   // no backup copy of the file could be made
    WriteError,     // writing, syncing, checking or putting the new file in place failed
    OwnerChange,    // the file would belong to this user afterwards (the reason says so)
    LinkBreak,      // the file has other names that would keep the old contents (the same)
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::WriteError;
    std::string systemReason;
    std::string backupPath;  // the backup made, if any
    std::string target;      // the file written or refused, links resolved
};

struct SaveOptions {
    // Save: replace the file even when another program changed it.
    bool overwriteChanges = false;
    // Save As: when the file replaced is the one last opened or saved, fail with ChangedOnDisk
    // if it is no longer what was read (an in-place edit that ran a while).
    bool checkChanges = false;
    // Replace a file that belongs to another user, leaving it this user's; replace a file
    // with other names, which keep the old contents.
    bool allowOwnerChange = false;
    bool allowLinkBreak = false;
    // The caller holds the advisory lock on the file replaced already (see lockFile);
    // otherwise the save takes it while it checks and replaces the file.
    bool lockHeld = false;
    // How long a save waits for the lock that another program's in-place edit holds.
    int lockWaitMs = 10000;
    // Called when the new file is written and checked, just before it takes the target's
    // place; false ends the save as a WriteError with nothing replaced.
    std::function<bool()> beforeReplace;
    // When set, the file about to be replaced is first copied into this (existing) folder.
    std::string backupFolder;
    // Save As: the file whose bytes beyond the image the new file carries; none when empty.
    std::string tailFrom;
};

// One database file: its image, what the file was when it was last read or written there
// (for the changed-on-disk check of Save), the writer and the step hook its saves use, and
// the buffer its opens and saves work in, swapped with the image's: two ImageBuffers of about
// 1.2 MB each, on the heap.
class DatabaseFile {
public:
    DatabaseFile();

    // Reads up to ImageSize bytes of `path` over an image of zeros and unpacks them into
    // `db`. Only when accepted do they become the image (bytes read: image().bytesRead())
    // and are the file's size and modification time remembered for the next Save. A failed
    // open changes nothing, neither here nor in `db`.
    OpenResult open(const std::string& path, ChannelDatabase& db);
    // The same for `size` bytes already in memory, taken as the start of a file; no file is
    // remembered.
    OpenResult load(const uint8_t* data, size_t size, ChannelDatabase& db);

    // Save: packs `db` and writes the image (see bytesToWrite) over the start of the
    // existing file at `path`; the bytes of a longer file beyond the image are kept. Fails
    // with CannotOpen when the file does not exist, with ChangedOnDisk when the file `path`
    // now names is not the one last opened or saved (another name, device or inode, size,
    // modification time or content).
    //
    // Neither save changes a file's owner or breaks its hard links unless the options allow
    // it (OwnerChange, LinkBreak), and neither replaces a symbolic link whose target does
    // not exist (CannotCreate).
    //
    // Both saves write a new file beside the target, sync it, give it the owner, permissions
    // and extended attributes of the file it replaces (or those of a new file), read it back
    // and check it as Open would, and only then put it in place in one step. Afterwards the
    // image holds what was written.
    SaveResult save(const std::string& path, const ChannelDatabase& db,
                    const SaveOptions& options = {});
    // Save As: packs and writes the image as the whole file at `path`, creating or replacing
    // it. Fails with CannotCreate when no file can be made there.
    SaveResult saveAs(const std::string& path, const ChannelDatabase& db,
                      const SaveOptions& options = {});
    // The bytes a save would write for `db`, without the tail of a longer file.
    std::vector<uint8_t> packed(const ChannelDatabase& db);

    const DatabaseImage& image() const { return image_; }
    // Forgets the image and the file, as before any open.
    void reset();

    // How much of a file is read back at a time to compare it with an image.
    static constexpr size_t ReadBackChunk = 64 * 1024;

    FileWriter& writer() const { return *writer_; }
    void setWriter(FileWriter& writer) { writer_ = &writer; }
    const SaveStepHook& saveStepHook() const { return hook_; }
    void setSaveStepHook(SaveStepHook hook) { hook_ = std::move(hook); }

private:
    // Remembers `info` as what the file at `path` (resolved) was when last read or saved.
    void remember(const std::string& path, const fs::FileInfo& info);
    // True when the open `file` at `path`, of which `info` is fresh, differs from what was
    // last read or saved there: in size, modification time, or in the bytes the image holds
    // from it. False for a file other than the one remembered. A read error fills `status`.
    bool changedSinceRemembered(const std::string& path, const fs::File& file,
                                const fs::FileInfo& info, fs::Status& status) const;
    // Checks and unpacks the `got` bytes just read into the work buffer; when accepted they
    // become the image.
    OpenResult accept(size_t got, ChannelDatabase& db);
    SaveResult saveTo(const struct SaveTarget& target, const struct SaveTail& tail,
                      const ChannelDatabase& db, const SaveOptions& options, bool saveAs);
    SaveResult checkTarget(struct SaveTarget& target, const SaveOptions& options);
    // The buffer a file is read back through, a chunk at a time, to compare it with the image.
    uint8_t* readBackChunk() const;

    DatabaseImage image_;
    ImageBuffer work_;  // the candidate of an open, the packed image of a save
    std::string rememberedPath_;
    fs::FileInfo rememberedInfo_;
    FileWriter* writer_;
    SaveStepHook hook_;
    TemporaryNames names_;
    mutable std::unique_ptr<uint8_t[]> readBack_;  // made on first use
};

// Puts `writer` in place of the one `file` saves with for as long as the guard lives.
class ScopedFileWriter {
public:
    ScopedFileWriter(DatabaseFile& file, FileWriter& writer);
    ~ScopedFileWriter();
    ScopedFileWriter(const ScopedFileWriter&) = delete;
    ScopedFileWriter& operator=(const ScopedFileWriter&) = delete;

private:
    DatabaseFile& file_;
    FileWriter& previous_;
};

// Calls `hook` at every step of every save of `file` for as long as the guard lives.
class ScopedSaveStepHook {
public:
    ScopedSaveStepHook(DatabaseFile& file, SaveStepHook hook);
    ~ScopedSaveStepHook();
    ScopedSaveStepHook(const ScopedSaveStepHook&) = delete;
    ScopedSaveStepHook& operator=(const ScopedSaveStepHook&) = delete;

private:
    DatabaseFile& file_;
    SaveStepHook previous_;
};

// What the window and the tool say when the folder allows no safe save.
std::string folderRefusedText(const std::string& folder, const std::string& reason);

// Takes the advisory lock an in-place edit holds on the file at `path` while it checks and
// replaces it, waiting up to `waitMs` for another holder; `locked` keeps it. Busy when the wait
// ran out.
fs::Status lockFile(const std::string& path, int waitMs, fs::File& locked);

}  // namespace kavro

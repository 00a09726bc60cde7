// Save and Save As. All the work on the new file is done through the one handle that
// created it; it takes the target's name only when that name still refers to it.
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Backups.h"
#include "DatabaseFile.h"
#include "FileSystem.h"
#include "FileWriter.h"
#include "SaveFiles.h"

namespace kavro {

namespace {

const char* const NotRegularFile = "Not a regular file";

// What one save works with: the image it writes, packed apart from the file's image, which
// keeps the bytes last read or saved until the save has succeeded; the writer; the hook.
struct SaveWork {
    const uint8_t* packed;
    uint8_t* chunk;        // DatabaseFile::ReadBackChunk bytes to read the new file back through
    ImageProblem problem;  // what Open would find in the packed image, as packing it told
    FileWriter& writer;
    const SaveStepHook& hook;

    void reach(SaveStep step, const std::string& tempPath) const {
        if (hook) {
            hook(step, tempPath);
        }
    }
};

// The new file under its temporary name; removed when it goes unless it took its place,
// and only while the name is still its own.
struct NewFile {
    std::string path;
    fs::File file;
    bool placed = false;
    ~NewFile() {
        if (!path.empty() && !placed && fs::namesFile(path, file)) {
            file.close();  // Windows removes no file that is held open
            fs::removeFile(path);
        }
    }
};

SaveResult outcome(SaveOutcome what, std::string reason = {}) {
    SaveResult result;
    result.outcome = what;
    result.systemReason = std::move(reason);
    return result;
}

}  // namespace

// The file a save replaces, when there is one.
struct SaveTarget {
    std::string path;  // resolved when it exists
    bool exists = false;
    fs::File file;
    fs::FileInfo info;
    fs::File lock;  // holds the advisory lock while the save checks and replaces the file
};

// Bytes of another file that the new file carries beyond the image.
struct SaveTail {
    const fs::File* file = nullptr;
    uint64_t size = 0;
};

namespace {

using Target = SaveTarget;
using Tail = SaveTail;

// Writes the head of the image and the tail, then syncs.
fs::Status writeContent(const SaveWork& work, const NewFile& temp, uint32_t head,
                        const Tail& tail) {
    FileWriter& writer = work.writer;
    fs::Status status = writer.write(temp.file, 0, work.packed, head);
    if (status.ok() && tail.size > 0) {
        status = copyStretch(*tail.file, ImageSize, tail.size, temp.file, ImageSize, writer);
        if (status.ok()) {
            status = fs::setSize(temp.file, ImageSize + tail.size);
        }
    }
    if (!status.ok()) {
        return status;
    }
    work.reach(SaveStep::Written, temp.path);
    status = writer.sync(temp.file);
    if (status.ok()) {
        work.reach(SaveStep::Synced, temp.path);
    }
    return status;
}

// Reads the new file back through its handle and checks it as Open would.
fs::Status verify(const SaveWork& work, const NewFile& temp, uint32_t head, uint64_t size) {
    fs::FileInfo info;
    fs::Status status = fs::fileInfo(temp.file, info);
    if (status.ok() && info.size != size) {
        return {fs::Failure::Other, "the new file does not have the size written"};
    }
    for (uint32_t offset = 0; status.ok() && offset < head; offset += DatabaseFile::ReadBackChunk) {
        const size_t want = std::min<size_t>(DatabaseFile::ReadBackChunk, head - offset);
        size_t got = 0;
        status = fs::readAt(temp.file, offset, work.chunk, want, got);
        if (status.ok() && (got != want || std::memcmp(work.chunk, work.packed + offset, want))) {
            return {fs::Failure::Other, "the new file does not read back as written"};
        }
    }
    const ImageProblem problem =
        head < static_cast<uint32_t>(HeaderSize) ? ImageProblem::ShorterThanHeader : work.problem;
    if (status.ok() && problem != ImageProblem::None) {
        return {fs::Failure::Other,
                std::string("the new file would not open again: ") + imageProblemText(problem)};
    }
    return status;
}

// True when the new file could not be given the owner of the file it replaces.
bool ownerLost(const NewFile& temp, const Target& target) {
    fs::FileInfo info;
    return target.exists && fs::fileInfo(temp.file, info).ok() && info.owner != target.info.owner;
}

// Owner, permissions and attributes of the file replaced, or those of a new file.
fs::Status giveMetadata(const SaveWork& work, const NewFile& temp, const Target& target) {
    fs::Status status = target.exists ? fs::keepOwnerAndPermissions(temp.file, target.info)
                                      : fs::giveNewFilePermissions(temp.file);
    if (status.ok()) {
        work.reach(SaveStep::PermissionsSet, temp.path);
        if (target.exists) {
            status = fs::copyAttributes(target.file, temp.file);
        }
    }
    return status;
}

SaveResult backUp(const Target& target, const SaveOptions& options) {
    SaveResult result = outcome(SaveOutcome::Written);
    if (options.backupFolder.empty() || !target.exists) {
        return result;
    }
    fs::File reader;
    fs::Status status = fs::openFile(target.path, fs::Access::Read, reader);
    if (status.ok()) {
        status = backupFile(reader, target.info.size, target.path, options.backupFolder,
                            result.backupPath);
    }
    return status.ok() ? result : outcome(SaveOutcome::BackupFailed, status.reason);
}

SaveResult createFailure(const fs::Status& status, const std::string& target, bool saveAs) {
    if (status.failure == fs::Failure::AccessDenied) {
        return outcome(SaveOutcome::FolderRefused, status.reason);
    }
    if (saveAs) {
        return outcome(SaveOutcome::CannotCreate, status.reason);
    }
    return outcome(SaveOutcome::WriteError, "cannot create a temporary file in " +
                                                fs::folderOf(target) + ": " + status.reason);
}

// Renames the new file over the target if its name is still its own.
fs::Status place(NewFile& temp, const std::string& target) {
    if (!fs::namesFile(temp.path, temp.file)) {
        return {fs::Failure::Other,
                "the temporary file " + temp.path + " was replaced by another program"};
    }
    fs::Status status = fs::replaceFile(temp.file, temp.path, target);
    if (status.ok()) {
        temp.placed = true;
        fs::syncFolder(fs::folderOf(target));
    }
    return status;
}

std::string ownerChangeText(const Target& target) {
    return target.path + " belongs to " + fs::ownerName(target.info) +
           "; after saving it will belong to you.";
}

std::string linkBreakText(const Target& target) {
    const uint32_t others = target.info.links - 1;
    return target.path + " has " + std::to_string(others) +
           (others == 1 ? " other name; it" : " other names; they") +
           " will keep the old contents.";
}

std::string danglingLinkText(const std::string& path) {
    std::string pointed;
    fs::linkTarget(path, pointed);
    return "a symbolic link to " + (pointed.empty() ? std::string("a file") : pointed) +
           ", which does not exist; nothing is written through it";
}

Tail tailOf(const fs::File& file, const fs::FileInfo& info) {
    return {&file, info.size > static_cast<uint64_t>(ImageSize) ? info.size - ImageSize : 0};
}

}  // namespace

SaveResult DatabaseFile::saveTo(const SaveTarget& target, const SaveTail& tail,
                                const ChannelDatabase& db, const SaveOptions& options,
                                bool saveAs) {
    removeStaleTemporaries(target.path);
    NewFile temp;
    fs::Status status = createTemporary(target.path, temp.file, temp.path, names_);
    if (!status.ok()) {
        return createFailure(status, target.path, saveAs);
    }
    uint8_t* packed = work_.data();
    SaveWork work{packed, readBackChunk(), ImageProblem::None, *writer_, hook_};
    work.reach(SaveStep::Created, temp.path);
    image_.copyBetweenTables(packed);
    work.problem = image_.packInto(db, packed);
    const uint32_t head = bytesToWrite(packed, image_.bytesRead());
    fs::FileInfo written;
    if (!(status = writeContent(work, temp, head, tail)).ok() ||
        !(status = giveMetadata(work, temp, target)).ok()) {
        return outcome(SaveOutcome::WriteError, status.reason);
    }
    if (!options.allowOwnerChange && ownerLost(temp, target)) {
        return outcome(SaveOutcome::OwnerChange, ownerChangeText(target));
    }
    work.reach(SaveStep::AttributesCopied, temp.path);
    const uint64_t size = tail.size > 0 ? ImageSize + tail.size : head;
    if (!(status = verify(work, temp, head, size)).ok() ||
        !(status = fs::fileInfo(temp.file, written)).ok()) {
        return outcome(SaveOutcome::WriteError, status.reason);
    }
    work.reach(SaveStep::Verified, temp.path);
    if (options.beforeReplace && !options.beforeReplace()) {
        return outcome(SaveOutcome::WriteError, "stopped before the file was replaced");
    }
    SaveResult result = backUp(target, options);
    if (result.outcome != SaveOutcome::Written) {
        return result;
    }
    if (!(status = place(temp, target.path)).ok()) {
        return outcome(SaveOutcome::WriteError, status.reason);
    }
    // The file now holds this image: it is what the next Save compares with.
    work_.knowZeroFrom(head);  // bytesToWrite() leaves only zeros past the head
    image_.adopt(work_, head);
    remember(target.path, written);
    return result;
}

// Takes the lock, then looks at the file as it is under it: changed since it was read,
// hard links. A result other than Written ends the save.
SaveResult DatabaseFile::checkTarget(SaveTarget& target, const SaveOptions& options) {
    if (!options.lockHeld) {
        const fs::Status locked = lockFile(target.path, options.lockWaitMs, target.lock);
        if (locked.failure == fs::Failure::Busy) {
            return outcome(SaveOutcome::WriteError,
                           "another program is editing the file; try again when it has finished");
        }
    }
    fs::Status status = fs::openFile(target.path, fs::Access::ReadWrite, target.file);
    if (status.ok()) {
        status = fs::fileInfo(target.file, target.info);
    }
    if (!status.ok()) {
        return outcome(SaveOutcome::CannotOpen, status.reason);
    }
    if (!target.info.regular) {
        return outcome(SaveOutcome::CannotOpen, NotRegularFile);
    }
    if (!options.overwriteChanges) {
        const bool changed = changedSinceRemembered(target.path, target.file, target.info, status);
        if (!status.ok()) {
            return outcome(SaveOutcome::WriteError, status.reason);
        }
        if (changed) {
            return outcome(SaveOutcome::ChangedOnDisk);
        }
    }
    if (target.info.links > 1 && !options.allowLinkBreak) {
        return outcome(SaveOutcome::LinkBreak, linkBreakText(target));
    }
    return outcome(SaveOutcome::Written);
}

SaveResult DatabaseFile::save(const std::string& path, const ChannelDatabase& db,
                              const SaveOptions& options) {
    Target target;
    const fs::Status status = fs::resolvePath(path, target.path);
    if (!status.ok()) {
        return outcome(SaveOutcome::CannotOpen, status.reason);
    }
    target.exists = true;
    SaveResult result = checkTarget(target, options);
    if (result.outcome == SaveOutcome::Written) {
        result = saveTo(target, tailOf(target.file, target.info), db, options, false);
    }
    result.target = target.path;
    return result;
}

SaveResult DatabaseFile::saveAs(const std::string& path, const ChannelDatabase& db,
                                const SaveOptions& options) {
    Target target;
    target.exists = fs::resolvePath(path, target.path).ok() &&
                    fs::pathInfo(target.path, true, target.info).ok();
    fs::FileInfo named;
    SaveResult result = outcome(SaveOutcome::Written);
    if (!target.exists) {
        target.path = path;
        if (fs::pathInfo(path, false, named).ok() && named.symlink) {
            result = outcome(SaveOutcome::CannotCreate, danglingLinkText(path));
        } else if (options.checkChanges) {
            result = outcome(SaveOutcome::ChangedOnDisk);  // it went
        }
    } else if (!target.info.regular) {
        result = outcome(SaveOutcome::CannotCreate,
                         target.info.folder ? std::strerror(EISDIR) : NotRegularFile);
    } else {
        SaveOptions checks = options;
        checks.overwriteChanges = !options.checkChanges;
        result = checkTarget(target, checks);
        if (result.outcome == SaveOutcome::CannotOpen) {
            // A file the user may not write is not replaced behind its back.
            result.outcome = SaveOutcome::CannotCreate;
        }
    }
    fs::File tailFile;
    fs::FileInfo tailInfo;
    if (result.outcome == SaveOutcome::Written && !options.tailFrom.empty()) {
        fs::Status status = fs::openFile(options.tailFrom, fs::Access::Read, tailFile);
        if (status.ok()) {
            status = fs::fileInfo(tailFile, tailInfo);
        }
        if (!status.ok()) {
            result = outcome(SaveOutcome::WriteError, options.tailFrom + ": " + status.reason);
        }
    }
    if (result.outcome == SaveOutcome::Written) {
        result = saveTo(target, tailOf(tailFile, tailInfo), db, options, true);
    }
    result.target = target.path;
    return result;
}

}  // namespace kavro

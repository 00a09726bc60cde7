// The lock an in-place edit (OUT is IN) holds on IN from before it reads IN until OUT has
// taken its place, so that two such edits of one file run one after the other instead of
// one losing the other's changes. It is advisory: only other kavro-tool edits heed it.
#pragma once

#include <chrono>
#include <iosfwd>
#include <string>

#include "dbfile/FileSystem.h"

namespace kavro::cli {

// How long an edit waits for another edit of the same file before it gives up.
constexpr std::chrono::milliseconds EditLockWait{10000};

class EditLock {
public:
    // When OUT names the same file as IN (or, not existing yet, the same path), waits up to
    // the lock wait for the lock on IN and keeps it. Returns ExitOk, or ExitFailure after
    // saying on `err` that another edit holds the file.
    int takeIfSameFile(const std::string& in, const std::string& out, std::ostream& err);
    bool held() const { return file_.isOpen(); }
    // OUT names the same file as IN: the edit replaces the file it read.
    bool replacesInput() const { return sameFile_; }

private:
    fs::File file_;
    bool sameFile_ = false;
};

// Makes edits wait `wait` for the lock instead of EditLockWait while the guard lives.
class ScopedEditLockWait {
public:
    explicit ScopedEditLockWait(std::chrono::milliseconds wait);
    ~ScopedEditLockWait();

private:
    std::chrono::milliseconds previous_;
};

}  // namespace kavro::cli

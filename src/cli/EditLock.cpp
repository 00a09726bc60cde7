#include "EditLock.h"

#include <ostream>
#include <thread>

#include "TextOutput.h"
#include "ToolMessages.h"
#include "ToolSupport.h"

namespace kavro::cli {

namespace {

std::chrono::milliseconds g_lockWait = EditLockWait;
constexpr std::chrono::milliseconds RetryPause{20};

// The path with its folder resolved: one text for every spelling of a name, which stays the
// same when a save puts a new file in its place.
bool resolvedName(const std::string& path, std::string& resolved) {
    std::string folder;
    if (!fs::resolvePath(fs::folderOf(path), folder).ok()) {
        return false;
    }
    resolved = fs::joinPath(folder, fs::baseNameOf(path));
    return true;
}

// Decided by the names first: comparing the files the two names refer to, one after the
// other, would take them apart when another edit replaces the file in between, and then
// the edit would run without the lock.
bool sameFile(const std::string& in, const std::string& out) {
    std::string inName, outName;
    if (resolvedName(in, inName) && resolvedName(out, outName) && inName == outName) {
        return true;
    }
    // Two names of one file (a link and what it names).
    fs::FileInfo inInfo, outInfo;
    return fs::pathInfo(in, true, inInfo).ok() && fs::pathInfo(out, true, outInfo).ok() &&
           inInfo.id == outInfo.id;
}

// True when `in` still names the file `file` holds open (an edit that held the lock may
// have put a new file in its place).
bool stillNames(const std::string& in, const fs::File& file) {
    fs::FileInfo named, opened;
    return fs::pathInfo(in, true, named).ok() && fs::fileInfo(file, opened).ok() &&
           named.id == opened.id;
}

}  // namespace

int EditLock::takeIfSameFile(const std::string& in, const std::string& out, std::ostream& err) {
    if (!sameFile(in, out)) {
        return ExitOk;
    }
    sameFile_ = true;
    const auto deadline = std::chrono::steady_clock::now() + g_lockWait;
    for (int missing = 0;;) {
        fs::File file;
        fs::Status status = fs::openFile(in, fs::Access::Read, file);
        if (!status.ok()) {
            // While an edit puts its new file in place, Windows refuses to open it for a
            // moment, or has no file under the name (ReplaceFileW moves the old one aside
            // first): wait for that as for the lock. Any other failure the load reports.
            const bool passing = status.failure == fs::Failure::Busy ||
                                 (status.failure == fs::Failure::NotFound && ++missing <= 5);
            if (!passing || std::chrono::steady_clock::now() >= deadline) {
                return ExitOk;
            }
            std::this_thread::sleep_for(RetryPause);
            continue;
        }
        status = fs::tryLockFile(file);
        if (status.ok() && stillNames(in, file)) {
            file_ = std::move(file);
            return ExitOk;
        }
        if (!status.ok() && status.failure != fs::Failure::Busy) {
            err << messages::lockUnavailable(shownPath(in), status.reason) << "\n";
            return ExitOk;
        }
        if (!status.ok() && std::chrono::steady_clock::now() >= deadline) {
            err << messages::editedElsewhere(shownPath(in)) << "\n";
            return ExitFailure;
        }
        if (!status.ok()) {
            std::this_thread::sleep_for(RetryPause);
        }
    }
}

ScopedEditLockWait::ScopedEditLockWait(std::chrono::milliseconds wait) : previous_(g_lockWait) {
    g_lockWait = wait;
}

ScopedEditLockWait::~ScopedEditLockWait() {
    g_lockWait = previous_;
}

}  // namespace kavro::cli

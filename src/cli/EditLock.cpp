#include "EditLock.h"

#include <ostream>
#include <thread>

#include "ToolSupport.h"

namespace kavro::cli {

namespace {

std::chrono::milliseconds g_lockWait = EditLockWait;
constexpr std::chrono::milliseconds RetryPause{20};

bool sameFile(const std::string& in, const std::string& out) {
    fs::FileInfo inInfo, outInfo;
    if (!fs::pathInfo(in, true, inInfo).ok()) {
        return false;  // the load reports it
    }
    if (fs::pathInfo(out, true, outInfo).ok()) {
        return inInfo.id == outInfo.id;
    }
    std::string inPath, outFolder;
    return fs::resolvePath(in, inPath).ok() && fs::resolvePath(fs::folderOf(out), outFolder).ok() &&
           fs::joinPath(outFolder, fs::baseNameOf(out)) == inPath;
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
    const auto deadline = std::chrono::steady_clock::now() + g_lockWait;
    for (;;) {
        fs::File file;
        if (!fs::openFile(in, fs::Access::Read, file).ok()) {
            return ExitOk;  // the load reports it
        }
        const fs::Status status = fs::tryLockFile(file);
        if (status.ok() && stillNames(in, file)) {
            file_ = std::move(file);
            return ExitOk;
        }
        if (!status.ok() && status.failure != fs::Failure::Busy) {
            err << "kavro-tool: warning: " << in << " cannot be locked (" << status.reason
                << "); an edit of it running at the same time could be lost\n";
            return ExitOk;
        }
        if (!status.ok() && std::chrono::steady_clock::now() >= deadline) {
            err << "kavro-tool: " << in
                << " is being edited by another kavro-tool edit; nothing was changed. Try again"
                   " when it has finished.\n";
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

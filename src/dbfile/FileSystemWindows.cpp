// The file system interface on Windows: UTF-16 paths made from UTF-8 (absolute, with the
// \\?\ prefix, so that long paths work), handles from CreateFileW, positioned ReadFile and
// WriteFile, FlushFileBuffers, ReplaceFileW or MoveFileExW, LockFileEx, and the system's own
// texts for its errors.
//
// Sharing: a file opened for reading lets others read, write, rename and delete it; one
// opened for writing lets others read, rename and delete it but not write it, so no one
// changes a file a save is about to replace while the save reads it. A new file (a save's
// temporary file, a backup) lets others only read it while it is open: no one writes,
// renames or deletes it before it has taken its place.
//
// What POSIX keeps by hand, Windows keeps at the replace: ReplaceFileW gives the new file the
// access control list, the attributes and the alternate data streams of the file it
// replaces. Owner, group and permission bits have no meaning here.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// These need windows.h before them.
#include <aclapi.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <random>

#include "FileSystem.h"

namespace kavro::fs {

namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The byte the in-place edit lock covers: far beyond the end of any file, so that the lock
// keeps no one from reading or writing the file's bytes (Windows locks are mandatory).
constexpr uint64_t LockByte = 0x7FFFFFFFFFFFFFFEull;
// How often a replace that another program's handle refuses is tried, and the pause (ms).
constexpr int ReplaceAttempts = 4;
constexpr DWORD ReplacePause = 50;
// From 1601-01-01, where FILETIME counts from, to 1970-01-01, in FILETIME's 100 ns steps.
constexpr int64_t EpochOffset100ns = 116444736000000000ll;

HANDLE handleOf(const File& file) {
    return reinterpret_cast<HANDLE>(file.native());
}

bool toWide(const std::string& text, std::wstring& wide) {
    wide.clear();
    if (text.empty()) {
        return true;
    }
    const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) {
        return false;
    }
    wide.resize(static_cast<size_t>(size));
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                          wide.data(), size);
    return true;
}

std::string toUtf8(const wchar_t* wide, size_t length) {
    if (length == 0) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr,
                          nullptr);
    return text;
}

Failure failureOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_NAME:
            return Failure::NotFound;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return Failure::Exists;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
            return Failure::AccessDenied;
        case ERROR_DIRECTORY:
        case ERROR_BAD_PIPE:
            return Failure::NotAFile;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return Failure::Busy;
        default:
            return Failure::Other;
    }
}

// The system's text for an error, in UTF-8, without its closing period and line break.
std::string errorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? toUtf8(buffer, length) : std::string();
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' ||
                             text.back() == '.')) {
        text.pop_back();
    }
    return text.empty() ? "system error " + std::to_string(error) : text;
}

Status fromError(DWORD error = ::GetLastError()) {
    return Status{failureOf(error), errorText(error)};
}

// The absolute UTF-16 path Windows' calls take, long ones included.
Status nativePath(const std::string& path, std::wstring& native) {
    std::wstring wide;
    if (!toWide(path, wide)) {
        return {Failure::NotFound, "the file name is not valid UTF-8"};
    }
    const DWORD size = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return fromError();
    }
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        return fromError();
    }
    full.resize(length);
    if (full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0) {
        native = full;
    } else if (full.rfind(L"\\\\", 0) == 0) {
        native = L"\\\\?\\UNC\\" + full.substr(2);
    } else {
        native = L"\\\\?\\" + full;
    }
    return Status::success();
}

// The account this process runs as and the owner it gives new files (an administrator's
// new files may belong to the Administrators group).
struct TokenSids {
    std::vector<BYTE> user;
    std::vector<BYTE> owner;
};

std::vector<BYTE> tokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
    DWORD size = 0;
    ::GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !::GetTokenInformation(token, kind, buffer.data(), size, &size)) {
        buffer.clear();
    }
    return buffer;
}

const TokenSids& tokenSids() {
    static const TokenSids sids = [] {
        TokenSids result;
        HANDLE token = nullptr;
        if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
            result.user = tokenInformation(token, TokenUser);
            result.owner = tokenInformation(token, TokenOwner);
            ::CloseHandle(token);
        }
        return result;
    }();
    return sids;
}

bool ownedByThisUser(HANDLE handle) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const TokenSids& sids = tokenSids();
    const bool owned =
        owner != nullptr &&
        ((!sids.user.empty() &&
          ::EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(sids.user.data())->User.Sid)) ||
         (!sids.owner.empty() &&
          ::EqualSid(owner, reinterpret_cast<const TOKEN_OWNER*>(sids.owner.data())->Owner)));
    ::LocalFree(descriptor);
    return owned;
}

// A symbolic link or junction, as opposed to a reparse point that stands for the file
// itself (a cloud placeholder, say).
bool isLink(HANDLE handle) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return !::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
           IsReparseTagNameSurrogate(tag.ReparseTag);
}

Status infoOf(HANDLE handle, FileInfo& info) {
    BY_HANDLE_FILE_INFORMATION data;
    if (!::GetFileInformationByHandle(handle, &data)) {
        return fromError();
    }
    info = FileInfo{};
    info.id = {data.dwVolumeSerialNumber,
               uint64_t{data.nFileIndexHigh} << 32 | uint64_t{data.nFileIndexLow}};
    info.size = uint64_t{data.nFileSizeHigh} << 32 | uint64_t{data.nFileSizeLow};
    const int64_t written = static_cast<int64_t>(
        uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime);
    info.modifiedNs = (written - EpochOffset100ns) * 100;
    info.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && isLink(handle);
    info.regular = !info.folder && !link && ::GetFileType(handle) == FILE_TYPE_DISK;
    info.symlink = link;
    info.links = data.nNumberOfLinks;
    info.ownedByUser = ownedByThisUser(handle);
    return Status::success();
}

// Opens `path` to look at it only: its information, its security, its final name.
Status openForInfo(const std::string& path, bool followLinks, HANDLE& handle) {
    std::wstring native;
    Status status = nativePath(path, native);
    if (!status.ok()) {
        return status;
    }
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    handle = ::CreateFileW(native.c_str(), FILE_READ_ATTRIBUTES | READ_CONTROL, ShareAll, nullptr,
                           OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_ACCESS_DENIED) {
        handle = ::CreateFileW(native.c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr,
                               OPEN_EXISTING, flags, nullptr);
    }
    return handle == INVALID_HANDLE_VALUE ? fromError() : Status::success();
}

OVERLAPPED at(uint64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// A ReplaceFileW that fails where the access control list cannot be carried over, except on
// volumes that keep none (FAT, exFAT: a receiver's USB stick), where there is none to lose.
DWORD replaceFlags(const std::wstring& target) {
    HANDLE handle = ::CreateFileW(target.c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    DWORD volumeFlags = 0;
    const bool known = handle != INVALID_HANDLE_VALUE &&
                       ::GetVolumeInformationByHandleW(handle, nullptr, 0, nullptr, nullptr,
                                                       &volumeFlags, nullptr, 0);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
    }
    return known && (volumeFlags & FILE_PERSISTENT_ACLS) == 0 ? REPLACEFILE_IGNORE_MERGE_ERRORS : 0;
}

// A free name beside `target` for the file it replaces to step aside to. It does not start
// as a save's temporary names do, so that no later save takes it for a leftover.
std::wstring asideName(const std::wstring& target) {
    static std::minstd_rand generator(std::random_device{}());
    const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
    for (;;) {
        wchar_t name[48];
        std::swprintf(name, 48, L".kavro-old-%lu-%08x", ::GetCurrentProcessId(),
                      static_cast<unsigned>(generator()));
        if (::GetFileAttributesW((folder + name).c_str()) == INVALID_FILE_ATTRIBUTES) {
            return folder + name;
        }
    }
}

// ReplaceFileW, with a name of ours for the old file on its way out: without one, a replace
// that fails half-way (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) leaves the old file under a name
// no one knows; with it, the old file goes back.
Status replaceExisting(const std::wstring& from, const std::wstring& to) {
    const std::wstring aside = asideName(to);
    if (::ReplaceFileW(to.c_str(), from.c_str(), aside.c_str(), replaceFlags(to), nullptr,
                       nullptr)) {
        ::DeleteFileW(aside.c_str());
        return Status::success();
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        ::MoveFileExW(aside.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    return fromError(error);
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// Where the folder part of `path` ends: after its last separator, or after a drive ("C:").
size_t nameStart(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos) {
        return slash + 1;
    }
    return path.size() >= 2 && path[1] == ':' ? 2 : 0;
}

UINT g_consoleCodePage = 0;

void restoreConsoleCodePage() {
    ::SetConsoleOutputCP(g_consoleCodePage);
}

}  // namespace

void File::close() {
    if (native_ >= 0) {
        ::CloseHandle(reinterpret_cast<HANDLE>(native_));
        native_ = -1;
    }
}

Status openFile(const std::string& path, Access access, File& file) {
    std::wstring native;
    Status status = nativePath(path, native);
    if (!status.ok()) {
        return status;
    }
    const DWORD desired = access == Access::Read    ? GENERIC_READ
                          : access == Access::Write ? GENERIC_WRITE
                                                    : GENERIC_READ | GENERIC_WRITE;
    const DWORD share =
        FILE_SHARE_READ | FILE_SHARE_DELETE | (access == Access::Read ? FILE_SHARE_WRITE : 0);
    // Backup semantics let a folder open too, so that callers can tell it apart.
    HANDLE handle = ::CreateFileW(native.c_str(), desired, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return fromError();
    }
    file = File(reinterpret_cast<std::intptr_t>(handle));
    return Status::success();
}

Status createNewFile(const std::string& path, File& file) {
    std::wstring native;
    Status status = nativePath(path, native);
    if (!status.ok()) {
        return status;
    }
    HANDLE handle = ::CreateFileW(native.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return fromError();
    }
    file = File(reinterpret_cast<std::intptr_t>(handle));
    return Status::success();
}

Status fileInfo(const File& file, FileInfo& info) {
    return infoOf(handleOf(file), info);
}

Status pathInfo(const std::string& path, bool followLinks, FileInfo& info) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    Status status = openForInfo(path, followLinks, handle);
    if (status.ok()) {
        status = infoOf(handle, info);
        ::CloseHandle(handle);
    }
    return status;
}

Status readAt(const File& file, uint64_t offset, uint8_t* buffer, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        OVERLAPPED position = at(offset + got);
        const DWORD want = static_cast<DWORD>(std::min<size_t>(size - got, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(handleOf(file), buffer + got, want, &n, &position)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_HANDLE_EOF) {
                break;
            }
            return fromError(error);
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    return Status::success();
}

Status writeAt(const File& file, uint64_t offset, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        OVERLAPPED position = at(offset + done);
        const DWORD want = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 30));
        DWORD n = 0;
        if (!::WriteFile(handleOf(file), data + done, want, &n, &position)) {
            return fromError();
        }
        if (n == 0) {
            return fromError(ERROR_WRITE_FAULT);
        }
        done += n;
    }
    return Status::success();
}

Status setSize(const File& file, uint64_t size) {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(handleOf(file), end, nullptr, FILE_BEGIN) &&
                   ::SetEndOfFile(handleOf(file))
               ? Status::success()
               : fromError();
}

Status sync(const File& file) {
    return ::FlushFileBuffers(handleOf(file)) ? Status::success() : fromError();
}

Status nextDataStretch(const File&, uint64_t from, uint64_t size, uint64_t& start, uint64_t& end) {
    // Holes are not told apart here: the rest is data.
    start = std::min(from, size);
    end = size;
    return Status::success();
}

Status keepOwnerAndPermissions(const File&, const FileInfo&) {
    return Status::success();
}

Status giveNewFilePermissions(const File&) {
    return Status::success();
}

Status copyAttributes(const File&, const File&) {
    return Status::success();
}

Status replaceFile(File& file, const std::string& from, const std::string& to) {
    FileInfo placed;
    std::wstring nativeFrom, nativeTo;
    Status status = fileInfo(file, placed);
    if (status.ok()) {
        status = nativePath(from, nativeFrom);
    }
    if (status.ok()) {
        status = nativePath(to, nativeTo);
    }
    if (!status.ok()) {
        return status;
    }
    file.close();
    // A virus scanner may look at the new file the moment it is closed, and keep others out
    // of it meanwhile: a refused replace is tried again a few times.
    for (int attempt = 1;; ++attempt) {
        const bool exists = ::GetFileAttributesW(nativeTo.c_str()) != INVALID_FILE_ATTRIBUTES;
        status = exists ? replaceExisting(nativeFrom, nativeTo)
                 : ::MoveFileExW(nativeFrom.c_str(), nativeTo.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                     ? Status::success()
                     : fromError();
        if (status.ok() || status.failure != Failure::Busy || attempt == ReplaceAttempts) {
            break;
        }
        ::Sleep(ReplacePause);
    }
    if (!status.ok()) {
        // Open again what is still ours, for the caller to remove.
        HANDLE handle = ::CreateFileW(nativeFrom.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        File reopened(reinterpret_cast<std::intptr_t>(handle));
        FileInfo info;
        if (reopened.isOpen() && fileInfo(reopened, info).ok() && info.id == placed.id) {
            file = std::move(reopened);
        }
    }
    return status;
}

bool namesFile(const std::string& path, const File& file) {
    FileInfo named, opened;
    return pathInfo(path, false, named).ok() && fileInfo(file, opened).ok() &&
           named.id == opened.id;
}

Status removeFile(const std::string& path) {
    std::wstring native;
    Status status = nativePath(path, native);
    if (status.ok() && !::DeleteFileW(native.c_str())) {
        status = fromError();
    }
    return status;
}

void syncFolder(const std::string&) {}

Status listFolder(const std::string& folder, std::vector<std::string>& names) {
    std::wstring native;
    Status status = nativePath(folder, native);
    if (!status.ok()) {
        return status;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = ::FindFirstFileExW((native + L"\\*").c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? Status::success() : fromError();
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(toUtf8(name.data(), name.size()));
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return Status::success();
}

Status resolvePath(const std::string& path, std::string& resolved) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    Status status = openForInfo(path, true, handle);
    if (!status.ok()) {
        return status;
    }
    std::wstring name;
    DWORD length = 0;
    for (DWORD size = MAX_PATH;;) {
        name.resize(size);
        length = ::GetFinalPathNameByHandleW(handle, name.data(), size,
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length < size) {
            break;
        }
        size = length;  // what it needs, the closing zero included
    }
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle);
    if (length == 0 && error != ERROR_MORE_DATA) {
        return fromError(error);
    }
    if (length == 0) {
        // Some systems (Wine) cannot tell the final name of a long path: the absolute path
        // stands in for it.
        status = nativePath(path, name);
        length = static_cast<DWORD>(name.size());
    }
    name.resize(length);
    if (name.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        name = L"\\\\" + name.substr(8);
    } else if (name.rfind(L"\\\\?\\", 0) == 0) {
        name = name.substr(4);
    }
    resolved = toUtf8(name.data(), name.size());
    return status;
}

Status tryLockFile(const File& file) {
    OVERLAPPED position = at(LockByte);
    return ::LockFileEx(handleOf(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                        0, &position)
               ? Status::success()
               : fromError();
}

int currentProcessId() {
    return static_cast<int>(::GetCurrentProcessId());
}

bool processRunning(int pid) {
    if (pid <= 0) {
        return false;
    }
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return ::GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
    }
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
}

Status linkTarget(const std::string&, std::string& target) {
    target.clear();  // the reparse data is not read here; messages name the link alone
    return Status::success();
}

std::string ownerName(const FileInfo&) {
    return {};
}

bool standardOutputIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

std::string folderOf(const std::string& path) {
    const size_t start = nameStart(path);
    if (start == 0) {
        return ".";
    }
    // A root keeps its separator: "C:\", "\".
    const bool root = start == 1 || (start == 3 && path[1] == ':') || !isSeparator(path[start - 1]);
    return path.substr(0, root ? start : start - 1);
}

std::string baseNameOf(const std::string& path) {
    return path.substr(nameStart(path));
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || isSeparator(folder.back()) || (folder.size() == 2 && folder[1] == ':')) {
        return folder + name;
    }
    return folder + "\\" + name;
}

std::FILE* openStream(const std::string& path, const char* mode) {
    std::wstring native, wideMode;
    if (!nativePath(path, native).ok() || !toWide(mode, wideMode)) {
        errno = ENOENT;
        return nullptr;
    }
    return ::_wfopen(native.c_str(), wideMode.c_str());
}

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv + 1, argv + argc);
    }
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        args.push_back(toUtf8(wide[i], std::wcslen(wide[i])));
    }
    ::LocalFree(wide);
    return args;
}

// Read as UTF-16: the narrow environment is in the code page, which cannot spell every user's
// folder name.
std::string environmentVariable(const char* name) {
    std::wstring wideName;
    if (!toWide(name, wideName)) {
        return {};
    }
    const wchar_t* value = ::_wgetenv(wideName.c_str());
    return value ? toUtf8(value, std::wcslen(value)) : std::string();
}

void useBinaryStandardStreams() {
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    // A console shows the UTF-8 output as such, and gets its own code page back at the end.
    DWORD mode = 0;
    if (::GetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), &mode) && g_consoleCodePage == 0) {
        g_consoleCodePage = ::GetConsoleOutputCP();
        ::SetConsoleOutputCP(CP_UTF8);
        std::atexit(restoreConsoleCodePage);
    }
}

}  // namespace kavro::fs

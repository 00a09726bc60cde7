#include "ChildProcess.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

#include <utility>

namespace kavro::testing {

#ifdef _WIN32

std::wstring wide(const std::string& text) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                          size);
    return result;
}

namespace {

// One word of a command line, quoted so that the program's argument parser gives it back:
// backslashes count only before a quote.
std::wstring quoted(const std::wstring& word) {
    std::wstring result = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        result += c;
    }
    result.append(2 * backslashes, L'\\');
    return result + L"\"";
}

HANDLE startProcess(std::wstring commandLine, DWORD flags, DWORD& id) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                          nullptr, &startup, &info)) {
        return nullptr;
    }
    ::CloseHandle(info.hThread);
    id = info.dwProcessId;
    return info.hProcess;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& words) {
    std::wstring commandLine;
    for (const std::string& word : words) {
        commandLine += (commandLine.empty() ? L"" : L" ") + quoted(wide(word));
    }
    DWORD id = 0;
    if (HANDLE process = startProcess(commandLine, 0, id)) {
        process_ = reinterpret_cast<std::intptr_t>(process);
    }
}

int ChildProcess::wait() {
    if (!started()) {
        return -1;
    }
    HANDLE process = reinterpret_cast<HANDLE>(std::exchange(process_, -1));
    DWORD code = 0;
    const bool ended = ::WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
                       ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    return ended ? static_cast<int>(code) : -1;
}

int endedProcessId() {
    // This test program, started suspended and ended before it runs.
    wchar_t self[MAX_PATH];
    if (::GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) {
        return 0;
    }
    DWORD id = 0;
    HANDLE process = startProcess(quoted(self), CREATE_SUSPENDED, id);
    if (process == nullptr) {
        return 0;
    }
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, INFINITE);
    ::CloseHandle(process);
    return static_cast<int>(id);
}

#else

ChildProcess::ChildProcess(const std::vector<std::string>& words) {
    std::vector<std::string> copies = words;
    std::vector<char*> argv;
    for (std::string& word : copies) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0) {
        process_ = pid;
    }
}

int ChildProcess::wait() {
    if (!started()) {
        return -1;
    }
    const pid_t pid = static_cast<pid_t>(std::exchange(process_, -1));
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

int endedProcessId() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    return pid > 0 && ::waitpid(pid, nullptr, 0) == pid ? pid : 0;
}

#endif

ChildProcess::~ChildProcess() {
    wait();
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, -1)) {}

}  // namespace kavro::testing

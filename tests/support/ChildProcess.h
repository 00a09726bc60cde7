// Child processes for the tests: a program run with its arguments as they are (no shell
// between), and the ID of a process that has ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavro::testing {

class ChildProcess {
public:
    // Starts the program words[0] with the other words as its arguments.
    explicit ChildProcess(const std::vector<std::string>& words);
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    bool started() const { return process_ != -1; }
    // Waits for the program; its exit code, or -1 when it did not end by exiting.
    int wait();

private:
    std::intptr_t process_ = -1;  // a process ID, or a process handle on Windows
};

// The ID of a process that was started and has ended; 0 when none could be started.
int endedProcessId();

#ifdef _WIN32
// UTF-8 text as the UTF-16 the wide Windows calls take.
std::wstring wide(const std::string& text);
#endif

}  // namespace kavro::testing

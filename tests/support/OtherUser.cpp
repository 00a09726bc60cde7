#include "OtherUser.h"

#ifdef _WIN32

namespace kavro::testing {

// Users are no POSIX user and group IDs here.
std::optional<std::string> runAsOtherUser(const OtherUser&, const std::function<std::string()>&) {
    return std::nullopt;
}

}  // namespace kavro::testing

#else

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kavro::testing {

std::optional<std::string> runAsOtherUser(const OtherUser& user,
                                          const std::function<std::string()>& body) {
    if (::geteuid() != 0) {
        return std::nullopt;
    }
    int fds[2];
    if (::pipe(fds) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        if (::setgroups(user.groups.size(), user.groups.data()) != 0 || ::setgid(user.gid) != 0 ||
            ::setuid(user.uid) != 0) {
            ::_exit(3);
        }
        const std::string report = body();
        [[maybe_unused]] const ssize_t ignored = ::write(fds[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "child failed with status " + std::to_string(status);
    }
    return report;
}

}  // namespace kavro::testing

#endif

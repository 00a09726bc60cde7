// Runs a piece of a test in a child process as another, unprivileged user, for what root
// cannot show: a folder that refuses new files, an owner that cannot be kept.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro::testing {

struct OtherUser {
    uid_t uid = 65534;
    gid_t gid = 65534;
    std::vector<gid_t> groups;  // supplementary groups
};

// Runs `body` as `user` in a child process and returns what it returned. Nothing when this
// process cannot change its user (it does not run as root).
std::optional<std::string> runAsOtherUser(const OtherUser& user,
                                          const std::function<std::string()>& body);

}  // namespace kavro::testing

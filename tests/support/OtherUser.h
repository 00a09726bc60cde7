// Runs a piece of a test in a child process as another, unprivileged user, for what root
// cannot show: a folder that refuses new files, an owner that cannot be kept.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro::testing {

struct OtherUser {
    uint32_t uid = 65534;
    uint32_t gid = 65534;
    std::vector<uint32_t> groups;  // supplementary groups
};

// Runs `body` as `user` in a child process and returns what it returned. Nothing when this
// process cannot change its user (it does not run as root, or runs on Windows).
std::optional<std::string> runAsOtherUser(const OtherUser& user,
                                          const std::function<std::string()>& body);

}  // namespace kavro::testing

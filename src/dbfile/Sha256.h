// SHA-256 (FIPS 180-4), for names that must not collide: the key of a file's backups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kavro {

using Sha256Digest = std::array<uint8_t, 32>;

Sha256Digest sha256(std::string_view data);

// The first `bytes` bytes of the digest as lower-case hex digits.
std::string sha256Hex(std::string_view data, size_t bytes = 32);

}  // namespace kavro

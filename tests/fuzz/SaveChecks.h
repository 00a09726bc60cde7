// What a save wrote, checked by opening it again.
#pragma once

#include <string>
#include <string_view>

namespace kavro {
class ChannelDatabase;
class EditSession;
}  // namespace kavro

namespace kavro::fuzzing {

// `session` has just saved to `path`. The file must hold the bytes the session now counts
// as read and, past a whole image, exactly `tail`; opened again it must be the session's
// image, count and tables, which are returned (kept until the next call).
const ChannelDatabase& checkSavedFile(const EditSession& session, const std::string& path,
                                      std::string_view tail);

}  // namespace kavro::fuzzing

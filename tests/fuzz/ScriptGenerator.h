// Random edit-script lines for a session's database: mostly commands that apply, naming
// live channels and transponders and values inside the dialogs' ranges, now and then one
// that is refused. For the property tests of the history and the fuzz seeds.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace kavro {
class EditSession;
}

namespace kavro::fuzzing {

class ScriptGenerator {
public:
    explicit ScriptGenerator(uint32_t seed) : random_(seed) {}

    // One command for the database as `session` holds it now, without its line break.
    std::string nextLine(const EditSession& session);

private:
    int below(int bound) { return static_cast<int>(random_() % static_cast<uint32_t>(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    int liveChannel(const EditSession& session);
    // A live channel, or now and then any slot.
    int channel(const EditSession& session);
    int transponder(const EditSession& session);
    std::string channels(const EditSession& session, int most);
    std::string name(int limit);

    std::mt19937 random_;
};

// `lines` generated lines that run, one after another, on the base database `base` of the
// script checks (a name of FuzzBases.h), as a script with its "# image:" line.
std::string randomScript(std::string_view base, uint32_t seed, int lines);

}  // namespace kavro::fuzzing

// What is wrong with a list before the receiver sees it: the findings of one check over the
// whole database, each with its kind, the channel or transponder it concerns and a one-line
// text. Written once for the window's Problems panel and `kavro-tool lint`.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

class ChannelDatabase;

namespace problem {
// Two or more live channels with the same transponder and service ID.
constexpr std::string_view DuplicateChannel = "duplicate-channel";
// The same name as shown, compared case-insensitively, twice among the TV or the radio
// channels (so twice in one view).
constexpr std::string_view DuplicateName = "duplicate-name";
// A live channel whose name is empty or only blanks.
constexpr std::string_view BlankName = "blank-name";
// A live channel with a video, audio or PCR PID above 8191, or the service ID 65535.
constexpr std::string_view PidRange = "pid-range";
// Live channels whose satellite is not shown: they appear in no tree.
constexpr std::string_view HiddenSatellite = "hidden-satellite";
// A live transponder with the satellite, frequency in MHz and polarization of an earlier one.
constexpr std::string_view DuplicateTransponder = "duplicate-transponder";
// A live transponder with no live channel.
constexpr std::string_view EmptyTransponder = "empty-transponder";
// A favourite group that holds channels but has no name.
constexpr std::string_view FavoriteUnnamed = "favorite-unnamed";
}  // namespace problem

// Every kind, in the order the findings come.
constexpr std::array<std::string_view, 8> ProblemKinds = {
    problem::DuplicateChannel, problem::DuplicateName,   problem::BlankName,
    problem::PidRange,         problem::HiddenSatellite, problem::DuplicateTransponder,
    problem::EmptyTransponder, problem::FavoriteUnnamed};

struct Finding {
    std::string_view kind;  // one of ProblemKinds
    int channel = -1;       // the slot it concerns, -1 for none
    int transponder = -1;   // the transponder it concerns, -1 for none
    int row = -1;           // the channel's No. in the ALL list, -1 for none
    std::string text;       // Latin-1 bytes, like the names it quotes
};

// How the texts name a channel: by its slot (`channel 15 "News"`, what scripts take) or as
// the list shows it, by its No. in the ALL list (`No. 0009 "News"`).
enum class ChannelNaming { Slot, ListNumber };

// The findings of `db`, by kind in the order of ProblemKinds, each kind's by slot.
std::vector<Finding> findProblems(const ChannelDatabase& db,
                                  ChannelNaming naming = ChannelNaming::Slot);

// A finding as reportProblems hands it over: its text lasts until the next one.
struct FindingView {
    std::string_view kind;
    int channel;
    int transponder;
    int row;
    std::string_view text;
};

// The findings of findProblems, in its order, each handed to `report` as soon as its text
// is written, without a copy of the text for each: for callers that only pass them on.
void reportProblems(const ChannelDatabase& db, ChannelNaming naming,
                    const std::function<void(const FindingView&)>& report);

// The number of findings of each kind, in the order of ProblemKinds.
std::array<int, ProblemKinds.size()> countProblems(const std::vector<Finding>& findings);

}  // namespace kavro

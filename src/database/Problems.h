// What is wrong with a list before the receiver sees it: the findings of one check over the
// whole database, each with its kind, the channel or transponder it concerns and a one-line
// text. Written once for the window's Problems panel and `kavro-tool lint`.
#pragma once

#include <array>
#include <memory>
#include <span>
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

// A finding's text is Latin-1 bytes, like the names it quotes, held by the list it is in.
struct Finding {
    std::string_view kind;  // one of ProblemKinds
    int channel = -1;       // the slot it concerns, -1 for none
    int transponder = -1;   // the transponder it concerns, -1 for none
    int row = -1;           // the channel's No. in the ALL list, -1 for none
    std::string_view text;
};

// Findings whose texts share a few large blocks the list owns, rather than a string each: a
// list of thousands takes a few allocations, and none when a cleared list is filled again. A
// text lasts as long as its list, moved or not, until the list is cleared or assigned.
class FindingList {
public:
    FindingList() = default;
    FindingList(const FindingList& other);
    FindingList& operator=(const FindingList& other);
    FindingList(FindingList&& other) noexcept;
    FindingList& operator=(FindingList&& other) noexcept;
    ~FindingList() = default;

    size_t size() const { return findings_.size(); }
    bool empty() const { return findings_.empty(); }
    const Finding& operator[](size_t i) const { return findings_[i]; }
    const Finding* begin() const { return findings_.data(); }
    const Finding* end() const { return findings_.data() + findings_.size(); }

    // Empties the list, keeping its storage for the next findings.
    void clear();
    // Makes room for `count` findings.
    void reserve(size_t count) { findings_.reserve(count); }
    // Adds `finding` with a copy of its text.
    void add(const Finding& finding);

private:
    // Room for `size` more bytes of text: in the block being filled, else in the next.
    char* textRoom(size_t size);

    struct Block {
        std::unique_ptr<char[]> bytes;
        size_t size;
    };
    std::vector<Finding> findings_;
    // Texts never move: a block too full for the next text is left for the next block. The
    // blocks, not their bytes, move with the list.
    std::vector<Block> blocks_;
    size_t block_ = 0;  // the block being filled
    size_t used_ = 0;   // its bytes taken
};

// How the texts name a channel: by its slot (`channel 15 "News"`, what scripts take) or as
// the list shows it, by its No. in the ALL list (`No. 0009 "News"`).
enum class ChannelNaming { Slot, ListNumber };

// Finds the problems of databases, keeping its work space from one check to the next, for
// callers that check often; one check at a time.
class ProblemFinder {
public:
    ProblemFinder();
    ~ProblemFinder();
    ProblemFinder(const ProblemFinder&) = delete;
    ProblemFinder& operator=(const ProblemFinder&) = delete;

    // Replaces `findings` with the findings of `db`, as findProblems lists them.
    void find(const ChannelDatabase& db, ChannelNaming naming, FindingList& findings);

    struct Work;  // what the checks sort and count, kept for the next check

private:
    std::unique_ptr<Work> work_;
};

// The findings of `db`, by kind in the order of ProblemKinds, each kind's by slot.
FindingList findProblems(const ChannelDatabase& db, ChannelNaming naming = ChannelNaming::Slot);

// The number of findings of each kind, in the order of ProblemKinds.
std::array<int, ProblemKinds.size()> countProblems(std::span<const Finding> findings);

}  // namespace kavro

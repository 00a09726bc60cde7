// The texts of the problems findProblems reports: what a check found, written as a finding.
#pragma once

#include <string>
#include <vector>

#include "Problems.h"

namespace kavro::problems {

// Indexes into ProblemKinds.
enum KindAt : size_t {
    DuplicateChannelAt,
    DuplicateNameAt,
    BlankNameAt,
    PidRangeAt,
    HiddenSatelliteAt,
    DuplicateTransponderAt,
    EmptyTransponderAt,
    FavoriteUnnamedAt
};
static_assert(ProblemKinds[DuplicateChannelAt] == problem::DuplicateChannel &&
              ProblemKinds[FavoriteUnnamedAt] == problem::FavoriteUnnamed);

// What a check found, before its text is written: its kind and up to three numbers, as
// each check says.
struct Found {
    KindAt kind;
    int a;
    int b = -1;
    int c = -1;
};

// What FindingTexts keeps from one list to the next.
struct TextSpace {
    std::string text;  // the text of the finding being written
    // The transponder texts begin with, as {transponder, finding, length}: the part written
    // for a duplicate transponder is copied for the same transponder's empty finding.
    struct TransponderPart {
        int transponder;
        size_t finding;
        size_t length;
    };
    std::vector<TransponderPart> transponderParts;
};

// Writes findings into a list.
class FindingTexts {
public:
    // `live`: the live channel slots, ascending.
    FindingTexts(const ChannelDatabase& db, ChannelNaming naming, const std::vector<int>& live,
                 TextSpace& space, FindingList& findings)
        : db_(db),
          naming_(naming),
          live_(live),
          text_(space.text),
          parts_(space.transponderParts),
          findings_(findings) {
        parts_.clear();
    }

    // Adds the finding of `found`, with its text, to the list.
    void write(const Found& found);

private:
    void add(KindAt kind, int channel, int transponder);
    int allRow(int ch) const;
    void appendChannelNumber(int ch);
    void appendChannel(int ch);
    void appendTransponder(int t);
    bool appendWrittenTransponder(int t);
    void duplicateChannelText(int ch, int original);
    void duplicateNameText(int ch, int original);
    void blankNameText(int ch);
    void pidRangeText(int ch);
    void hiddenSatelliteText(int s, int count, int first);
    void duplicateTransponderText(int t, int original);
    void emptyTransponderText(int t);
    void unnamedGroupText(int g, int members, int first);

    const ChannelDatabase& db_;
    ChannelNaming naming_;
    const std::vector<int>& live_;
    std::string& text_;
    std::vector<TextSpace::TransponderPart>& parts_;
    size_t nextPart_ = 0;  // the first part an empty transponder's text may copy
    FindingList& findings_;
};

}  // namespace kavro::problems

// The texts of the problems findProblems reports: what a check found, written as a finding.
#pragma once

#include <functional>
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

// Writes findings, each text in one buffer kept for all of them.
class FindingTexts {
public:
    // `live`: the live channel slots, ascending.
    FindingTexts(const ChannelDatabase& db, ChannelNaming naming, const std::vector<int>& live)
        : db_(db), naming_(naming), live_(live) {
        text_.reserve(256);
    }

    // Hands the finding of `found`, with its text, to `report`.
    void write(const Found& found, const std::function<void(const FindingView&)>& report);

private:
    void add(KindAt kind, int channel, int transponder);
    int allRow(int ch) const;
    void appendChannelNumber(int ch);
    void appendChannel(int ch);
    void appendTransponder(int t);
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
    const std::function<void(const FindingView&)>* report_ = nullptr;
    std::string text_;  // the text of the finding being written
};

}  // namespace kavro::problems

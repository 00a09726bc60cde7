#include "ProblemTexts.h"

#include <algorithm>
#include <charconv>

#include "ChannelDatabase.h"
#include "DisplayText.h"
#include "RecordLayout.h"
#include "Words.h"

namespace kavro::problems {

namespace {

// `value` in decimal, as std::to_string writes it.
void appendNumber(std::string& text, int value) {
    char digits[16];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The most a piece of a text puts together.
static_assert(Words::Size > 2 * sat::NameArea + 64);

void appendQuoted(std::string& text, std::string_view name) {
    text += '"';
    text += name;
    text += '"';
}

}  // namespace

void FindingTexts::write(const Found& found) {
    text_.clear();
    switch (found.kind) {
        case DuplicateChannelAt:
            return duplicateChannelText(found.a, found.b);
        case DuplicateNameAt:
            return duplicateNameText(found.a, found.b);
        case BlankNameAt:
            return blankNameText(found.a);
        case PidRangeAt:
            return pidRangeText(found.a);
        case HiddenSatelliteAt:
            return hiddenSatelliteText(found.a, found.b, found.c);
        case DuplicateTransponderAt:
            return duplicateTransponderText(found.a, found.b);
        case EmptyTransponderAt:
            return emptyTransponderText(found.a);
        case FavoriteUnnamedAt:
            return unnamedGroupText(found.a, found.b, found.c);
    }
}

// Adds a finding with the text built in text_.
void FindingTexts::add(KindAt kind, int channel, int transponder) {
    findings_.add({ProblemKinds[kind], channel, transponder, allRow(channel), text_});
}

// The row of a live channel in the ALL list: its place among the live slots.
int FindingTexts::allRow(int ch) const {
    if (ch < 0) {
        return -1;
    }
    const auto at = std::lower_bound(live_.begin(), live_.end(), ch);
    return at != live_.end() && *at == ch ? static_cast<int>(at - live_.begin()) : -1;
}

// "channel 15" or "No. 0009".
void FindingTexts::appendChannelNumber(int ch) {
    if (naming_ == ChannelNaming::Slot) {
        text_ += "channel ";
        appendNumber(text_, ch);
        return;
    }
    text_ += "No. ";
    const size_t from = text_.size();
    appendNumber(text_, allRow(ch));
    const size_t digits = text_.size() - from;
    if (digits < 4) {
        text_.insert(from, 4 - digits, '0');
    }
}

// `channel 15 "News"`.
void FindingTexts::appendChannel(int ch) {
    appendChannelNumber(ch);
    text_ += ' ';
    appendQuoted(text_, db_.channelName(ch));
}

// `transponder 3 (11727H 27500 on "Astra")`.
void FindingTexts::appendTransponder(int t) {
    (Words() << "transponder " << t << " (").appendTo(text_);
    appendTransponderShortText(text_, db_, t);
    (Words() << " " << db_.transponderSymbolRate(t) << " on \""
             << db_.satelliteName(db_.transponderSatellite(t)) << "\")")
        .appendTo(text_);
}

void FindingTexts::duplicateChannelText(int ch, int original) {
    const int t = db_.channelTransponder(ch);
    appendChannel(ch);
    text_ += " has the transponder (";
    appendTransponderShortText(text_, db_, t);
    text_ += ") and service ID (";
    appendNumber(text_, db_.channelServiceId(ch));
    text_ += ") of ";
    appendChannel(original);
    add(DuplicateChannelAt, ch, t);
}

void FindingTexts::duplicateNameText(int ch, int original) {
    appendChannel(ch);
    text_ += " has the name of ";
    appendChannel(original);
    text_ += db_.isRadioChannel(ch) ? " (both radio)" : " (both TV)";
    add(DuplicateNameAt, ch, -1);
}

void FindingTexts::blankNameText(int ch) {
    const int t = db_.channelTransponder(ch);
    appendChannelNumber(ch);
    text_ += " (";
    appendTransponderShortText(text_, db_, t);
    text_ += ", service ID ";
    appendNumber(text_, db_.channelServiceId(ch));
    text_ += ") has no name";
    add(BlankNameAt, ch, t);
}

void FindingTexts::pidRangeText(int ch) {
    appendChannel(ch);
    text_ += ": ";
    const size_t faults = text_.size();
    const auto separate = [&] { text_ += text_.size() == faults ? "" : ", "; };
    const std::pair<const char*, int> pids[] = {{"video PID", db_.channelVideoPid(ch)},
                                                {"audio PID", db_.channelAudioPid(ch)},
                                                {"PCR PID", db_.channelPcrPid(ch)}};
    for (const auto& [name, pid] : pids) {
        if (pid > PidLimit) {
            separate();
            text_ += name;
            text_ += ' ';
            appendNumber(text_, pid);
            text_ += " above ";
            appendNumber(text_, PidLimit);
        }
    }
    if (db_.channelServiceId(ch) == UnassignedServiceId) {
        separate();
        text_ += "service ID 65535, which the next Add Channel on its transponder overwrites";
    }
    add(PidRangeAt, ch, -1);
}

void FindingTexts::hiddenSatelliteText(int s, int count, int first) {
    text_ += "satellite ";
    appendNumber(text_, s);
    text_ += ' ';
    appendQuoted(text_, db_.satelliteName(s));
    text_ += " is not shown: its ";
    appendNumber(text_, count);
    text_ += count == 1 ? " channel appears" : " channels appear";
    text_ += " in no tree";
    add(HiddenSatelliteAt, first, -1);
}

// The part of an earlier finding's text that appendTransponder(t) wrote, if there is one.
// The parts and the empty transponders both come by transponder, so each part is looked at
// about once.
bool FindingTexts::appendWrittenTransponder(int t) {
    while (nextPart_ < parts_.size() && parts_[nextPart_].transponder < t) {
        ++nextPart_;
    }
    if (nextPart_ == parts_.size() || parts_[nextPart_].transponder != t) {
        return false;
    }
    const TextSpace::TransponderPart& part = parts_[nextPart_];
    text_.append(findings_[part.finding].text.substr(0, part.length));
    return true;
}

void FindingTexts::duplicateTransponderText(int t, int original) {
    appendTransponder(t);
    parts_.push_back({t, findings_.size(), text_.size()});
    (Words() << " has the frequency and polarization of transponder " << original).appendTo(text_);
    add(DuplicateTransponderAt, -1, t);
}

void FindingTexts::emptyTransponderText(int t) {
    if (!appendWrittenTransponder(t)) {
        appendTransponder(t);
    }
    text_ += " has no channel";
    add(EmptyTransponderAt, -1, t);
}

void FindingTexts::unnamedGroupText(int g, int members, int first) {
    text_ += "favourite group ";
    appendNumber(text_, g + 1);
    text_ += " holds ";
    appendNumber(text_, members);
    text_ += members == 1 ? " channel" : " channels";
    text_ += " but has no name";
    add(FavoriteUnnamedAt, first, -1);
}

}  // namespace kavro::problems

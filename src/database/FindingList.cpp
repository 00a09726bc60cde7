#include <algorithm>

#include "Problems.h"

namespace kavro {

namespace {

// Each finding of `findings`, whose text is in `from`, given the same text in `to`.
void pointTexts(std::vector<Finding>& findings, const char* from, const char* to) {
    for (Finding& finding : findings) {
        finding.text = {to + (finding.text.data() - from), finding.text.size()};
    }
}

}  // namespace

FindingList::FindingList(const FindingList& other)
    : findings_(other.findings_), texts_(other.texts_) {
    pointTexts(findings_, other.texts_.data(), texts_.data());
}

FindingList& FindingList::operator=(const FindingList& other) {
    if (this != &other) {
        findings_ = other.findings_;
        texts_ = other.texts_;
        pointTexts(findings_, other.texts_.data(), texts_.data());
    }
    return *this;
}

void FindingList::clear() {
    findings_.clear();
    texts_.clear();
}

void FindingList::reserve(size_t count, size_t textBytes) {
    findings_.reserve(count);
    if (textBytes > texts_.size()) {
        reserveText(textBytes - texts_.size());
    }
}

void FindingList::add(const Finding& finding) {
    const std::string_view text = finding.text;
    reserveText(text.size());
    const size_t at = texts_.size();
    texts_.insert(texts_.end(), text.begin(), text.end());  // in the room just made
    findings_.push_back(finding);
    findings_.back().text = {texts_.data() + at, text.size()};
}

// The texts are copied to the larger buffer while the old one still holds them, so that each
// view is moved by its offset into the old one.
void FindingList::reserveText(size_t more) {
    if (texts_.capacity() - texts_.size() >= more) {
        return;
    }
    constexpr size_t FirstSize = 4096;
    std::vector<char> larger;
    larger.reserve(std::max({FirstSize, texts_.size() + more, 2 * texts_.capacity()}));
    larger.assign(texts_.begin(), texts_.end());
    pointTexts(findings_, texts_.data(), larger.data());
    texts_.swap(larger);
}

}  // namespace kavro

#include <algorithm>
#include <cstring>
#include <utility>

#include "Problems.h"

namespace kavro {

FindingList::FindingList(const FindingList& other) {
    *this = other;
}

FindingList& FindingList::operator=(const FindingList& other) {
    if (this != &other) {
        clear();
        reserve(other.size(), other.textSize_);
        for (const Finding& finding : other) {
            add(finding);
        }
    }
    return *this;
}

FindingList::FindingList(FindingList&& other) noexcept {
    *this = std::move(other);
}

FindingList& FindingList::operator=(FindingList&& other) noexcept {
    if (this != &other) {
        findings_ = std::move(other.findings_);
        texts_ = std::move(other.texts_);
        textSize_ = std::exchange(other.textSize_, 0);
        textCapacity_ = std::exchange(other.textCapacity_, 0);
        other.findings_.clear();
    }
    return *this;
}

void FindingList::clear() {
    findings_.clear();
    textSize_ = 0;
}

void FindingList::reserve(size_t count, size_t textBytes) {
    findings_.reserve(count);
    if (textBytes > textSize_) {
        reserveText(textBytes - textSize_);
    }
}

void FindingList::add(const Finding& finding) {
    const std::string_view text = finding.text;
    reserveText(text.size());
    char* at = texts_.get() + textSize_;
    if (!text.empty()) {
        std::memcpy(at, text.data(), text.size());
    }
    textSize_ += text.size();
    findings_.push_back(finding);
    findings_.back().text = {at, text.size()};
}

// The texts are copied to the larger buffer while the old one still holds them, so that each
// view is moved by its offset into the old one.
void FindingList::reserveText(size_t more) {
    if (textCapacity_ - textSize_ >= more) {
        return;
    }
    constexpr size_t FirstSize = 4096;
    const size_t capacity = std::max({FirstSize, textSize_ + more, 2 * textCapacity_});
    auto larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (textSize_ != 0) {
        std::memcpy(larger.get(), texts_.get(), textSize_);
    }
    for (Finding& finding : findings_) {
        finding.text = {larger.get() + (finding.text.data() - texts_.get()), finding.text.size()};
    }
    texts_ = std::move(larger);
    textCapacity_ = capacity;
}

}  // namespace kavro

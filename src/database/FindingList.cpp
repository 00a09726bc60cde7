#include <algorithm>
#include <cstring>
#include <utility>

#include "Problems.h"

namespace kavro {

namespace {

// Small enough for the allocator to reuse rather than map afresh, large enough for hundreds of
// texts.
constexpr size_t BlockSize = 32 * 1024;

}  // namespace

FindingList::FindingList(const FindingList& other) {
    *this = other;
}

FindingList& FindingList::operator=(const FindingList& other) {
    if (this != &other) {
        clear();
        reserve(other.size());
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
        blocks_ = std::move(other.blocks_);
        block_ = std::exchange(other.block_, 0);
        used_ = std::exchange(other.used_, 0);
        other.findings_.clear();
        other.blocks_.clear();
    }
    return *this;
}

void FindingList::clear() {
    findings_.clear();
    block_ = 0;
    used_ = 0;
}

void FindingList::add(const Finding& finding) {
    const std::string_view text = finding.text;
    char* at = textRoom(text.size());
    if (!text.empty()) {
        std::memcpy(at, text.data(), text.size());
    }
    findings_.push_back(finding);
    findings_.back().text = {at, text.size()};
}

char* FindingList::textRoom(size_t size) {
    while (block_ < blocks_.size() && blocks_[block_].size - used_ < size) {
        ++block_;
        used_ = 0;
    }
    if (block_ == blocks_.size()) {
        const size_t blockSize = std::max(BlockSize, size);
        blocks_.push_back({std::make_unique_for_overwrite<char[]>(blockSize), blockSize});
        used_ = 0;
    }
    char* room = blocks_[block_].bytes.get() + used_;
    used_ += size;
    return room;
}

}  // namespace kavro

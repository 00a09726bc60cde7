#include "History.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kavro {

namespace {

// Ranges are compared a block at a time: equal blocks are skipped at the speed of memcmp,
// and only the ends of a stretch of differing blocks are trimmed byte by byte.
constexpr size_t CompareBlock = 64;
// Unchanged stretches are passed over this many bytes at a time, from the offsets that are
// multiples of it (and so of CompareBlock).
constexpr size_t SkipBlock = 64 * CompareBlock;

void swapBytes(uint8_t* a, uint8_t* b, size_t length) {
    uint8_t chunk[4096];
    for (size_t done = 0; done < length; done += sizeof chunk) {
        const size_t n = std::min(sizeof chunk, length - done);
        std::memcpy(chunk, a + done, n);
        std::memcpy(a + done, b + done, n);
        std::memcpy(b + done, chunk, n);
    }
}

// The `n` bytes at `a` and `b` differ: a short stretch (a block) compared a word at a time,
// without a call, a long one by memcmp.
bool bytesDiffer(const uint8_t* a, const uint8_t* b, size_t n) {
    if (n > CompareBlock) {
        return std::memcmp(a, b, n) != 0;
    }
    uint64_t x = 0;
    uint64_t y = 0;
    size_t i = 0;
    for (; i + sizeof x <= n; i += sizeof x) {
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        if (x != y) {
            return true;
        }
    }
    for (; i < n; ++i) {
        if (a[i] != b[i]) {
            return true;
        }
    }
    return false;
}

}  // namespace

void StepBytes::setSize(size_t size) {
    if (size > capacity_) {
        data_.reset(new uint8_t[size]);  // left uninitialised: the caller writes it whole
        capacity_ = size;
    }
    size_ = size;
}

void StepBytes::swap(StepBytes& other) noexcept {
    data_.swap(other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
}

HistoryStep::HistoryStep(EditPlan& plan)
    : label_(std::move(plan.label)),
      reach_(plan.reach),
      channelsBefore_(std::move(plan.channelsBefore)),
      channelsAfter_(std::move(plan.channelsAfter)) {}

void HistoryStep::record(StepBytes& before, std::span<const TableRange> ranges,
                         const uint8_t* tables) {
    size_t compared = 0;
    for (const TableRange& range : ranges) {
        addRuns(before.data() + compared, tables + range.offset, range.offset, range.length,
                compared);
        compared += range.length;
    }
    runs_.shrink_to_fit();
    size_t changed = 0;
    for (const Run& run : runs_) {
        changed += run.length;
    }
    // Most of it changed and it holds little beside: the runs point into it already.
    if (!runs_.empty() && changed >= compared / 4 * 3 &&
        before.capacity() <= compared + compared / 4) {
        data_.swap(before);
        return;
    }
    data_.setSize(changed);
    size_t held = 0;
    for (Run& run : runs_) {
        std::memcpy(data_.data() + held, before.data() + run.held, run.length);
        run.held = static_cast<uint32_t>(held);
        held += run.length;
    }
}

void HistoryStep::addRuns(const uint8_t* before, const uint8_t* now, size_t offset, size_t length,
                          size_t held) {
    auto differs = [&](size_t at, size_t block = CompareBlock) {
        return bytesDiffer(before + at, now + at, std::min(block, length - at));
    };
    for (size_t at = 0; at < length;) {
        if (at % SkipBlock == 0 && !differs(at, SkipBlock)) {
            at += SkipBlock;
            continue;
        }
        if (!differs(at)) {
            at += CompareBlock;
            continue;
        }
        size_t end = std::min(at + CompareBlock, length);
        while (end < length && differs(end)) {
            end = std::min(end + CompareBlock, length);
        }
        size_t first = at;
        while (before[first] == now[first]) {
            ++first;
        }
        size_t last = end;
        while (before[last - 1] == now[last - 1]) {
            --last;
        }
        runs_.push_back({static_cast<uint32_t>(offset + first), static_cast<uint32_t>(last - first),
                         static_cast<uint32_t>(held + first)});
        at = end;
    }
}

void HistoryStep::giveBytes(StepBytes& keep) {
    if (data_.capacity() > keep.capacity()) {
        data_.swap(keep);
    }
}

void HistoryStep::exchange(uint8_t* tables) {
    for (const Run& run : runs_) {
        swapBytes(data_.data() + run.held, tables + run.offset, run.length);
    }
}

size_t HistoryStep::bytes() const {
    return sizeof *this + label_.capacity() +
           (channelsBefore_.capacity() + channelsAfter_.capacity()) * sizeof(int) +
           runs_.capacity() * sizeof(Run) + data_.capacity();
}

void History::clear(StepBytes* keep) {
    if (keep) {
        for (HistoryStep& step : steps_) {
            step.giveBytes(*keep);
        }
    }
    steps_.clear();
    position_ = 0;
    cleanPosition_ = 0;
    bytes_ = 0;
}

void History::forget(StepBytes* keep) {
    const bool clean = isClean();
    clear(keep);
    cleanPosition_ = clean ? 0 : -1;
}

void History::push(HistoryStep step) {
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    if (cleanPosition_ > static_cast<long long>(position_)) {
        cleanPosition_ = -1;  // the saved state could only have been reached by a redo
    }
    bytes_ += step.bytes();
    steps_.push_back(std::move(step));
    ++position_;
    while (bytes_ > budget_ && steps_.size() > 1) {
        dropOldest();
    }
}

void History::dropOldest() {
    bytes_ -= steps_.front().bytes();
    steps_.pop_front();
    --position_;
    cleanPosition_ = cleanPosition_ > 0 ? cleanPosition_ - 1 : -1;
}

HistoryStep& History::stepBack() {
    return steps_[--position_];
}

HistoryStep& History::stepForward() {
    return steps_[position_++];
}

void History::setBudget(size_t budget) {
    budget_ = budget;
    while (bytes_ > budget_ && steps_.size() > 1 && position_ > 0) {
        dropOldest();
    }
}

}  // namespace kavro

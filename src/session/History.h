// The undo history of an edit session: steps stored as the byte runs of the tables they
// changed, a position between them, the position of the saved state, and a memory budget
// past which the oldest steps go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "EditAppliers.h"

namespace kavro {

// Bytes of the tables held for a step, or taken before an edit: a buffer that is written
// whole once sized, so that sizing it does not first zero a megabyte of the tables.
class StepBytes {
public:
    // `size` bytes of unspecified value; the memory is kept when it is large enough.
    void setSize(size_t size);
    uint8_t* data() { return data_.get(); }
    const uint8_t* data() const { return data_.get(); }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }
    void swap(StepBytes& other) noexcept;

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// One step: the runs of table bytes an edit changed, each holding the bytes of the other
// side (those before the edit while it stands, those after it once undone), so that undo and
// redo are the same exchange.
class HistoryStep {
public:
    HistoryStep() = default;
    // A step named and described by `plan`, whose channels it keeps.
    explicit HistoryStep(EditPlan& plan);

    // Records every byte of the ranges (sorted, apart) where `before`, their bytes one range
    // after another, differs from `tables` (the database's bytes) now. When most of them
    // changed, the step takes `before` over instead of copying the changed bytes out of it.
    void record(StepBytes& before, std::span<const TableRange> ranges, const uint8_t* tables);
    // No byte changed.
    bool empty() const { return runs_.empty(); }
    // Exchanges the bytes held with those of `tables`: undoes the step when it stands,
    // redoes it when it was undone.
    void exchange(uint8_t* tables);

    const std::string& label() const { return label_; }
    ChangeReach reach() const { return reach_; }
    const std::vector<int>& channelsBefore() const { return channelsBefore_; }
    const std::vector<int>& channelsAfter() const { return channelsAfter_; }
    // The memory the step holds, itself included.
    size_t bytes() const;
    // Gives the buffer of bytes held to `keep` when it is the larger, for a step that goes.
    void giveBytes(StepBytes& keep);

private:
    struct Run {
        uint32_t offset;  // in the tables
        uint32_t length;
        uint32_t held;  // in data_
    };
    // The runs where `before` (at `held` of the bytes compared) differs from `now`.
    void addRuns(const uint8_t* before, const uint8_t* now, size_t offset, size_t length,
                 size_t held);

    std::string label_;
    ChangeReach reach_ = ChangeReach::Fields;
    std::vector<int> channelsBefore_;
    std::vector<int> channelsAfter_;
    std::vector<Run> runs_;
    StepBytes data_;  // the runs' bytes
};

class History {
public:
    static constexpr size_t DefaultBudget = size_t{64} << 20;

    explicit History(size_t budget = DefaultBudget) : budget_(budget) {}

    // No steps; the position is the saved state. With `keep`, the largest buffer of bytes
    // the steps held goes there when larger than its own, for the next edit to take its
    // bytes into.
    void clear(StepBytes* keep = nullptr);
    // No steps, as clear(); the position is the saved state only when it was.
    void forget(StepBytes* keep = nullptr);
    // Adds a step after the position, dropping the steps that could have been redone, then
    // the oldest steps while the history holds more than its budget (never the new one).
    void push(HistoryStep step);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // The step an undo or a redo would exchange; nullptr when there is none.
    const HistoryStep* nextUndo() const { return canUndo() ? &steps_[position_ - 1] : nullptr; }
    const HistoryStep* nextRedo() const { return canRedo() ? &steps_[position_] : nullptr; }
    // Moves the position over the step and returns it for the exchange. Only when there is
    // one.
    HistoryStep& stepBack();
    HistoryStep& stepForward();

    // The tables stand as they were saved (QUndoStack::isClean): the position is that of the
    // last save, open or clear. After the saved state's step was dropped no position is.
    bool isClean() const { return static_cast<long long>(position_) == cleanPosition_; }
    void markClean() { cleanPosition_ = static_cast<long long>(position_); }

    size_t stepCount() const { return steps_.size(); }
    size_t position() const { return position_; }
    size_t bytes() const { return bytes_; }
    size_t budget() const { return budget_; }
    void setBudget(size_t budget);

private:
    void dropOldest();

    std::deque<HistoryStep> steps_;
    size_t position_ = 0;
    long long cleanPosition_ = 0;  // -1: no position
    size_t bytes_ = 0;
    size_t budget_;
};

}  // namespace kavro

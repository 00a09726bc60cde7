// The undo history of an edit session: steps stored as the byte runs of the tables they
// changed, a position between them, the position of the saved state, and a memory budget
// past which the oldest steps go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "EditAppliers.h"

namespace kavro {

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
    void record(std::vector<uint8_t>& before, std::span<const TableRange> ranges,
                const uint8_t* tables);
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
    std::vector<uint8_t> data_;  // the runs' bytes
};

class History {
public:
    static constexpr size_t DefaultBudget = size_t{64} << 20;

    explicit History(size_t budget = DefaultBudget) : budget_(budget) {}

    // No steps; the position is the saved state.
    void clear();
    // No steps; the position is the saved state only when it was.
    void forget();
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

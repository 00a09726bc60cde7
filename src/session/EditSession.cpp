#include "EditSession.h"

#include <algorithm>
#include <cstring>

#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseReader.h"

namespace kavro {

EditSession::EditSession()
    : db_(std::make_unique<ChannelDatabase>()),
      index_(std::make_unique<ViewIndex>()),
      file_(std::make_unique<DatabaseFile>()) {}

EditSession::~EditSession() = default;

View EditSession::view() const {
    return index_->view();
}

void EditSession::setView(View view) {
    index_->rebuild(*db_, view);
    notify(SessionEvent::ViewChanged, ChangeReach::Records);
}

OpenResult EditSession::open(const std::string& path) {
    const OpenResult result = file_->open(path, *db_);
    if (result.outcome == OpenOutcome::Accepted) {
        path_ = path;
        loaded();
    }
    return result;
}

OpenResult EditSession::load(const uint8_t* data, size_t size) {
    const OpenResult result = file_->load(data, size, *db_);
    if (result.outcome == OpenOutcome::Accepted) {
        path_.clear();
        loaded();
    }
    return result;
}

void EditSession::reset(View view) {
    std::memset(db_->mutableBytes(), 0, table::Size);
    file_->reset();
    path_.clear();
    open_ = false;
    history_.clear();
    plan_ = EditPlan{};  // what the last edit planned, an import's texts among it
    before_ = StepBytes();
    index_->rebuild(*db_, view);
    notify(SessionEvent::Loaded, ChangeReach::Records);
}

DatabaseReader& EditSession::otherDatabases() {
    if (!reader_) {
        reader_ = std::make_unique<DatabaseReader>();
    }
    return *reader_;
}

void EditSession::forgetHistory() {
    history_.forget(&before_);  // one buffer, the largest, kept for the next edit
    plan_ = EditPlan{};
}

void EditSession::loaded() {
    open_ = true;
    // The work space of the last file's edits: its plan, which may have grown with its
    // biggest, goes; one buffer of bytes, the largest, is kept for the next edit.
    history_.clear(&before_);
    plan_ = EditPlan{};
    index_->rebuild(*db_, view());
    notify(SessionEvent::Loaded, ChangeReach::Records);
}

SaveResult EditSession::save(const SaveOptions& options) {
    const SaveResult result = file_->save(path_, *db_, options);
    if (result.outcome == SaveOutcome::Written) {
        history_.markClean();
        notify(SessionEvent::Saved, ChangeReach::Fields);
    }
    return result;
}

SaveResult EditSession::saveAs(const std::string& path, const SaveOptions& options) {
    const SaveResult result = file_->saveAs(path, *db_, options);
    if (result.outcome == SaveOutcome::Written) {
        path_ = path;
        history_.markClean();
        notify(SessionEvent::Saved, ChangeReach::Fields);
    }
    return result;
}

// The bytes of the planned ranges before the edit, one range after another.
void EditSession::takeBefore(const std::vector<TableRange>& ranges) {
    size_t total = 0;
    for (const TableRange& range : ranges) {
        total += range.length;
    }
    before_.setSize(total);
    uint8_t* out = before_.data();
    for (const TableRange& range : ranges) {
        std::memcpy(out, db_->bytes() + range.offset, range.length);
        out += range.length;
    }
}

EditResult EditSession::apply(const Edit& edit) {
    EditResult result;
    planEdit(*db_, edit, plan_);
    if (!plan_.refusal.empty()) {
        result.refusal = plan_.refusal;
        return result;
    }
    result.applied = true;
    takeBefore(plan_.ranges);
    applyEdit(*db_, edit, plan_, moveBuffer_, result);
    HistoryStep step(plan_);
    step.record(before_, plan_.ranges, db_->bytes());
    if (step.empty()) {
        return result;
    }
    result.changed = true;
    if (step.reach() != ChangeReach::Fields) {
        index_->rebuild(*db_, view());
    }
    history_.push(std::move(step));
    const HistoryStep& pushed = *history_.nextUndo();
    notify(SessionEvent::Edited, pushed.reach(), pushed.channelsAfter());
    return result;
}

void EditSession::exchange(HistoryStep& step) {
    step.exchange(db_->mutableBytes());
    if (step.reach() != ChangeReach::Fields) {
        index_->rebuild(*db_, view());
    }
}

bool EditSession::undo() {
    if (!history_.canUndo()) {
        return false;
    }
    HistoryStep& step = history_.stepBack();
    exchange(step);
    notify(SessionEvent::Undone, step.reach(), step.channelsBefore());
    return true;
}

bool EditSession::redo() {
    if (!history_.canRedo()) {
        return false;
    }
    HistoryStep& step = history_.stepForward();
    exchange(step);
    notify(SessionEvent::Redone, step.reach(), step.channelsAfter());
    return true;
}

std::string EditSession::undoLabel() const {
    const HistoryStep* step = history_.nextUndo();
    return step ? step->label() : std::string();
}

std::string EditSession::redoLabel() const {
    const HistoryStep* step = history_.nextRedo();
    return step ? step->label() : std::string();
}

void EditSession::addObserver(SessionObserver& observer) {
    observers_.push_back(&observer);
}

void EditSession::removeObserver(SessionObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

void EditSession::notify(SessionEvent event, ChangeReach reach, const std::vector<int>& channels) {
    const SessionChange change{event, reach, channels};
    for (SessionObserver* observer : observers_) {
        observer->sessionChanged(change);
    }
}

}  // namespace kavro

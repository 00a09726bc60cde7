// One open database and everything that goes with it: the tables, the view index of the
// current view, the file (path, image, bytes read, what the file was when last read or
// written) and the undo history. Every change of the tables goes through apply(), undo() and
// redo(); observers hear of each change once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Edit.h"
#include "EditAppliers.h"
#include "History.h"
#include "SessionObserver.h"
#include "database/View.h"
#include "dbfile/DatabaseFile.h"

namespace kavro {

class ChannelDatabase;
class DatabaseReader;
class ViewIndex;

class EditSession {
public:
    // No database open: every table zero, the view View::All.
    EditSession();
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    const ChannelDatabase& database() const { return *db_; }
    const ViewIndex& viewIndex() const { return *index_; }
    View view() const;
    // Rebuilds the view index for `view`. Not a step.
    void setView(View view);

    // Opens the file at `path` as the editor's Open does. Only when it is accepted does it
    // replace the tables, the image and the path; the history is then cleared and the file
    // counts as saved.
    OpenResult open(const std::string& path);
    // The same for an image already in memory (`size` bytes, the start of a file); no path.
    OpenResult load(const uint8_t* data, size_t size);
    // A new start: every table zero, no file, no history, the view `view`.
    void reset(View view = View::All);
    // A database was opened or loaded since the start or the last reset.
    bool isOpen() const { return open_; }
    // The file Save writes to; empty when none.
    const std::string& path() const { return path_; }

    // Save writes to path(); Save As to `path`, which becomes path() when it was written.
    // A written file marks the history's position as saved.
    SaveResult save(const SaveOptions& options = {});
    SaveResult saveAs(const std::string& path, const SaveOptions& options = {});
    DatabaseFile& file() { return *file_; }
    const DatabaseFile& file() const { return *file_; }

    // Applies one edit. A refused edit changes nothing; an edit that changed no byte is no
    // step and leaves the modified mark as it was.
    EditResult apply(const Edit& edit);
    // When the last edit applied was an import, the plan it followed: what it copied,
    // updated and left out, and why.
    const ImportPlan& lastImportPlan() const { return plan_.import; }
    // False, changing nothing, when there is no step to undo or redo.
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The name of the step an undo or redo would take back or do again; empty when none.
    std::string undoLabel() const;
    std::string redoLabel() const;
    // The tables differ from the state last opened or saved, as far as the history knows.
    bool isModified() const { return !history_.isClean(); }
    const History& history() const { return history_; }
    // Forgets every step to undo or redo and what the last edit planned, keeping the tables
    // and the modified mark: for a caller that keeps one session for many databases.
    void forgetHistory();
    void setHistoryBudget(size_t bytes) { history_.setBudget(bytes); }

    // The reader of the other databases this session's edits take from (an import's source,
    // a reference order's file). It keeps its buffers from one read to the next; a database
    // it read that a step still holds is never read over.
    DatabaseReader& otherDatabases();

    void addObserver(SessionObserver& observer);
    void removeObserver(SessionObserver& observer);

private:
    void loaded();
    void notify(SessionEvent event, ChangeReach reach, const std::vector<int>& channels = {});
    void takeBefore(const std::vector<TableRange>& ranges);
    void exchange(HistoryStep& step);

    std::unique_ptr<ChannelDatabase> db_;
    std::unique_ptr<ViewIndex> index_;
    std::unique_ptr<DatabaseFile> file_;
    std::string path_;
    bool open_ = false;
    History history_;
    std::vector<SessionObserver*> observers_;
    // Work space of apply, kept so that an edit allocates as little as it can.
    EditPlan plan_;
    StepBytes before_;
    std::vector<uint8_t> moveBuffer_;
    std::unique_ptr<DatabaseReader> reader_;  // made on first use
};

}  // namespace kavro

// The Problems panel below the channel list: the findings of the open database (see
// database/Problems.h), one a row with its kind and text. After every change of the tables
// they are found anew on a worker thread, from a copy of the tables, shortly after the
// change (once for a run of changes), and shown when ready, so that no change waits for
// them; changes made meanwhile are checked once that check ends. A double-click on a row asks the
// window to show what the finding concerns.
#pragma once

#include <QAbstractTableModel>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include "database/ChannelDatabase.h"

#include "database/Problems.h"
#include "session/SessionObserver.h"

class QTableView;

namespace kavro {

class EditSession;

// The findings as rows: the panel's copy of what the check found last, not of the tables.
class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column : int { KindColumn, TextColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setFindings(FindingList findings);
    const FindingList& findings() const { return findings_; }

private:
    FindingList findings_;
};

class ProblemsPanel : public QWidget, public SessionObserver {
    Q_OBJECT

public:
    explicit ProblemsPanel(const EditSession& session, QWidget* parent = nullptr);

    // Finds the problems of the session's database now, on this thread.
    void recheck();
    // True from a change until its check ended; the findings shown are the last ones.
    bool isChecking() const;
    // Blocks until the check running on the worker thread, if any, has ended; its findings
    // are shown when the event loop next runs.
    void waitForRunningCheck();
    int count() const { return static_cast<int>(model_->findings().size()); }
    const FindingList& findings() const { return model_->findings(); }
    QTableView* view() const { return view_; }

    // Found anew after an open and after every change of the tables.
    void sessionChanged(const SessionChange& change) override;

signals:
    void countChanged(int count);
    // A finding was double-clicked; -1 for what it does not concern.
    void findingActivated(int channel, int transponder);
    // A finding about satellite `satellite`, not shown, was double-clicked.
    void hiddenSatelliteActivated(int satellite);

private:
    void startCheck();
    void show(FindingList findings);
    void checkEnded();

    const EditSession& session_;
    ProblemsModel* model_;
    QTableView* view_;
    QThreadPool worker_;
    QFutureWatcher<FindingList> watcher_;
    QTimer checkDelay_;
    // From the start of a check until its end was handled.
    bool checking_ = false;
    // The tables changed since the running check copied them.
    bool pending_ = false;
    // Counts the changes; a check's findings are shown only for the tables of the last one.
    int generation_ = 0;
    int checkedGeneration_ = 0;
};

}  // namespace kavro

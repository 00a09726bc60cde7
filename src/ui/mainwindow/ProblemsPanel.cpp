#include "ProblemsPanel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <memory>

#include "ShownText.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

constexpr int KindColumnWidth = 130;
constexpr int PanelHeight = 150;
// A check starts this long after the last change: the change is painted first, without a
// worker taking the other core and a copy of the tables on this thread, and a run of
// changes (a key held down) is checked once.
constexpr int CheckDelayMs = 30;

// The findings are rows: Home and End go to the first and the last one, as in the channel
// list, rather than to the first and last column of the row.
class FindingsView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        if (action == MoveHome || action == MoveEnd) {
            modifiers |= Qt::ControlModifier;
        }
        return QTableView::moveCursor(action, modifiers);
    }
};

}  // namespace

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const Finding& finding = findings_[static_cast<size_t>(index.row())];
    if (index.column() == KindColumn) {
        return translatedCoreText(finding.kind);
    }
    return translatedShownText(shownText(finding.text));
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == KindColumn ? QCoreApplication::translate("kavro::ProblemsPanel", "Kind")
                                 : QCoreApplication::translate("kavro::ProblemsPanel", "Problem");
}

void ProblemsModel::setFindings(FindingList findings) {
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

ProblemsPanel::ProblemsPanel(const EditSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      model_(new ProblemsModel(this)),
      view_(new FindingsView(this)) {
    setObjectName(QStringLiteral("problemsPanel"));
    view_->setObjectName(QStringLiteral("problemsView"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Fixed row heights and column widths: a refill measures no text.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->horizontalHeader()->setSectionResizeMode(ProblemsModel::KindColumn, QHeaderView::Fixed);
    view_->horizontalHeader()->resizeSection(ProblemsModel::KindColumn, KindColumnWidth);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setMinimumHeight(PanelHeight / 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const Finding& finding = findings()[static_cast<size_t>(index.row())];
        if (finding.kind == problem::HiddenSatellite && session_.isOpen()) {
            emit hiddenSatelliteActivated(session_.database().channelSatellite(finding.channel));
            return;
        }
        emit findingActivated(finding.channel, finding.transponder);
    });
    connect(&watcher_, &QFutureWatcherBase::finished, this, &ProblemsPanel::checkEnded);
    // Qt's painting splits large fills over the global pool: a check there would hold
    // up every paint made while it runs.
    worker_.setMaxThreadCount(1);
    checkDelay_.setSingleShot(true);
    checkDelay_.setInterval(CheckDelayMs);
    connect(&checkDelay_, &QTimer::timeout, this, &ProblemsPanel::startCheck);
}

void ProblemsPanel::waitForRunningCheck() {
    if (checking_) {
        watcher_.waitForFinished();
    }
}

bool ProblemsPanel::isChecking() const {
    return checking_ || checkDelay_.isActive();
}

void ProblemsPanel::recheck() {
    ++generation_;
    pending_ = false;
    checkDelay_.stop();
    show(session_.isOpen() ? findProblems(session_.database(), ChannelNaming::ListNumber)
                           : FindingList());
}

void ProblemsPanel::sessionChanged(const SessionChange& change) {
    if (change.event == SessionEvent::ViewChanged || change.event == SessionEvent::Saved) {
        return;
    }
    ++generation_;
    if (!session_.isOpen()) {
        pending_ = false;
        checkDelay_.stop();
        show({});
    } else if (checking_) {
        pending_ = true;
    } else {
        checkDelay_.start();
    }
}

// The worker reads its own copy of the tables: the session goes on changing them.
void ProblemsPanel::startCheck() {
    if (!session_.isOpen()) {
        return;
    }
    pending_ = false;
    checking_ = true;
    checkedGeneration_ = generation_;
    auto tables = std::make_shared<const ChannelDatabase>(session_.database());
    watcher_.setFuture(QtConcurrent::run(
        &worker_, [tables] { return findProblems(*tables, ChannelNaming::ListNumber); }));
}

// The findings of tables changed since are not shown: the check that follows replaces them.
void ProblemsPanel::checkEnded() {
    checking_ = false;
    if (pending_ && session_.isOpen()) {
        startCheck();
    } else if (checkedGeneration_ == generation_ && session_.isOpen()) {
        QFuture<FindingList> check = watcher_.future();
        show(check.takeResult());
    }
}

void ProblemsPanel::show(FindingList findings) {
    model_->setFindings(std::move(findings));
    emit countChanged(count());
}

}  // namespace kavro

#include "ProblemsPanel.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "ShownText.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

constexpr int KindColumnWidth = 130;
constexpr int PanelHeight = 150;

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
        return QString::fromLatin1(finding.kind.data(),
                                   static_cast<qsizetype>(finding.kind.size()));
    }
    return shownText(finding.text);
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == KindColumn ? QStringLiteral("Kind") : QStringLiteral("Problem");
}

void ProblemsModel::setFindings(std::vector<Finding> findings) {
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
}

void ProblemsPanel::recheck() {
    model_->setFindings(session_.isOpen()
                            ? findProblems(session_.database(), ChannelNaming::ListNumber)
                            : std::vector<Finding>());
    emit countChanged(count());
}

void ProblemsPanel::sessionChanged(const SessionChange& change) {
    if (change.event != SessionEvent::ViewChanged && change.event != SessionEvent::Saved) {
        recheck();
    }
}

}  // namespace kavro

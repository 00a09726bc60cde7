// The Problems panel below the list with its "Problems (N)" button, which opens and closes
// it. A double-click on a finding shows what it concerns.
#include <QPushButton>
#include <QSplitter>

#include "ChannelListCtrl.h"
#include "FindField.h"
#include "MainWindow.h"
#include "ProblemsPanel.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// The share of the list area the panel takes when it opens.
constexpr int ListShare = 2;
constexpr int PanelShare = 1;

}  // namespace

QSplitter* MainWindow::buildListArea() {
    auto* area = new QSplitter(Qt::Vertical, this);
    problems_ = new ProblemsPanel(*session_, area);
    area->addWidget(list_);
    area->addWidget(problems_);
    area->setChildrenCollapsible(false);
    area->setStretchFactor(0, ListShare);
    area->setStretchFactor(1, PanelShare);
    problems_->hide();
    return area;
}

void MainWindow::connectListTools() {
    connect(problems_, &ProblemsPanel::countChanged, this, &MainWindow::showProblemCount);
    connect(problems_, &ProblemsPanel::findingActivated, this,
            [this](int channel, int transponder) {
                if (session_->isOpen() && !list_->isDragging()) {
                    // A channel that Find hides is shown by emptying Find first.
                    const ChannelDatabase& db = session_->database();
                    if (db.isLiveChannel(channel) && !selection_.find().matches(db, channel)) {
                        findField_->clear();
                    }
                    listCommands_.showFinding(channel, transponder);
                }
            });
    connect(problems_, &ProblemsPanel::hiddenSatelliteActivated, this, [this](int satellite) {
        if (!list_->isDragging()) {
            satelliteCommands_.openDialog(satellite);
        }
    });
    connect(problemsButton_, &QPushButton::toggled, this, [this](bool open) {
        problems_->setVisible(open);
        if (open) {
            auto* area = static_cast<QSplitter*>(problems_->parentWidget());
            const int height = area->height();
            area->setSizes({height * ListShare / (ListShare + PanelShare),
                            height * PanelShare / (ListShare + PanelShare)});
        }
    });
    showProblemCount(problems_->count());
}

void MainWindow::showProblemCount(int count) {
    problemsButton_->setText(QStringLiteral("Problems (%1)").arg(count));
}

}  // namespace kavro

// The Problems panel docked under the list, with its "Problems (N)" button in the status
// bar, which opens and closes it. A double-click on a finding shows what it concerns.
#include <QDockWidget>
#include <QPushButton>

#include "ChannelListView.h"
#include "FindField.h"
#include "MainWindow.h"
#include "ProblemsPanel.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"

namespace kavro {

void MainWindow::buildProblemsDock() {
    problemsDock_ = new QDockWidget(QStringLiteral("Problems"), this);
    problemsDock_->setObjectName(QStringLiteral("problemsDock"));
    problemsDock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    problemsDock_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    problems_ = new ProblemsPanel(*session_, problemsDock_);
    problemsDock_->setWidget(problems_);
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock_);
    problemsDock_->hide();
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
    connect(problemsButton_, &QPushButton::toggled, problemsDock_, &QDockWidget::setVisible);
    // The dock's own close box unticks the button.
    connect(problemsDock_->toggleViewAction(), &QAction::toggled, problemsButton_,
            &QPushButton::setChecked);
    showProblemCount(problems_->count());
}

void MainWindow::showProblemCount(int count) {
    problemsButton_->setText(tr("Problems (%1)").arg(count));
}

}  // namespace kavro

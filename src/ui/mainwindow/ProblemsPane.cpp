#include "ProblemsPane.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "ChannelListView.h"
#include "FindField.h"
#include "ListCommands.h"
#include "ListPane.h"
#include "ProblemsPanel.h"
#include "SatelliteCommands.h"
#include "WindowPanes.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// Room beside the text of the button for its frame.
constexpr int ButtonPadding = 24;

QString countText(const QString& count) {
    return QCoreApplication::translate("kavro::MainWindow", "Problems (%1)").arg(count);
}

}  // namespace

ProblemsPane::ProblemsPane(EditSession& session, QMainWindow& window)
    : QObject(&window),
      session_(session),
      dock_(new QDockWidget(QStringLiteral("Problems"), &window)),
      panel_(new ProblemsPanel(session, dock_)),
      button_(new QPushButton(&window)) {
    dock_->setObjectName(QStringLiteral("problemsDock"));
    dock_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    dock_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    dock_->setWidget(panel_);
    window.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();
    button_->setCheckable(true);
    button_->setFlat(true);
    button_->setAutoDefault(false);
    button_->setObjectName(QStringLiteral("problemsButton"));
    // Wide enough for the count of a full list, so the text is never cut.
    button_->setMinimumWidth(
        button_->fontMetrics().horizontalAdvance(countText(QStringLiteral("00000"))) +
        ButtonPadding);
    session_.addObserver(*panel_);
}

ProblemsPane::~ProblemsPane() {
    session_.removeObserver(*panel_);
}

void ProblemsPane::addButtonTo(QStatusBar& bar) {
    bar.addPermanentWidget(button_);
}

void ProblemsPane::showSession(bool open) {
    button_->setEnabled(open);
}

void ProblemsPane::wire(const PaneContext& context) {
    const WindowParts& parts = context.parts;
    connect(panel_, &ProblemsPanel::countChanged, this, &ProblemsPane::showCount);
    connect(
        panel_, &ProblemsPanel::findingActivated, this,
        [&parts, &context](int channel, int transponder) {
            if (!parts.session.isOpen() || parts.list.view()->isDragging()) {
                return;
            }
            // A channel that Find hides is shown by emptying Find first.
            const ChannelDatabase& db = parts.session.database();
            if (db.isLiveChannel(channel) && !parts.refresh.filter().find.matches(db, channel)) {
                parts.list.findField()->clear();
            }
            context.lists.showFinding(channel, transponder);
        });
    connect(panel_, &ProblemsPanel::hiddenSatelliteActivated, this, [&parts, &context](int s) {
        if (!parts.list.view()->isDragging()) {
            context.satellites.openDialog(s);
        }
    });
    connect(button_, &QPushButton::toggled, dock_, &QDockWidget::setVisible);
    // The dock's own close box unticks the button.
    connect(dock_->toggleViewAction(), &QAction::toggled, button_, &QPushButton::setChecked);
    showCount(panel_->count());
}

void ProblemsPane::showCount(int count) {
    button_->setText(countText(QString::number(count)));
}

}  // namespace kavro

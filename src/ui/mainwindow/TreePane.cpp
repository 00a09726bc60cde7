#include "TreePane.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include "ChannelListView.h"
#include "ListPane.h"
#include "SatelliteTree.h"
#include "TransponderCommands.h"
#include "WindowPanes.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// The tree keeps a width that shows its items' texts.
constexpr int TreeMinimumWidth = 150;

}  // namespace

TreePane::TreePane(QWidget* parent) : QWidget(parent), tree_(new SatelliteTree(this)) {
    tree_->setObjectName(QStringLiteral("satelliteTree"));
    tree_->setMinimumWidth(TreeMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addWidget(buildViewGroup(), 0, Qt::AlignLeft);
}

QWidget* TreePane::buildViewGroup() {
    auto* group = new QGroupBox(this);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 2, 10, 2);
    viewGroup_ = new QButtonGroup(this);
    const char* const captions[] = {QT_TRANSLATE_NOOP("kavro::MainWindow", "ALL"),
                                    QT_TRANSLATE_NOOP("kavro::MainWindow", "TV"),
                                    QT_TRANSLATE_NOOP("kavro::MainWindow", "RADIO")};
    const char* const names[] = {"viewAll", "viewTv", "viewRadio"};
    for (View view : Views) {
        const int number = viewNumber(view);
        viewButtons_[number] = new QRadioButton(
            QCoreApplication::translate("kavro::MainWindow", captions[number]), group);
        viewButtons_[number]->setObjectName(QString::fromLatin1(names[number]));
        viewGroup_->addButton(viewButtons_[number], number);
        layout->addWidget(viewButtons_[number]);
    }
    return group;
}

void TreePane::wire(const PaneContext& context) {
    const WindowParts& parts = context.parts;
    connect(tree_, &QTreeWidget::itemSelectionChanged, this,
            [this, &context] { onSelectionChanged(context); });
    connect(tree_, &SatelliteTree::treeDoubleClicked, this, [&context] {
        if (context.parts.session.isOpen()) {
            context.transponders.editTransponder();
        }
    });
    connect(tree_, &SatelliteTree::showAllRequested, this, [&parts] {
        if (parts.session.isOpen() && !parts.list.view()->isDragging()) {
            parts.refresh.showWholeView();
        }
    });
    connect(tree_, &SatelliteTree::treeRightClicked, this,
            [this, &context] { showPopup(context, QCursor::pos()); });
    connect(tree_, &SatelliteTree::menuKeyPressed, this,
            [this, &context] { showPopup(context, tree_->keyboardMenuPosition()); });
    connect(tree_, &SatelliteTree::deleteKeyPressed, this,
            [&context] { context.transponders.deleteByKey(); });
    for (View view : Views) {
        connect(viewButtons_[viewNumber(view)], &QRadioButton::clicked, this,
                [this, &context, view] { onViewButton(context, view); });
    }
}

// A refill selects the tree's item itself; the list is already filled then.
void TreePane::onSelectionChanged(const PaneContext& context) {
    const QTreeWidgetItem* item = tree_->selectedItem();
    EditSession& session = context.parts.session;
    if (!session.isOpen() || !item) {
        return;
    }
    context.parts.selection.takeTreeItem(item, session.viewIndex());
    context.parts.refresh.filterBySatellite(SatelliteTree::itemSatellite(item));
}

void TreePane::onViewButton(const PaneContext& context, View view) {
    if (context.parts.session.isOpen()) {
        context.parts.refresh.showView(view);
    }
}

void TreePane::showPopup(const PaneContext& context, const QPoint& globalPos) {
    const Popup shown = popup();
    if (context.parts.session.isOpen() && shown != Popup::None) {
        context.runPopup(shown, globalPos);
    }
}

Popup TreePane::popup() const {
    const QTreeWidgetItem* item = tree_->selectedItem();
    if (!item) {
        return Popup::None;
    }
    return SatelliteTree::isTransponderItem(item) ? Popup::Transponder : Popup::Satellite;
}

QRadioButton* TreePane::viewButton(View view) const {
    return viewButtons_[viewNumber(view)];
}

void TreePane::showView(View view) {
    viewButton(view)->setChecked(true);
}

}  // namespace kavro

#include "ListPane.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "ChannelCommands.h"
#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "FindField.h"
#include "OrderCommands.h"
#include "WindowPanes.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// The list keeps room for a few columns and rows.
constexpr int ListMinimumWidth = 300;
constexpr int ListMinimumHeight = 120;
constexpr int FindLabelGap = 4;  // between "Find" and its field

}  // namespace

ListPane::ListPane(const ChannelDatabase& db, QWidget* window)
    : QObject(window),
      view_(new ChannelListView(window)),
      model_(new ChannelListModel(db, this)),
      find_(new FindField(window)),
      rowCount_(new QLabel(window)),
      filterStatus_(new QLabel(window)) {
    view_->setObjectName(QStringLiteral("channelList"));
    view_->setMinimumSize(ListMinimumWidth, ListMinimumHeight);
    view_->setUpColumns(model_);
    filterStatus_->setObjectName(QStringLiteral("filterStatus"));
    rowCount_->setObjectName(QStringLiteral("rowCount"));
    rowCount_->setAlignment(Qt::AlignCenter);
    rowCount_->setMinimumWidth(
        rowCount_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
}

void ListPane::addFindTo(QToolBar& bar) {
    auto* label = new QLabel(QCoreApplication::translate("kavro::MainWindow", "Find"), &bar);
    label->setContentsMargins(0, 0, FindLabelGap, 0);
    label->setBuddy(find_);
    bar.addWidget(label);
    bar.addWidget(find_);
}

void ListPane::addCountsTo(QStatusBar& bar) {
    bar.addPermanentWidget(filterStatus_);
    bar.addPermanentWidget(rowCount_);
}

void ListPane::wire(const PaneContext& context) {
    connect(view_, &ChannelListView::listClicked, this,
            [this, &context] { takeSelection(context); });
    connect(view_, &ChannelListView::listDoubleClicked, this, [&context] {
        if (context.parts.session.isOpen()) {
            context.channels.editChannel();
        }
    });
    connect(view_, &ChannelListView::listRightClicked, this,
            [this, &context] { showPopup(context, QCursor::pos()); });
    connect(view_, &ChannelListView::channelsDropped, this, [&context](const DropTarget& drop) {
        if (context.parts.session.isOpen()) {
            context.channels.moveDropped(drop);
        }
    });
    wireKeys(context);
    wireFind(context);
}

// A selection made in the list with the keys makes the list the owner of the selection,
// as a click does, so that Delete acts on it.
void ListPane::wireKeys(const PaneContext& context) {
    connect(view_, &ChannelListView::selectedByKeyboard, this,
            [this, &context] { takeSelection(context); });
    connect(view_, &ChannelListView::deleteKeyPressed, this,
            [&context] { context.channels.deleteChannels(); });
    connect(view_, &ChannelListView::menuKeyPressed, this,
            [this, &context] { showPopup(context, view_->keyboardMenuPosition()); });
    connect(view_, &ChannelListView::moveKeyPressed, this, [this, &context](int key) {
        takeSelection(context);
        context.order.moveByKey(key);
    });
    connect(view_, &ChannelListView::openKeyPressed, this, [this, &context] {
        if (context.parts.session.isOpen()) {
            context.channels.editChannel(view_->currentIndex().row());
        }
    });
}

// A drag in the list ends without a move when Find changes: its rows are about to be
// filled anew.
void ListPane::wireFind(const PaneContext& context) {
    connect(find_, &QLineEdit::textChanged, this, [this, &context] {
        view_->cancelDrag();
        context.parts.refresh.applyFind(find_->find());
    });
    connect(find_, &FindField::downPressed, this, [this, &context] { goToFirstMatch(context); });
    connect(find_, &QLineEdit::returnPressed, this, [this, &context] {
        if (goToFirstMatch(context)) {
            context.channels.editChannel(0);
        }
    });
}

bool ListPane::goToFirstMatch(const PaneContext& context) {
    view_->setFocus(Qt::OtherFocusReason);
    if (!context.parts.session.isOpen() || model_->rowCount() == 0) {
        return false;
    }
    view_->clearSelection();
    view_->selectAndShowRow(0);
    context.parts.selection.takeList();
    return true;
}

void ListPane::takeSelection(const PaneContext& context) {
    if (context.parts.session.isOpen() && view_->hasSelectedRows()) {
        context.parts.selection.takeList();
    }
}

void ListPane::focusFind() {
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
}

ChannelSlot ListPane::firstSelectedChannel() const {
    return model_->channelAt(ListRow(view_->firstSelectedRow()));
}

ChannelSlot ListPane::currentChannel() const {
    return model_->channelAt(ListRow(view_->currentIndex().row()));
}

void ListPane::escape() {
    if (view_->isDragging()) {
        view_->cancelDrag();
    } else if (!find_->text().isEmpty()) {
        find_->clear();
    }
}

void ListPane::showPopup(const PaneContext& context, const QPoint& globalPos) {
    if (context.parts.session.isOpen()) {
        context.runPopup(Popup::List, globalPos);
    }
}

}  // namespace kavro

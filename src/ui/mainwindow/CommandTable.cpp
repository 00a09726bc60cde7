#include "CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace kavro {

namespace {

const char* const MenuTitles[MenuCount] = {"&File", "&Edit", "&Channels",
                                           "&Tree", "&View", "&Help"};

}  // namespace

CommandTable::CommandTable(QWidget& window) : window_(window), menuBar_(new QMenuBar(&window)) {
    for (int m = 0; m < MenuCount; ++m) {
        menus_[m] = menuBar_->addMenu(QString::fromLatin1(MenuTitles[m]));
    }
}

QAction* CommandTable::add(CommandEntry entry) {
    auto* action = new QAction(QString::fromLatin1(entry.text), &window_);
    action->setData(entry.command);
    action->setShortcuts(entry.keys);
    if (entry.keyOwnedByView) {
        // Matches only while the menu bar has the focus, which it never keeps.
        action->setShortcutContext(Qt::WidgetShortcut);
    } else {
        window_.addAction(action);
    }
    QObject::connect(action, &QAction::triggered, &window_, [this, run = entry.run] {
        if (!paused_ && !(blocked_ && blocked_()) && run) {
            run();
        }
    });
    menu(entry.menu)->addAction(action);
    entries_.push_back(std::move(entry));
    actions_.push_back(action);
    return action;
}

QAction* CommandTable::action(int command) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].command == command) {
            return actions_[i];
        }
    }
    return nullptr;
}

void CommandTable::updateEnabled(const std::function<bool(Availability)>& available) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        actions_[i]->setEnabled(available(entries_[i].availability));
    }
}

QString keyText(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

}  // namespace kavro

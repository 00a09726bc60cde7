#include "CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace kavro {

namespace {

const char* const MenuTitles[MenuCount] = {
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&File"),     QT_TRANSLATE_NOOP("kavro::MenuBar", "&Edit"),
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&Channels"), QT_TRANSLATE_NOOP("kavro::MenuBar", "&Tree"),
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&View"),     QT_TRANSLATE_NOOP("kavro::MenuBar", "&Help")};

}  // namespace

CommandTable::CommandTable(QWidget& window) : window_(window), menuBar_(new QMenuBar(&window)) {
    for (int m = 0; m < MenuCount; ++m) {
        menus_[m] = menuBar_->addMenu(QCoreApplication::translate("kavro::MenuBar", MenuTitles[m]));
    }
}

QAction* CommandTable::add(CommandEntry entry) {
    auto* action = new QAction(QCoreApplication::translate("kavro::MenuBar", entry.text), &window_);
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

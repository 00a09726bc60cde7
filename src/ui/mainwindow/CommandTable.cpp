#include "CommandTable.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QWidget>
#include <algorithm>
#include <cstring>

namespace kavro {

namespace {

const char* const MenuTitles[MenuCount] = {
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&File"),     QT_TRANSLATE_NOOP("kavro::MenuBar", "&Edit"),
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&Channels"), QT_TRANSLATE_NOOP("kavro::MenuBar", "&Tree"),
    QT_TRANSLATE_NOOP("kavro::MenuBar", "&View"),     QT_TRANSLATE_NOOP("kavro::MenuBar", "&Help")};

// The icons Qt brings along, for a desktop theme without the named one.
struct BundledIcon {
    const char* themeName;
    QStyle::StandardPixmap pixmap;
};

const BundledIcon BundledIcons[] = {
    {"document-open", QStyle::SP_DialogOpenButton}, {"document-save", QStyle::SP_DialogSaveButton},
    {"document-save-as", QStyle::SP_DriveFDIcon},   {"edit-undo", QStyle::SP_ArrowBack},
    {"edit-redo", QStyle::SP_ArrowForward},
};

QIcon commandIcon(const char* name) {
    for (const BundledIcon& bundled : BundledIcons) {
        if (std::strcmp(bundled.themeName, name) == 0) {
            return QIcon::fromTheme(QString::fromLatin1(name),
                                    QApplication::style()->standardIcon(bundled.pixmap));
        }
    }
    return QIcon::fromTheme(QString::fromLatin1(name));
}

unsigned placeOf(Popup popup) {
    switch (popup) {
        case Popup::List:
            return InListPopup;
        case Popup::Transponder:
            return InTransponderPopup;
        case Popup::Satellite:
            return InSatellitePopup;
        case Popup::None:
            break;
    }
    return 0;
}

}  // namespace

CommandTable::CommandTable(QWidget& window) : window_(window), menuBar_(new QMenuBar(&window)) {
    for (int m = 0; m < MenuCount; ++m) {
        menus_[m] = menuBar_->addMenu(QCoreApplication::translate("kavro::MenuBar", MenuTitles[m]));
    }
}

CommandTable::~CommandTable() = default;

QString CommandTable::menuTitle(MenuName name) {
    return QCoreApplication::translate("kavro::MenuBar", MenuTitles[static_cast<int>(name)])
        .remove(QLatin1Char('&'));
}

QAction* CommandTable::add(CommandEntry entry) {
    auto* action = new QAction(QCoreApplication::translate("kavro::MenuBar", entry.text), &window_);
    action->setIconText(action->text().remove(QStringLiteral("...")));
    action->setData(static_cast<int>(entry.id));
    if (entry.keys[0] != '\0') {
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(entry.keys),
                                                          QKeySequence::PortableText));
    }
    action->setCheckable(entry.checkable);
    if (entry.icon) {
        action->setIcon(commandIcon(entry.icon));
        action->setIconVisibleInMenu(false);
    }
    if (entry.keyOwnedByView) {
        // Matches only while the menu bar has the focus, which it never keeps.
        action->setShortcutContext(Qt::WidgetShortcut);
    } else {
        window_.addAction(action);
    }
    QObject::connect(action, &QAction::triggered, &window_, [this, id = entry.id] {
        if (!paused_) {
            run(id);
        }
    });
    QMenu* home = placeIn(entry);
    addGrouped(*home, action, entry.group);
    homes_.push_back(home);
    entries_.push_back(std::move(entry));
    actions_.push_back(action);
    return action;
}

// A separator comes before `action` when its group differs from the one before it.
void CommandTable::addGrouped(QMenu& menu, QAction* action, int group) {
    const auto last = lastGroup_.find(&menu);
    if (last != lastGroup_.end() && last->second != group) {
        menu.addSeparator();
    }
    lastGroup_[&menu] = group;
    menu.addAction(action);
}

// The entry's menu, or its submenu, made on first use where the entry would stand.
QMenu* CommandTable::placeIn(const CommandEntry& entry) {
    QMenu* menu = menus_[static_cast<int>(entry.menu)];
    for (const char* title : entry.submenus) {
        const auto found = std::find_if(submenus_.begin(), submenus_.end(), [&](const Submenu& s) {
            return s.parent == menu && std::strcmp(s.title, title) == 0;
        });
        if (found != submenus_.end()) {
            menu = found->menu;
            continue;
        }
        auto* sub = new QMenu(QCoreApplication::translate("kavro::MenuBar", title), menu);
        addGrouped(*menu, sub->menuAction(), entry.group);
        submenus_.push_back({menu, title, sub});
        menu = sub;
    }
    return menu;
}

QMenu* CommandTable::menuOf(CommandId id) const {
    const size_t i = indexOf(id);
    return i < homes_.size() ? homes_[i] : nullptr;
}

size_t CommandTable::indexOf(CommandId id) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [id](const CommandEntry& e) { return e.id == id; });
    return static_cast<size_t>(found - entries_.begin());
}

QAction* CommandTable::action(CommandId id) const {
    const size_t i = indexOf(id);
    return i < actions_.size() ? actions_[i] : nullptr;
}

const CommandEntry* CommandTable::entry(CommandId id) const {
    const size_t i = indexOf(id);
    return i < entries_.size() ? &entries_[i] : nullptr;
}

std::unique_ptr<QMenu> CommandTable::buildPopup(Popup popup, QWidget* parent) const {
    auto menu = std::make_unique<QMenu>(parent);
    std::vector<size_t> shown;
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].places & placeOf(popup)) {
            shown.push_back(i);
        }
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [this](size_t a, size_t b) { return entries_[a].group < entries_[b].group; });
    std::vector<QMenu*> submenusShown;
    for (size_t k = 0; k < shown.size(); ++k) {
        const CommandEntry& e = entries_[shown[k]];
        QAction* item = actions_[shown[k]];
        if (!e.submenus.empty()) {
            // The outermost submenu stands for all its commands, once.
            QMenu* outer = menus_[static_cast<int>(e.menu)];
            for (const Submenu& s : submenus_) {
                if (s.parent == outer && std::strcmp(s.title, e.submenus.front()) == 0) {
                    outer = s.menu;
                    break;
                }
            }
            if (std::find(submenusShown.begin(), submenusShown.end(), outer) !=
                submenusShown.end()) {
                continue;
            }
            submenusShown.push_back(outer);
            item = outer->menuAction();
        }
        if (k > 0 && e.group != entries_[shown[k - 1]].group) {
            menu->addSeparator();
        }
        menu->addAction(item);
    }
    return menu;
}

void CommandTable::fillToolBar(QToolBar& toolBar) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].places & InToolbar) {
            toolBar.addAction(actions_[i]);
        }
    }
}

void CommandTable::updateEnabled(const std::function<bool(Availability)>& available) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        actions_[i]->setEnabled(available(entries_[i].availability));
    }
}

void CommandTable::run(CommandId id) const {
    const CommandEntry* e = entry(id);
    if (!e || !e->run || (blocked_ && blocked_()) || !action(id)->isEnabled()) {
        return;
    }
    if (guard_ && !guard_(e->scope)) {
        return;
    }
    e->run();
}

CommandId commandOf(const QAction& action) {
    return static_cast<CommandId>(action.data().toInt());
}

QString keyText(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

}  // namespace kavro

#include "SelectCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <vector>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "CommandTable.h"
#include "ListPane.h"
#include "SaveGuards.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "session/OrderReference.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

struct SelectEntry {
    CommandId command;
    const char* text;
    ChannelSetKind kind;
    int group;  // added to the first group of the submenu
};

using I = CommandId;
using K = ChannelSetKind;

// The submenu's entries, in their order; In Favourite Group follows Locked.
const SelectEntry SelectEntries[] = {
    {I::SelectAllShown, QT_TRANSLATE_NOOP("kavro::MenuBar", "All"), K::All, 0},
    {I::SelectNone, QT_TRANSLATE_NOOP("kavro::MenuBar", "None"), K::None, 0},
    {I::SelectInvert, QT_TRANSLATE_NOOP("kavro::MenuBar", "Invert"), K::NotIn, 0},
    {I::SelectScrambled, QT_TRANSLATE_NOOP("kavro::MenuBar", "Scrambled"), K::Scrambled, 1},
    {I::SelectFreeToAir, QT_TRANSLATE_NOOP("kavro::MenuBar", "Free to Air"), K::FreeToAir, 1},
    {I::SelectTv, QT_TRANSLATE_NOOP("kavro::MenuBar", "TV"), K::Tv, 1},
    {I::SelectRadio, QT_TRANSLATE_NOOP("kavro::MenuBar", "Radio"), K::Radio, 1},
    {I::SelectLocked, QT_TRANSLATE_NOOP("kavro::MenuBar", "Locked"), K::Locked, 1},
    {I::SelectNoGroup, QT_TRANSLATE_NOOP("kavro::MenuBar", "In No Group"), K::NoFavorite, 1},
    {I::SelectTransponder, QT_TRANSLATE_NOOP("kavro::MenuBar", "On This Transponder"),
     K::Transponder, 1},
    {I::SelectSatellite, QT_TRANSLATE_NOOP("kavro::MenuBar", "On This Satellite"), K::Satellite, 1},
    {I::SelectDuplicates, QT_TRANSLATE_NOOP("kavro::MenuBar", "Duplicates"), K::Duplicate, 2},
    {I::SelectProblems, QT_TRANSLATE_NOOP("kavro::MenuBar", "With Problems"), K::Problems, 2},
    {I::SelectNewSince, QT_TRANSLATE_NOOP("kavro::MenuBar", "New Since..."), K::NotIn, 2},
};

const char* const SelectTitle = QT_TRANSLATE_NOOP("kavro::MenuBar", "Select");
const char* const GroupsTitle = QT_TRANSLATE_NOOP("kavro::MenuBar", "In Favourite Group");

int groupOf(CommandId command) {
    return static_cast<int>(command) - static_cast<int>(CommandId::SelectGroup1);
}

bool isGroupCommand(CommandId command) {
    return groupOf(command) >= 0 && groupOf(command) < FavoriteGroupCount;
}

// The channels of the rows shown, in their order.
std::vector<int> shownChannels(const ChannelListModel& model) {
    std::vector<int> channels(static_cast<size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        channels[static_cast<size_t>(row)] = model.channelAt(ListRow(row)).value;
    }
    return channels;
}

}  // namespace

std::vector<CommandEntry> SelectCommands::commandEntries(int group) {
    static_assert(static_cast<int>(CommandId::SelectGroup8) -
                      static_cast<int>(CommandId::SelectGroup1) + 1 ==
                  FavoriteGroupCount);
    std::vector<CommandEntry> entries;
    auto add = [&](CommandId id, const char* text, int g, std::vector<const char*> submenus) {
        CommandEntry entry{id,
                           text,
                           MenuName::Edit,
                           "",
                           g,
                           InListPopup,
                           Availability::WhenOpen,
                           Scope::List,
                           false,
                           nullptr,
                           false,
                           [this, id] { run(id); }};
        entry.submenus = std::move(submenus);
        entries.push_back(std::move(entry));
    };
    for (const SelectEntry& e : SelectEntries) {
        add(e.command, e.text, group + e.group, {SelectTitle});
        if (e.command == CommandId::SelectLocked) {
            for (int g = 0; g < FavoriteGroupCount; ++g) {
                add(static_cast<CommandId>(static_cast<int>(CommandId::SelectGroup1) + g), "",
                    group + e.group, {SelectTitle, GroupsTitle});
            }
        }
    }
    return entries;
}

void SelectCommands::nameGroupsIn(const CommandTable& table) {
    groups_.clear();
    for (int g = 0; g < FavoriteGroupCount; ++g) {
        groups_.push_back(
            table.action(static_cast<CommandId>(static_cast<int>(CommandId::SelectGroup1) + g)));
    }
    connect(table.menuOf(CommandId::SelectGroup1), &QMenu::aboutToShow, this,
            &SelectCommands::nameGroups);
    nameGroups();
}

// "1 News": the groups as they are named now.
void SelectCommands::nameGroups() {
    const std::vector<QAction*>& actions = groups_;
    for (int g = 0; g < static_cast<int>(actions.size()); ++g) {
        const std::string_view name =
            parts_.session.isOpen() ? parts_.session.database().favoriteGroupName(g) : "";
        actions[static_cast<size_t>(g)]->setText(
            QStringLiteral("%1 %2").arg(g + 1).arg(plainCaption(latin1Text(name))));
    }
}

void SelectCommands::showCount(QStatusBar& bar) {
    count_ = new QLabel(&bar);
    count_->setObjectName(QStringLiteral("selectedCount"));
    bar.addPermanentWidget(count_);
    connect(parts_.list.view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SelectCommands::updateCount);
    connect(parts_.list.model(), &QAbstractItemModel::modelReset, this,
            &SelectCommands::updateCount);
    updateCount();
}

void SelectCommands::updateCount() {
    if (count_) {
        const qsizetype selected = parts_.list.view()->selectedRowPositions().size();
        count_->setText(
            selected > 0
                ? QCoreApplication::translate("kavro::MenuBar", "%1 selected").arg(selected)
                : QString());
    }
}

bool SelectCommands::queryFor(CommandId command, ChannelSetQuery& query,
                              std::vector<int>& others) const {
    const ChannelDatabase& db = parts_.session.database();
    if (isGroupCommand(command)) {
        query = {ChannelSetKind::Favorite, groupOf(command) + 1, {}};
        return true;
    }
    const int current = parts_.list.currentChannel().value;
    for (const SelectEntry& entry : SelectEntries) {
        if (entry.command == command) {
            query.kind = entry.kind;
        }
    }
    switch (command) {
        case CommandId::SelectInvert:
            for (int row : parts_.list.view()->selectedRowPositions()) {
                others.push_back(parts_.list.model()->channelAt(ListRow(row)).value);
            }
            break;
        case CommandId::SelectTransponder:
        case CommandId::SelectSatellite:
            if (!db.isLiveChannel(current)) {
                return false;
            }
            query.value = command == CommandId::SelectTransponder ? db.channelTransponder(current)
                                                                  : db.channelSatellite(current);
            break;
        case CommandId::SelectNewSince: {
            const QString path = parts_.interaction.chooseReferenceFile(parts_.window);
            if (path.isEmpty()) {
                return false;
            }
            const ReferenceOrder reference = readReferenceOrder(db, corePath(path));
            if (reference.outcome != ReferenceOutcome::Matched) {
                parts_.showMessage(QStringLiteral("%1\n%2: %3")
                                       .arg(coreText(reference.message),
                                            QDir::toNativeSeparators(path),
                                            coreText(reference.reason)));
                return false;
            }
            others = reference.edit.channels;
            break;
        }
        default:
            break;
    }
    return true;
}

void SelectCommands::run(CommandId command) {
    if (!parts_.session.isOpen()) {
        return;
    }
    ChannelSetQuery query;
    std::vector<int> others;
    if (queryFor(command, query, others)) {
        query.others = others;
        const bool add = (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0 &&
                         command != CommandId::SelectNone && command != CommandId::SelectInvert;
        select(query, add);
    }
}

void SelectCommands::select(const ChannelSetQuery& query, bool add) {
    const std::vector<int> rows = shownChannels(*parts_.list.model());
    std::vector<char> chosen(ChannelCapacity, 0);
    for (int ch : selectChannels(parts_.session.database(), query, rows)) {
        chosen[static_cast<size_t>(ch)] = 1;
    }
    if (add) {
        for (int row : parts_.list.view()->selectedRowPositions()) {
            chosen[static_cast<size_t>(rows[static_cast<size_t>(row)])] = 1;
        }
    }
    std::vector<ListRow> selected;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (chosen[static_cast<size_t>(rows[row])] != 0) {
            selected.emplace_back(static_cast<int>(row));
        }
    }
    parts_.list.view()->selectOnlyRows(selected);
    if (!selected.empty()) {
        parts_.selection.takeList();
        parts_.list.view()->setFocus(Qt::OtherFocusReason);
    }
    updateCount();
}

}  // namespace kavro

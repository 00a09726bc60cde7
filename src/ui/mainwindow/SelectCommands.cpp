#include "SelectCommands.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <vector>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "CommandTable.h"
#include "SaveGuards.h"
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
    int command;
    const char* text;
    ChannelSetKind kind;
};

// The submenu's entries after All, in their order; In Favourite Group follows Locked.
const SelectEntry SelectEntries[] = {
    {CommandSelectAllShown, "All", ChannelSetKind::All},
    {CommandSelectNone, "None", ChannelSetKind::None},
    {CommandSelectInvert, "Invert", ChannelSetKind::NotIn},
    {CommandSelectScrambled, "Scrambled", ChannelSetKind::Scrambled},
    {CommandSelectFreeToAir, "Free to Air", ChannelSetKind::FreeToAir},
    {CommandSelectTv, "TV", ChannelSetKind::Tv},
    {CommandSelectRadio, "Radio", ChannelSetKind::Radio},
    {CommandSelectLocked, "Locked", ChannelSetKind::Locked},
    {CommandSelectNoGroup, "In No Group", ChannelSetKind::NoFavorite},
    {CommandSelectTransponder, "On This Transponder", ChannelSetKind::Transponder},
    {CommandSelectSatellite, "On This Satellite", ChannelSetKind::Satellite},
    {CommandSelectDuplicates, "Duplicates", ChannelSetKind::Duplicate},
    {CommandSelectProblems, "With Problems", ChannelSetKind::Problems},
    {CommandSelectNewSince, "New Since...", ChannelSetKind::NotIn},
};

// The channels of the rows shown, in their order.
std::vector<int> shownChannels(const ChannelListModel& model) {
    std::vector<int> channels(static_cast<size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        channels[static_cast<size_t>(row)] = model.channelAt(row);
    }
    return channels;
}

}  // namespace

void SelectCommands::addMenu(CommandTable& table, const std::function<void(int)>& run) {
    QMenu* edit = table.menu(MenuName::Edit);
    menu_ = edit->addMenu(QStringLiteral("Select"));
    menu_->setObjectName(QStringLiteral("selectMenu"));
    auto place = [&](int command, const char* text, QMenu* into) {
        QAction* action = table.add(
            {command, text, MenuName::Edit, {}, Availability::WhenOpen, false, [run, command] {
                 run(command);
             }});
        edit->removeAction(action);
        into->addAction(action);
    };
    for (const SelectEntry& entry : SelectEntries) {
        place(entry.command, entry.text, menu_);
        if (entry.command == CommandSelectLocked) {
            groups_ = menu_->addMenu(QStringLiteral("In Favourite Group"));
            for (int g = 0; g < FavoriteGroupCount; ++g) {
                place(CommandSelectGroup1 + g, "", groups_);
            }
        }
        if (entry.command == CommandSelectInvert || entry.command == CommandSelectSatellite) {
            menu_->addSeparator();
        }
    }
    connect(menu_, &QMenu::aboutToShow, this, &SelectCommands::nameGroups);
    nameGroups();
}

// "1 News": the groups as they are named now.
void SelectCommands::nameGroups() {
    const QList<QAction*> actions = groups_->actions();
    for (int g = 0; g < actions.size(); ++g) {
        const std::string_view name =
            parts_.session.isOpen() ? parts_.session.database().favoriteGroupName(g) : "";
        actions[g]->setText(QStringLiteral("%1 %2").arg(g + 1).arg(plainCaption(latin1Text(name))));
    }
}

void SelectCommands::showCount(QStatusBar& bar) {
    count_ = new QLabel(&bar);
    count_->setObjectName(QStringLiteral("selectedCount"));
    bar.addPermanentWidget(count_);
    connect(parts_.list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SelectCommands::updateCount);
    connect(&parts_.model, &QAbstractItemModel::modelReset, this, &SelectCommands::updateCount);
    updateCount();
}

void SelectCommands::updateCount() {
    if (count_) {
        const qsizetype selected = parts_.list.selectedRowPositions().size();
        count_->setText(selected > 0 ? QStringLiteral("%1 selected").arg(selected) : QString());
    }
}

bool SelectCommands::queryFor(int command, ChannelSetQuery& query, std::vector<int>& others) const {
    const ChannelDatabase& db = parts_.session.database();
    if (command >= CommandSelectGroup1 && command < CommandSelectGroup1 + FavoriteGroupCount) {
        query = {ChannelSetKind::Favorite, command - CommandSelectGroup1 + 1, {}};
        return true;
    }
    const int current = parts_.model.channelAt(parts_.list.currentIndex().row());
    for (const SelectEntry& entry : SelectEntries) {
        if (entry.command == command) {
            query.kind = entry.kind;
        }
    }
    switch (command) {
        case CommandSelectInvert:
            for (int row : parts_.list.selectedRowPositions()) {
                others.push_back(parts_.model.channelAt(row));
            }
            break;
        case CommandSelectTransponder:
        case CommandSelectSatellite:
            if (!db.isLiveChannel(current)) {
                return false;
            }
            query.value = command == CommandSelectTransponder ? db.channelTransponder(current)
                                                              : db.channelSatellite(current);
            break;
        case CommandSelectNewSince: {
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

bool SelectCommands::run(int command) {
    const bool known =
        (command >= CommandSelectAllShown && command <= CommandSelectNewSince) ||
        (command >= CommandSelectGroup1 && command < CommandSelectGroup1 + FavoriteGroupCount);
    if (!known || !parts_.session.isOpen()) {
        return known;
    }
    ChannelSetQuery query;
    std::vector<int> others;
    if (queryFor(command, query, others)) {
        query.others = others;
        const bool add = (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0 &&
                         command != CommandSelectNone && command != CommandSelectInvert;
        select(query, add);
    }
    return true;
}

void SelectCommands::select(const ChannelSetQuery& query, bool add) {
    const std::vector<int> rows = shownChannels(parts_.model);
    std::vector<char> chosen(ChannelCapacity, 0);
    for (int ch : selectChannels(parts_.session.database(), query, rows)) {
        chosen[static_cast<size_t>(ch)] = 1;
    }
    if (add) {
        for (int row : parts_.list.selectedRowPositions()) {
            chosen[static_cast<size_t>(rows[static_cast<size_t>(row)])] = 1;
        }
    }
    std::vector<int> selected;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (chosen[static_cast<size_t>(rows[row])] != 0) {
            selected.push_back(static_cast<int>(row));
        }
    }
    parts_.list.selectOnlyRows(selected);
    if (!selected.empty()) {
        parts_.selection.takeList();
        parts_.list.setFocus(Qt::OtherFocusReason);
    }
    updateCount();
}

}  // namespace kavro

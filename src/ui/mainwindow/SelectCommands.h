// Edit > Select and the list popup's Select: the rows shown that are scrambled, radio, in a
// favourite group, on the current row's transponder, duplicated, new since an older list...
// (the core's channel sets), selected at once; with Shift held they are added to the
// selection. The status bar counts the selected rows.
#pragma once

#include <QObject>
#include <functional>
#include <span>
#include <vector>

#include "CommandTable.h"
#include "database/ChannelSets.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace kavro {

struct WindowParts;

class SelectCommands : public QObject {
public:
    explicit SelectCommands(const WindowParts& parts) : parts_(parts) {}

    // The Select submenu's commands, for the end of the Edit menu and of the list's popup;
    // `group` and the two after it are theirs.
    std::vector<CommandEntry> commandEntries(int group);
    // Keeps the favourite groups' items named as the groups are, once the table holds them.
    void nameGroupsIn(const CommandTable& table);
    // The "N selected" field of the status bar, kept up to date from now on.
    void showCount(QStatusBar& bar);

    // Runs a Select command. Shift adds.
    void run(CommandId command);
    // Selects the rows shown that belong to the set; `add` keeps the rows selected already.
    void select(const ChannelSetQuery& query, bool add);

private:
    void nameGroups();
    void updateCount();
    bool queryFor(CommandId command, ChannelSetQuery& query, std::vector<int>& others) const;

    const WindowParts& parts_;
    std::vector<QAction*> groups_;
    QLabel* count_ = nullptr;
};

}  // namespace kavro

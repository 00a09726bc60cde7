// Edit > Select and the list popup's Select: the rows shown that are scrambled, radio, in a
// favourite group, on the current row's transponder, duplicated, new since an older list...
// (the core's channel sets), selected at once; with Shift held they are added to the
// selection. The status bar counts the selected rows.
#pragma once

#include <QObject>
#include <functional>
#include <span>

#include "database/ChannelSets.h"

class QLabel;
class QMenu;
class QStatusBar;

namespace kavro {

class CommandTable;
struct WindowParts;

enum SelectCommand : int {
    CommandSelectAllShown = 33100,
    CommandSelectNone,
    CommandSelectInvert,
    CommandSelectScrambled,
    CommandSelectFreeToAir,
    CommandSelectTv,
    CommandSelectRadio,
    CommandSelectLocked,
    CommandSelectNoGroup,
    CommandSelectTransponder,
    CommandSelectSatellite,
    CommandSelectDuplicates,
    CommandSelectProblems,
    CommandSelectNewSince,
    CommandSelectGroup1,  // ... CommandSelectGroup1 + 7: In Favourite Group > 1..8
};

class SelectCommands : public QObject {
public:
    explicit SelectCommands(const WindowParts& parts) : parts_(parts) {}

    // Puts the Select submenu at the end of the Edit menu; its commands are the table's, run
    // by `run`.
    void addMenu(CommandTable& table, const std::function<void(int)>& run);
    QMenu* menu() const { return menu_; }
    // The "N selected" field of the status bar, kept up to date from now on.
    void showCount(QStatusBar& bar);

    // Runs a Select command; false for a command that is not one. Shift adds.
    bool run(int command);
    // Selects the rows shown that belong to the set; `add` keeps the rows selected already.
    void select(const ChannelSetQuery& query, bool add);

private:
    void nameGroups();
    void updateCount();
    bool queryFor(int command, ChannelSetQuery& query, std::vector<int>& others) const;

    const WindowParts& parts_;
    QMenu* menu_ = nullptr;
    QMenu* groups_ = nullptr;
    QLabel* count_ = nullptr;
};

}  // namespace kavro

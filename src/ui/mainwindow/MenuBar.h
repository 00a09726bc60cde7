// The commands only the menu bar and the keys offer (the popups' commands are numbered in
// MainWindow.h), and the Keyboard Shortcuts dialog built from the command table.
#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace kavro {

class CommandTable;

enum WindowCommand : int {
    CommandOpen = 33001,
    CommandSave,
    CommandSaveAs,
    CommandExit,
    CommandSelectAll,
    CommandFind,
    CommandViewAll,
    CommandViewTv,
    CommandViewRadio,
    CommandKeyboardShortcuts,
    CommandAbout,
    CommandBackups,
    CommandSatellites,
};

// Every command of the table with its keys, by menu, and the keys no menu shows.
std::unique_ptr<QDialog> keyboardShortcutsDialog(const CommandTable& table, QWidget* parent);

}  // namespace kavro

// Help > Keyboard Shortcuts, built from the command table.
#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace kavro {

class CommandTable;

// Every command of the table with its keys, by menu, and the keys no menu shows.
std::unique_ptr<QDialog> keyboardShortcutsDialog(const CommandTable& table, QWidget* parent);

}  // namespace kavro

// The popups of the list and the tree. A right press on an item or a row that is not
// selected selects it alone first (the views do that), so a popup at the mouse acts on what
// the user pointed at; the panes open them (PaneContext::runPopup). A picked command makes
// the list, or the tree, the owner of the selection. The popups show the command table's
// actions, shared with the menu bar.
#include <QAction>
#include <QMenu>

#include "CommandTable.h"
#include "MainWindow.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

std::unique_ptr<QMenu> MainWindow::buildPopup(Popup popup) {
    updateCommands();
    return commands_->buildPopup(popup, this);
}

// The picked command runs once the popup has closed, as its menu item would.
void MainWindow::runPopup(Popup popup, const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu = buildPopup(popup);
    commands_->setPaused(true);
    const QAction* picked = interaction_.runPopup(*menu, globalPos);
    commands_->setPaused(false);
    if (picked) {
        commands_->run(commandOf(*picked));
    }
}

void MainWindow::runCommand(CommandId command) {
    commands_->run(command);
}

}  // namespace kavro

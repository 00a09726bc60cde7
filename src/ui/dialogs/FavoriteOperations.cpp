// The favourite operations: a channel's groups, a group mask for a selection, and the
// group names.
#include <QDialog>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/FavoriteDialog.h"
#include "ui/dialogs/FavoriteNameDialog.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"

namespace kavro {

namespace {

void showGroupNames(FavoriteDialog& dialog, const ChannelDatabase& db) {
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setGroupName(n, db.favoriteGroupName(n));
    }
}

}  // namespace

// The whole word is replaced: groups 9 to 16, which no dialog offers, are cleared. A channel
// that is not live is refused silently, as the window never offers one.
bool runFavoriteDialog(const DialogContext& context, int channel) {
    const ChannelDatabase& db = databaseOf(context);
    FavoriteDialog dialog(context.parent);
    showGroupNames(dialog, db);
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setChecked(n, db.isInFavoriteGroup(channel, n));
    }
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    return context.session->apply(SetFavorites{{channel}, dialog.groupMask()}).applied;
}

int chooseFavorites(const DialogContext& context) {
    FavoriteDialog dialog(context.parent);
    showGroupNames(dialog, databaseOf(context));
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return 0;
    }
    return dialog.groupMask();
}

// A name left as shown keeps every byte of its slot: the edit's rule.
bool runGroupNameDialog(const DialogContext& context) {
    const ChannelDatabase& db = databaseOf(context);
    FavoriteNameDialog dialog(interactionOf(context), context.parent);
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setName(n, db.favoriteGroupName(n));
    }
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    RenameGroups rename;
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        rename.names.push_back({n, dialog.name(n)});
    }
    return applyEdit(context, rename).applied;
}

}  // namespace kavro

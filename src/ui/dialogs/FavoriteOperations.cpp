// The favourite operations: a channel's groups, a group mask for a selection, and the
// group names.
#include <QDialog>

#include "database/ChannelDatabase.h"
#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/FavoriteDialog.h"
#include "ui/dialogs/FavoriteNameDialog.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"

namespace kavro {

namespace {

void showGroupNames(FavoriteDialog& dialog) {
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setGroupName(n, favoriteGroupName(n));
    }
}

}  // namespace

bool EditFavorites(const DialogContext& context, int channel) {
    FavoriteDialog dialog(context.parent);
    showGroupNames(dialog);
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setChecked(n, isInFavoriteGroup(channel, n));
    }
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    // The whole word is replaced: groups 9 to 16, which no dialog offers, are cleared.
    const int before = channelFavoriteBits(channel);
    if (!setFavoriteBits(channel, dialog.groupMask())) {
        return false;
    }
    if (channelFavoriteBits(channel) != before) {
        notifyModified(context);
    }
    return true;
}

int ChooseFavorites(const DialogContext& context) {
    FavoriteDialog dialog(context.parent);
    showGroupNames(dialog);
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return 0;
    }
    return dialog.groupMask();
}

bool EditFavoriteNames(const DialogContext& context) {
    FavoriteNameDialog dialog(interactionOf(context), context.parent);
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        dialog.setName(n, favoriteGroupName(n));
    }
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    // A name left as shown is not rewritten, so its slot keeps every byte it held.
    bool changed = false;
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        if (dialog.name(n) != favoriteGroupName(n)) {
            setFavoriteGroupName(n, dialog.name(n));
            changed = true;
        }
    }
    if (changed) {
        notifyModified(context);
    }
    return true;
}

}  // namespace kavro

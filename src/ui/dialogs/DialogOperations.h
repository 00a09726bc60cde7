// The operations that fill an edit dialog from the database, run it through the
// interaction services and apply its result. The dialogs themselves never touch the
// database.
#pragma once

#include <functional>

class QWidget;

namespace kavro {

class Interaction;

struct DialogContext {
    QWidget* parent = nullptr;
    Interaction* interaction = nullptr;
    std::function<void()> markModified;
};

enum class EditMode { Edit, Add };

// Every operation tells the window about a change (markModified) only when a byte of the
// tables changed.

// Edit: `index` is a live transponder; returns it after OK, TransponderCapacity after
// CANCEL. Add: `index` is a satellite; returns the new transponder, or TransponderCapacity
// after CANCEL or when the table is full.
int EditTransponder(const DialogContext& context, int index, EditMode mode);

// Edit: `index` is a live channel. Add: `index` is a live transponder; when the add would
// fill a live channel of it in place, the user is asked first, and No adds nothing. True
// when the values were written or the channel was added.
bool EditChannel(const DialogContext& context, int index, EditMode mode);

// True after OK when the channel's groups were stored.
bool EditFavorites(const DialogContext& context, int channel);
// The ticked groups as a mask (group 1 in bit 0); 0 after CANCEL.
int ChooseFavorites(const DialogContext& context);
// True after OK.
bool EditFavoriteNames(const DialogContext& context);

}  // namespace kavro

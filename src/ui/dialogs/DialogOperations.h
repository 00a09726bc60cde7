// The operations that fill an edit dialog from the session's database, run it through the
// interaction services and have the session apply the edit the dialog's values make. The
// dialogs themselves never touch the database, and neither do these but through the
// session.
#pragma once

#include "session/Edit.h"

class QString;

class QWidget;

namespace kavro {

class EditSession;
class Interaction;

// Where the notices that need no answer go ("TP added", "Channel added"): the window shows
// them in its status bar, and in a box until the user asks not to see that one again.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void notify(const QString& text) = 0;
};

struct DialogContext {
    QWidget* parent = nullptr;
    Interaction* interaction = nullptr;  // the real services when none
    EditSession* session = nullptr;
    Notices* notices = nullptr;  // a message box with OK when none
};

enum class EditMode { Edit, Add };

// Edit: `index` is a live transponder; returns it after OK, TransponderCapacity after
// CANCEL. Add: `index` is a satellite; returns the new transponder ("TP added"), or
// TransponderCapacity after CANCEL or when the session refused it (its message shown).
int runTransponderDialog(const DialogContext& context, int index, EditMode mode);

// Edit: `index` is a live channel. Add: `index` is a live transponder; when the add would
// fill a live channel of it in place, the user is asked first, and No adds nothing. The
// result is applied after OK (an edit that changed nothing too) and refused or not applied
// otherwise; an add that was refused shows the session's message, one that was made
// "Channel added".
EditResult runChannelDialog(const DialogContext& context, int index, EditMode mode);

// True after OK, when the channel's groups were set.
bool runFavoriteDialog(const DialogContext& context, int channel);
// The ticked groups as a mask (group 1 in bit 0); 0 after CANCEL. Applies nothing.
int chooseFavorites(const DialogContext& context);
// True after OK, when the names were set.
bool runGroupNameDialog(const DialogContext& context);

}  // namespace kavro

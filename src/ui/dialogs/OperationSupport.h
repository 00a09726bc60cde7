// Small helpers the dialog operations share.
#pragma once

#include <QString>

#include "ui/dialogs/DialogOperations.h"

namespace kavro {

class ChannelDatabase;
class Interaction;

// The context's interaction services, or the real ones when it names none.
Interaction& interactionOf(const DialogContext& context);
// The database of the context's session.
const ChannelDatabase& databaseOf(const DialogContext& context);
// Has the context's session apply `edit`; a refusal is shown as a warning.
EditResult applyEdit(const DialogContext& context, const Edit& edit);
// A message box with OK and the information or warning icon.
void inform(const DialogContext& context, const QString& text);
void warn(const DialogContext& context, const QString& text);
// A notice through the context's notices, or `inform` when it has none.
void notify(const DialogContext& context, const QString& text);

}  // namespace kavro

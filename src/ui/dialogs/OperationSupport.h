// Small helpers the dialog operations share.
#pragma once

#include "ui/dialogs/DialogOperations.h"

namespace kavro {

class Interaction;

// The context's interaction services, or the real ones when it names none.
Interaction& interactionOf(const DialogContext& context);
// Tells the window that the database changed, when it listens.
void notifyModified(const DialogContext& context);

}  // namespace kavro

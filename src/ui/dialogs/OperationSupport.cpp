#include "ui/dialogs/OperationSupport.h"

#include "ui/dialogs/Interaction.h"

namespace kavro {

Interaction& interactionOf(const DialogContext& context) {
    static QtInteraction real;
    return context.interaction != nullptr ? *context.interaction : real;
}

void notifyModified(const DialogContext& context) {
    if (context.markModified) {
        context.markModified();
    }
}

}  // namespace kavro

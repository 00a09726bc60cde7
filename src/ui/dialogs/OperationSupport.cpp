#include "ui/dialogs/OperationSupport.h"

#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

Interaction& interactionOf(const DialogContext& context) {
    static QtInteraction real;
    return context.interaction != nullptr ? *context.interaction : real;
}

const ChannelDatabase& databaseOf(const DialogContext& context) {
    return context.session->database();
}

EditResult applyEdit(const DialogContext& context, const Edit& edit) {
    EditResult result = context.session->apply(edit);
    if (!result.applied) {
        warn(context, translatedCoreText(result.refusal));
    }
    return result;
}

void inform(const DialogContext& context, const QString& text) {
    interactionOf(context).messageBox(context.parent, text, Interaction::Buttons::Ok,
                                      Interaction::Icon::Information);
}

void warn(const DialogContext& context, const QString& text) {
    interactionOf(context).messageBox(context.parent, text, Interaction::Buttons::Ok,
                                      Interaction::Icon::Exclamation);
}

void notify(const DialogContext& context, const QString& text) {
    if (context.notices != nullptr) {
        context.notices->notify(text);
    } else {
        inform(context, text);
    }
}

}  // namespace kavro

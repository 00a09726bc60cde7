// The channel operation: fill the dialog from the tables, run it, apply its edit.
#include <QCoreApplication>
#include <QDialog>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/FieldRules.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "ui/dialogs/ChannelDialog.h"
#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

// The values a new channel starts with: all accepted by Add Channel in every view.
constexpr int NewVideoPid = 256;
constexpr int NewAudioPid = 257;
constexpr int NewPcrPid = 256;

void showChannel(ChannelDialog& dialog, const ChannelDatabase& db, int ch) {
    dialog.setName(db.channelName(ch));
    dialog.setServiceId(db.channelServiceId(ch));
    dialog.setVideoPid(db.channelVideoPid(ch) & PidMask);
    dialog.setAudioPid(db.channelAudioPid(ch) & PidMask);
    dialog.setPcrPid(db.channelPcrPid(ch) & PidMask);
    dialog.setLockIndex(db.isChannelLocked(ch) ? 1 : 0);
    dialog.setCasIndex(db.channelCasBits(ch));
}

void showNewChannel(ChannelDialog& dialog, const EditSession& session, int t) {
    dialog.setName(
        defaultChannelName(session.view(), session.viewIndex().transponderChannelCount(t) + 1));
    dialog.setServiceId(unusedServiceId(session.database(), t));
    dialog.setVideoPid(NewVideoPid);
    dialog.setAudioPid(NewAudioPid);
    dialog.setPcrPid(NewPcrPid);
    dialog.setCasIndex(0);
    dialog.setLockIndex(0);
}

// Before an add that would fill a live channel in place (it holds UnassignedServiceId),
// asks whether to replace it. True when the add may go on.
bool mayReplaceReusedChannel(const DialogContext& context, int t) {
    const ChannelDatabase& db = databaseOf(context);
    const int reused = channelReusedByAdd(db, t);
    if (reused == ChannelCapacity) {
        return true;
    }
    const QString question =
        QCoreApplication::translate("kavro::ChannelOperations",
                                    "This replaces the channel \"%1\" (service ID %2) on this "
                                    "transponder. Replace it?")
            .arg(latin1Text(db.channelName(reused)))
            .arg(UnassignedServiceId);
    return interactionOf(context).messageBox(context.parent, question, Interaction::Buttons::YesNo,
                                             Interaction::Icon::Exclamation) ==
           Interaction::Answer::Yes;
}

EditResult addChannelFrom(const DialogContext& context, int t, const ChannelDialog& dialog) {
    const EditResult result = applyEdit(
        context, AddChannel{context.session->view(),
                            t,
                            {dialog.name(), dialog.videoPid(), dialog.audioPid(), dialog.pcrPid(),
                             dialog.serviceId(), dialog.casIndex(), dialog.lockIndex()}});
    if (result.applied) {
        notify(context, QCoreApplication::translate("kavro::ChannelOperations", "Channel added"));
    }
    return result;
}

}  // namespace

// The edit keeps what the user left as shown: the name's bytes, a PID's whole stored word,
// a CAS value the list does not offer.
EditResult runChannelDialog(const DialogContext& context, int index, EditMode mode) {
    const ChannelDatabase& db = databaseOf(context);
    const bool add = mode == EditMode::Add;
    const int t = add ? index : db.channelTransponder(index);
    if (add && findChannelSlot(db, UnassignedServiceId, t) == ChannelCapacity) {
        warn(context, translatedCoreText(twoLines(channelAddMessage(), channelTableFullMessage())));
        return {};
    }
    if (add && !mayReplaceReusedChannel(context, t)) {
        return {};
    }
    ChannelDialog dialog(interactionOf(context), context.parent);
    dialog.setAddMode(add, context.session->view());
    if (add) {
        showNewChannel(dialog, *context.session, t);
    } else {
        showChannel(dialog, db, index);
    }
    dialog.setSatelliteText(db.satelliteName(db.transponderSatellite(t)));
    dialog.setTransponderText(transponderShortText(db, t));

    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return {};
    }
    if (add) {
        return addChannelFrom(context, t, dialog);
    }
    return applyEdit(context, EditChannel{index, dialog.name(), dialog.videoPid(),
                                          dialog.audioPid(), dialog.pcrPid(), dialog.serviceId(),
                                          dialog.lockIndex() != 0, dialog.casIndex()});
}

}  // namespace kavro

// The transponder and channel operations: fill a dialog from the tables, run it, apply it.
#include "ui/dialogs/DialogOperations.h"

#include <QDialog>
#include <array>
#include <cstring>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/FieldRules.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"
#include "ui/dialogs/ChannelDialog.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"
#include "ui/dialogs/TransponderDialog.h"

namespace kavro {

namespace {

constexpr int PidMask = 0x1FFF;

// Writes the dialog's values into a transponder. A value the user left as shown keeps
// the stored field: an unchanged frequency keeps its kHz part, an unchanged polarity
// choice keeps the stored byte.
void storeTransponder(int t, const TransponderDialog& dialog, int shownPolarity) {
    if (dialog.frequency() != transponderFrequencyMhz(t)) {
        setTransponderFrequencyMhz(t, dialog.frequency());
    }
    setTransponderSymbolRate(t, dialog.symbolRate());
    if (dialog.polarityIndex() != shownPolarity && dialog.polarityIndex() >= 0) {
        setTransponderPolarization(t, dialog.polarityIndex());
    }
}

int addTransponderFrom(const DialogContext& context, int satellite,
                       const TransponderDialog& dialog) {
    Interaction& ui = interactionOf(context);
    const int t =
        addTransponder(satellite, dialog.frequency(), dialog.symbolRate(), dialog.polarityIndex());
    if (t == TransponderCapacity) {
        ui.messageBox(context.parent, QStringLiteral("Cannot add tp"), Interaction::Buttons::Ok,
                      Interaction::Icon::Exclamation);
        return TransponderCapacity;
    }
    ui.messageBox(context.parent, QStringLiteral("TP added"), Interaction::Buttons::Ok,
                  Interaction::Icon::Information);
    return t;
}

// A PID the user left as shown keeps its whole stored word, bits above the PID included.
void storePid(int ch, int value, int (*get)(int), void (*set)(int, int)) {
    if ((get(ch) & PidMask) != value) {
        set(ch, value);
    }
}

// Writes the dialog's values into a channel. casBits stay as stored: the CAS list cannot
// be changed in edit mode and offers only two of the eight systems.
void storeChannel(int ch, const ChannelDialog& dialog) {
    if (dialog.name() != channelName(ch)) {
        setChannelName(ch, dialog.name());
    }
    setChannelServiceId(ch, dialog.serviceId());
    storePid(ch, dialog.videoPid(), channelVideoPid, setChannelVideoPid);
    storePid(ch, dialog.audioPid(), channelAudioPid, setChannelAudioPid);
    storePid(ch, dialog.pcrPid(), channelPcrPid, setChannelPcrPid);
    setChannelLocked(ch, dialog.lockIndex() != 0);
}

void showChannel(ChannelDialog& dialog, int ch) {
    dialog.setName(channelName(ch));
    dialog.setServiceId(channelServiceId(ch));
    dialog.setVideoPid(channelVideoPid(ch) & PidMask);
    dialog.setAudioPid(channelAudioPid(ch) & PidMask);
    dialog.setPcrPid(channelPcrPid(ch) & PidMask);
    dialog.setLockIndex(isChannelLocked(ch) ? 1 : 0);
    dialog.setCasIndex(channelCasBits(ch));
}

void showNewChannel(ChannelDialog& dialog, int t) {
    const int view = viewIndex().currentView;
    dialog.setName(defaultChannelName(view, transponderChannelCount(t) + 1));
    dialog.setServiceId(0);
    dialog.setVideoPid(0);
    dialog.setAudioPid(0);
    dialog.setPcrPid(0);
    dialog.setCasIndex(0);
    dialog.setLockIndex(0);
}

bool addChannelFrom(const DialogContext& context, int t, const ChannelDialog& dialog) {
    Interaction& ui = interactionOf(context);
    const bool added =
        addChannel(viewIndex().currentView, t, dialog.name(), dialog.videoPid(), dialog.audioPid(),
                   dialog.pcrPid(), dialog.serviceId(), dialog.casIndex(), dialog.lockIndex());
    if (!added) {
        ui.messageBox(context.parent, QString::fromStdString(channelAddMessage()),
                      Interaction::Buttons::Ok, Interaction::Icon::Exclamation);
        return false;
    }
    ui.messageBox(context.parent, QStringLiteral("Channel added"), Interaction::Buttons::Ok,
                  Interaction::Icon::Information);
    return true;
}

// The bytes of a record before an edit, to tell whether the edit changed any.
template <size_t Size>
class RecordBefore {
public:
    explicit RecordBefore(const uint8_t* record) : record_(record) {
        std::memcpy(bytes_.data(), record, Size);
    }
    bool changed() const { return std::memcmp(bytes_.data(), record_, Size) != 0; }

private:
    const uint8_t* record_;
    std::array<uint8_t, Size> bytes_;
};

// Before an add that would fill a live channel in place (it holds UnassignedServiceId),
// asks whether to replace it. True when the add may go on.
bool mayReplaceReusedChannel(const DialogContext& context, int t) {
    const int reused = channelReusedByAdd(t);
    if (reused == ChannelCapacity) {
        return true;
    }
    const QString question =
        QStringLiteral(
            "This replaces the channel \"%1\" (service ID %2) on this transponder. "
            "Replace it?")
            .arg(latin1Text(channelName(reused)))
            .arg(UnassignedServiceId);
    return interactionOf(context).messageBox(context.parent, question, Interaction::Buttons::YesNo,
                                             Interaction::Icon::Exclamation) ==
           Interaction::Answer::Yes;
}

}  // namespace

int EditTransponder(const DialogContext& context, int index, EditMode mode) {
    const bool add = mode == EditMode::Add;
    TransponderDialog dialog(interactionOf(context), context.parent);
    dialog.setAddMode(add);
    dialog.setFrequency(add ? 0 : transponderFrequencyMhz(index));
    dialog.setSymbolRate(add ? 0 : transponderSymbolRate(index));
    // Any non-zero polarization is horizontal.
    const int shownPolarity = !add && transponderPolarization(index) != 0
                                  ? TransponderDialog::PolarityHorizontal
                                  : TransponderDialog::PolarityVertical;
    dialog.setPolarityIndex(shownPolarity);

    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return TransponderCapacity;
    }
    if (add) {
        const int added = addTransponderFrom(context, index, dialog);
        if (added != TransponderCapacity) {
            notifyModified(context);
        }
        return added;
    }
    const RecordBefore<TransponderRecordSize> before(channelDatabase().transponders[index]);
    storeTransponder(index, dialog, shownPolarity);
    if (before.changed()) {
        notifyModified(context);
    }
    return index;
}

bool EditChannel(const DialogContext& context, int index, EditMode mode) {
    const bool add = mode == EditMode::Add;
    const int t = add ? index : channelTransponder(index);
    if (add && !mayReplaceReusedChannel(context, t)) {
        return false;
    }
    ChannelDialog dialog(interactionOf(context), context.parent);
    dialog.setAddMode(add, viewIndex().currentView);
    if (add) {
        showNewChannel(dialog, t);
    } else {
        showChannel(dialog, index);
    }
    dialog.setSatelliteText(satelliteName(transponderSatellite(t)));
    dialog.setTransponderText(transponderShortText(t));

    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    if (add) {
        if (!addChannelFrom(context, t, dialog)) {
            return false;
        }
        notifyModified(context);
        return true;
    }
    const RecordBefore<ChannelRecordSize> before(channelDatabase().channels[index]);
    storeChannel(index, dialog);
    if (before.changed()) {
        notifyModified(context);
    }
    return true;
}

}  // namespace kavro

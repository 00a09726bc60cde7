// The transponder operation: fill the dialog from the tables, run it, apply its edit.
#include <QCoreApplication>
#include <QDialog>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/FieldRules.h"
#include "database/TableEditing.h"
#include "session/EditSession.h"
#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"
#include "ui/dialogs/TransponderDialog.h"

namespace kavro {

namespace {

int addTransponderFrom(const DialogContext& context, int satellite,
                       const TransponderDialog& dialog) {
    const EditResult result = applyEdit(
        context,
        AddTransponder{satellite, dialog.frequency(), dialog.symbolRate(), dialog.polarityIndex()});
    if (!result.applied) {
        return TransponderCapacity;
    }
    notify(context, QCoreApplication::translate("kavro::TransponderOperations", "TP added"));
    return result.slot;
}

// The values a new transponder starts with, within the ranges the dialog accepts.
constexpr int NewFrequencyMhz = 11000;
constexpr int NewSymbolRate = 27500;

// "Aurora already has 11222V. Keep both?" for values that give satellite s a second
// transponder of one frequency and polarity; `self` is the one edited.
TransponderDialog::DuplicateQuestion duplicateQuestion(const ChannelDatabase& db, int s, int self) {
    return [&db, s, self](int mhz, int polarity) {
        const int other = sameTransponder(db, s, mhz, polarity, self);
        if (other == TransponderCapacity) {
            return QString();
        }
        return QString::fromLatin1(
            duplicateTransponderQuestion(db.satelliteName(s), transponderShortText(db, other)));
    };
}

}  // namespace

// The edit keeps what the user left as shown: an unchanged frequency its kHz part, an
// unchanged polarity choice the stored byte.
int runTransponderDialog(const DialogContext& context, int index, EditMode mode) {
    const ChannelDatabase& db = databaseOf(context);
    const bool add = mode == EditMode::Add;
    TransponderDialog dialog(interactionOf(context), context.parent);
    dialog.setAddMode(add);
    const int satellite = add ? index : db.transponderSatellite(index);
    dialog.setSatelliteText(db.satelliteName(satellite));
    dialog.setDuplicateQuestion(
        duplicateQuestion(db, satellite, add ? TransponderCapacity : index));
    dialog.setFrequency(add ? NewFrequencyMhz : db.transponderFrequencyMhz(index));
    dialog.setSymbolRate(add ? NewSymbolRate : db.transponderSymbolRate(index));
    // Any non-zero polarization is horizontal.
    const int shownPolarity = !add && db.transponderPolarization(index) != 0
                                  ? TransponderDialog::PolarityHorizontal
                                  : TransponderDialog::PolarityVertical;
    dialog.setPolarityIndex(shownPolarity);

    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return TransponderCapacity;
    }
    if (add) {
        return addTransponderFrom(context, index, dialog);
    }
    const EditResult result = applyEdit(
        context,
        EditTransponder{index, dialog.frequency(), dialog.symbolRate(), dialog.polarityIndex()});
    return result.applied ? index : TransponderCapacity;
}

}  // namespace kavro

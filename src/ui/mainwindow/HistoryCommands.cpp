#include "HistoryCommands.h"

#include "ChannelListView.h"
#include "WindowParts.h"
#include "session/EditSession.h"
#include "session/StepLabels.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

// A drag in the list holds the mouse; the history waits until it ends.
void HistoryCommands::undo() {
    if (!parts_.list.isDragging()) {
        parts_.session.undo();
    }
}

void HistoryCommands::redo() {
    if (!parts_.list.isDragging()) {
        parts_.session.redo();
    }
}

QString HistoryCommands::undoText(const EditSession& session) {
    return historyText(true, session.undoLabel());
}

QString HistoryCommands::redoText(const EditSession& session) {
    return historyText(false, session.redoLabel());
}

}  // namespace kavro

// What the window's command groups work with: the session they change, the selection they
// act on, the views they refresh and the services they ask through.
#pragma once

#include <QString>

#include "ui/dialogs/DialogOperations.h"

class QWidget;

namespace kavro {

class ChannelListCtrl;
class ChannelListModel;
class EditSession;
class Interaction;
class SatelliteTree;
class WindowRefresh;
class WindowSelection;

struct WindowParts {
    QWidget* window;
    Interaction& interaction;
    EditSession& session;
    WindowSelection& selection;
    SatelliteTree& tree;
    ChannelListCtrl& list;
    ChannelListModel& model;
    WindowRefresh& refresh;

    // The context the edit dialogs run in: this window, its services, its session.
    DialogContext dialogContext() const { return {window, &interaction, &session}; }
    // An OK/Cancel question; true for OK.
    bool confirm(const QString& question) const;
    // A message with OK and the warning icon.
    void showMessage(const QString& text) const;
};

}  // namespace kavro

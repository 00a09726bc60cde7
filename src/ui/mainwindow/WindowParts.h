// What the window's command groups work with: the session they change, the selection they
// act on, the views they refresh and the services they ask through.
#pragma once

#include <QString>

#include "ui/dialogs/DialogOperations.h"

class QWidget;

namespace kavro {

class ChannelListView;
class ChannelListModel;
class EditSession;
class Interaction;
class SatelliteTree;
class WindowRefresh;
class WindowSelection;
class WindowSettings;
class StatusNotices;

struct WindowParts {
    QWidget* window;
    Interaction& interaction;
    EditSession& session;
    WindowSelection& selection;
    SatelliteTree& tree;
    ChannelListView& list;
    ChannelListModel& model;
    WindowRefresh& refresh;
    // What the window remembers, and its status bar's notices; set once the window has them.
    WindowSettings* settings = nullptr;
    StatusNotices* notices = nullptr;

    // The context the edit dialogs run in: this window, its services, its session, its
    // notices.
    DialogContext dialogContext() const;
    // An OK/Cancel question; true for OK.
    bool confirm(const QString& question) const;
    // The same question with "Don't ask again": once the user ticked it and pressed OK,
    // the question `name` answers OK by itself (StatusNotices.cpp).
    bool confirmUnlessSkipped(const QString& question, const QString& name) const;
    // A message with OK and the warning icon.
    void showMessage(const QString& text) const;
};

}  // namespace kavro

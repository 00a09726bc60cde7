// Undo and Redo: the buttons beside Open, Ctrl+Z and Ctrl+Y / Ctrl+Shift+Z, and the top of
// the list's popup. The session takes the step back or does it again; the window shows the
// step's channels (see WindowRefresh).
#pragma once

#include <QString>

namespace kavro {

class EditSession;
struct WindowParts;

class HistoryCommands {
public:
    explicit HistoryCommands(const WindowParts& parts) : parts_(parts) {}

    void undo();
    void redo();

    // "Undo delete 3 channels", "Redo move 7 channels"; "Undo" and "Redo" when there is no
    // step for them.
    static QString undoText(const EditSession& session);
    static QString redoText(const EditSession& session);

private:
    const WindowParts& parts_;
};

}  // namespace kavro

// Open, Save, Save As and Exit: reading a database file into the session, writing it back,
// and the question that keeps changes from being lost.
#pragma once

#include <QString>

class QWidget;

namespace kavro {

struct WindowParts;

class FileCommands {
public:
    FileCommands(const WindowParts& parts, QWidget& window) : parts_(parts), window_(window) {}

    // Asks for a file in the Open chooser, which starts in the folder last opened from.
    void open();
    // The command line, a dropped file and Open Recent: `path` after the save question. A
    // file opened goes first in the recent files; a missing one leaves them. True when the
    // file was opened.
    bool openFile(const QString& path);
    // Writes only when there are changes.
    void save();
    // The chosen path becomes the current one only once the file was written, so that a
    // failed Save As leaves Save writing to the file that is open.
    void saveAs();
    // File > Backups...: the open file's backups; the one opened there becomes unsaved
    // changes to the open file.
    void showBackups();
    // Closes the window, which asks the save question first.
    void exit();
    // The save question before Open and on close: Save, Don't Save or Cancel. False when
    // the caller must stop: the user cancelled, or the save asked for failed.
    bool settleUnsavedChanges();

private:
    bool load(const QString& path);
    bool writeCurrentFile();
    // Reload after a save found the file changed on disk: the save question for the edits in
    // the window (Save goes to Save As, as the file itself holds another program's work), then
    // the file's new contents. True when it was opened.
    bool reloadCurrentFile();
    // Takes the tables of the backup at `backup` as one step.
    void restoreBackup(const QString& backup);
    // Where Save As starts: the folder it last saved to, with the open file's name.
    QString saveAsStart() const;
    // A file written: the status bar says so, and it goes first in the recent files.
    void written(const QString& path);

    const WindowParts& parts_;
    QWidget& window_;
};

}  // namespace kavro

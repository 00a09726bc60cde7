// The questions around a save that keep another program's work and the previous version
// safe: a file changed on disk since it was opened, and a backup that could not be made.
#pragma once

#include <QString>

#include "dbfile/DatabaseFile.h"

class QWidget;

namespace kavro {

class EditSession;
class Interaction;

enum class SaveKind { Save, SaveAs };

// The folder the editor keeps its backups in: "kavro/backups" in the user's data folder as
// the environment gives it; empty when it gives no absolute folder.
QString backupFolder();

// Saves the session to `path` (Save: its current file), keeping a backup of the file replaced
// in backupFolder(). Asks before it overwrites a file another program changed (Save also
// offers Reload, which sets `reload`), before it gives the file a new owner or breaks its
// hard links, and whether to save without a backup when none can be made. A "No" ends it
// with that outcome (ChangedOnDisk, OwnerChange, LinkBreak, BackupFailed): nothing was
// written.
SaveResult saveWithGuards(Interaction& interaction, QWidget* parent, EditSession& session,
                          const QString& path, SaveKind kind, bool* reload = nullptr);

// A path as the core takes it, and a text the core gives, both UTF-8 on every system (Qt's
// own 8-bit file names are in the ANSI code page on Windows).
std::string corePath(const QString& path);
QString uiPath(const std::string& path);
QString coreText(const std::string& text);

// The message for a folder that allows no safe save, with what to do about it.
QString folderRefusedMessage(const QString& path, const std::string& reason);

}  // namespace kavro

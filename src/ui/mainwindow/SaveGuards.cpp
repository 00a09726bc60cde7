#include "SaveGuards.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "dbfile/Backups.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/ShownPath.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

// How long Save waits for another program's in-place edit of the file to end. An edit holds
// its lock for milliseconds; the window waits a moment, not the tool's ten seconds, so that it
// never hangs: past this, the save reports the file as being edited and can be tried again.
constexpr int LockWaitMs = 1000;

const char* const ChangedQuestion =
    QT_TRANSLATE_NOOP("kavro::SaveGuards",
                      "The file was changed by another program since it was opened. Overwrite it?");
const char* const NoFolderQuestion = QT_TRANSLATE_NOOP(
    "kavro::SaveGuards",
    "No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute "
    "path.\n\nSave without a backup?");
// Follows the reason a save would change the file's owner or break a link.
QString saveAnyway() {
    return QCoreApplication::translate("kavro::SaveGuards", "\n\nSave anyway?");
}

bool askYes(Interaction& interaction, QWidget* parent, const QString& question) {
    return interaction.messageBox(parent, question, Interaction::Buttons::YesNo,
                                  Interaction::Icon::Exclamation) == Interaction::Answer::Yes;
}

QString backupQuestion(const QString& folder, const std::string& reason) {
    return QCoreApplication::translate("kavro::SaveGuards",
                                       "No backup of the file could be made in\n%1\n(%2).\n\nSave "
                                       "without a backup?")
        .arg(shownPath(folder), coreText(reason));
}

}  // namespace

std::string corePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString uiPath(const std::string& path) {
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}

QString coreText(const std::string& text) {
    return translatedCoreText(text);
}

QString backupFolder() {
    return uiPath(backupFolderIn(backupHomeFromEnvironment()));
}

SaveResult saveWithGuards(Interaction& interaction, QWidget* parent, EditSession& session,
                          const QString& path, SaveKind kind, bool* reload) {
    const QString folder = backupFolder();
    if (folder.isEmpty() &&
        !askYes(interaction, parent,
                QCoreApplication::translate("kavro::SaveGuards", NoFolderQuestion))) {
        SaveResult refused;
        refused.outcome = SaveOutcome::BackupFailed;
        return refused;
    }
    QDir().mkpath(folder);  // a failure shows as a backup that cannot be made
    SaveOptions options;
    options.backupFolder = corePath(folder);
    options.lockWaitMs = LockWaitMs;
    const std::string target = corePath(path);
    for (;;) {
        const SaveResult result =
            kind == SaveKind::Save ? session.save(options) : session.saveAs(target, options);
        if (result.outcome == SaveOutcome::ChangedOnDisk && !options.overwriteChanges) {
            const Interaction::Answer answer = interaction.messageBox(
                parent, QCoreApplication::translate("kavro::SaveGuards", ChangedQuestion),
                reload ? Interaction::Buttons::YesNoReload : Interaction::Buttons::YesNo,
                Interaction::Icon::Exclamation);
            if (answer == Interaction::Answer::Yes) {
                options.overwriteChanges = true;
                continue;
            }
            if (reload) {
                *reload = answer == Interaction::Answer::Reload;
            }
            return result;
        }
        bool* allowed = result.outcome == SaveOutcome::OwnerChange ? &options.allowOwnerChange
                        : result.outcome == SaveOutcome::LinkBreak ? &options.allowLinkBreak
                                                                   : nullptr;
        if (allowed && !*allowed &&
            askYes(interaction, parent, coreText(result.systemReason) + saveAnyway())) {
            *allowed = true;
            continue;
        }
        if (result.outcome == SaveOutcome::BackupFailed && !options.backupFolder.empty() &&
            askYes(interaction, parent, backupQuestion(folder, result.systemReason))) {
            options.backupFolder.clear();
            continue;
        }
        return result;
    }
}

QString folderRefusedMessage(const QString& path, const std::string& reason) {
    const QString folder = shownPath(QFileInfo(path).absolutePath());
    return QCoreApplication::translate(
               "kavro::SaveGuards",
               "File write failed! The file was left as it was.\n\n%1\n\nSave the "
               "database elsewhere with Save As, or make the folder writable.")
        .arg(coreText(folderRefusedText(corePath(folder), reason)));
}

}  // namespace kavro

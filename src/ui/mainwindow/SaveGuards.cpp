#include "SaveGuards.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

const char* const ChangedQuestion =
    "The file was changed by another program since it was opened. Overwrite it?";

QString localText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

bool askYes(Interaction& interaction, QWidget* parent, const QString& question) {
    return interaction.messageBox(parent, question, Interaction::Buttons::YesNo,
                                  Interaction::Icon::Exclamation) == Interaction::Answer::Yes;
}

QString backupQuestion(const QString& folder, const std::string& reason) {
    return QStringLiteral(
               "No backup of the file could be made in\n%1\n(%2).\n\nSave without a "
               "backup?")
        .arg(QDir::toNativeSeparators(folder), localText(reason));
}

}  // namespace

QString backupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

SaveResult saveWithGuards(Interaction& interaction, QWidget* parent, EditSession& session,
                          const QString& path, SaveKind kind) {
    const QString folder = backupFolder();
    QDir().mkpath(folder);  // a failure shows as a backup that cannot be made
    SaveOptions options;
    options.backupFolder = QFile::encodeName(folder).toStdString();
    const std::string target = QFile::encodeName(path).toStdString();
    for (;;) {
        const SaveResult result =
            kind == SaveKind::Save ? session.save(options) : session.saveAs(target, options);
        if (result.outcome == SaveOutcome::ChangedOnDisk && !options.overwriteChanges &&
            askYes(interaction, parent, QString::fromLatin1(ChangedQuestion))) {
            options.overwriteChanges = true;
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
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return QStringLiteral(
               "File write failed! The file was left as it was.\n\n%1\n\nSave the "
               "database elsewhere with Save As, or make the folder writable.")
        .arg(localText(folderRefusedText(QFile::encodeName(folder).toStdString(), reason)));
}

}  // namespace kavro

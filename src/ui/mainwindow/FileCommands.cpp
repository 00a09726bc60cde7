#include "FileCommands.h"

#include <QDialog>
#include <QDir>
#include <QFile>

#include "SaveGuards.h"
#include "WindowParts.h"
#include "dbfile/DatabaseFile.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

// A message about a file: its text, then the file and the reason on a line of their own,
// as kavro-tool prints them.
QString fileMessage(const char* text, const QString& path, const std::string& reason) {
    return QStringLiteral("%1\n%2: %3")
        .arg(QString::fromLatin1(text), QDir::toNativeSeparators(path), coreText(reason));
}

const char* const WriteFailed = "File write failed! The file was left as it was.";

QString currentPath(const EditSession& session) {
    return uiPath(session.path());
}

}  // namespace

void FileCommands::open() {
    if (!settleUnsavedChanges()) {
        return;
    }
    const QString path = parts_.interaction.chooseOpenFile(parts_.window);
    if (path.isEmpty()) {
        return;
    }
    const OpenResult result = parts_.session.open(corePath(path));
    switch (result.outcome) {
        case OpenOutcome::Accepted:
            return;
        case OpenOutcome::CannotOpen:
            parts_.showMessage(fileMessage("File open failed!", path, result.systemReason));
            return;
        case OpenOutcome::ReadError:
            parts_.showMessage(fileMessage("File read failed! The database shown was kept.", path,
                                           result.systemReason));
            return;
        case OpenOutcome::Invalid:
            parts_.showMessage(
                fileMessage("Invalid DB file!", path, imageProblemText(result.problem)));
            return;
    }
}

void FileCommands::save() {
    if (parts_.session.isModified()) {
        writeCurrentFile();
    }
}

bool FileCommands::writeCurrentFile() {
    const QString path = currentPath(parts_.session);
    const SaveResult result =
        saveWithGuards(parts_.interaction, parts_.window, parts_.session, path, SaveKind::Save);
    switch (result.outcome) {
        case SaveOutcome::Written:
            return true;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return false;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(folderRefusedMessage(path, result.systemReason));
            return false;
        case SaveOutcome::CannotOpen:
            parts_.showMessage(fileMessage("File open failed!", path, result.systemReason));
            return false;
        case SaveOutcome::CannotCreate:
        case SaveOutcome::WriteError:
            parts_.showMessage(fileMessage(WriteFailed, path, result.systemReason));
            return false;
    }
    return false;
}

void FileCommands::saveAs() {
    if (!parts_.session.isOpen()) {
        return;
    }
    const QString path =
        parts_.interaction.chooseSaveFile(parts_.window, currentPath(parts_.session));
    if (path.isEmpty()) {
        return;
    }
    const SaveResult result =
        saveWithGuards(parts_.interaction, parts_.window, parts_.session, path, SaveKind::SaveAs);
    switch (result.outcome) {
        case SaveOutcome::Written:
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return;  // written, or the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(folderRefusedMessage(path, result.systemReason));
            return;
        case SaveOutcome::CannotOpen:
        case SaveOutcome::CannotCreate:
            parts_.showMessage(fileMessage("File create failed!", path, result.systemReason));
            return;
        case SaveOutcome::WriteError:
            parts_.showMessage(fileMessage(WriteFailed, path, result.systemReason));
            return;
    }
}

bool FileCommands::settleUnsavedChanges() {
    if (!parts_.session.isModified()) {
        return true;
    }
    const QString question = QStringLiteral("Do you want to save changes?\n%1")
                                 .arg(QDir::toNativeSeparators(currentPath(parts_.session)));
    switch (parts_.interaction.messageBox(parts_.window, question,
                                          Interaction::Buttons::SaveDiscardCancel,
                                          Interaction::Icon::None)) {
        case Interaction::Answer::Save:
            save();
            return !parts_.session.isModified();
        case Interaction::Answer::Discard:
            return true;
        default:
            return false;
    }
}

void FileCommands::exit() {
    const bool hadChanges = parts_.session.isModified();
    if (!settleUnsavedChanges()) {
        return;
    }
    window_.done(hadChanges && parts_.session.isModified() ? QDialog::Rejected : QDialog::Accepted);
}

}  // namespace kavro

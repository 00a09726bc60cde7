#include "FileCommands.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "RecentFiles.h"
#include "StatusNotices.h"
#include "WindowSettings.h"

#include "SaveGuards.h"
#include "WindowParts.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileMessages.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

// A message about a file: its text, then the file and the reason on a line of their own,
// as kavro-tool prints them.
QString fileMessage(std::string_view text, const QString& path, const std::string& reason) {
    return QStringLiteral("%1\n%2: %3")
        .arg(translatedCoreText(text), QDir::toNativeSeparators(path), coreText(reason));
}

QString currentPath(const EditSession& session) {
    return uiPath(session.path());
}

}  // namespace

void FileCommands::open() {
    if (!settleUnsavedChanges()) {
        return;
    }
    const QString folderKey = QString::fromLatin1(WindowSettings::OpenFolder);
    const QString path = parts_.interaction.chooseOpenFile(
        parts_.window, parts_.settings ? parts_.settings->text(folderKey) : QString());
    if (path.isEmpty()) {
        return;
    }
    if (parts_.settings) {
        parts_.settings->setText(folderKey, QFileInfo(path).absolutePath());
    }
    load(path);
}

bool FileCommands::openFile(const QString& path) {
    return settleUnsavedChanges() && load(path);
}

bool FileCommands::load(const QString& path) {
    const OpenResult result = parts_.session.open(corePath(path));
    switch (result.outcome) {
        case OpenOutcome::Accepted:
            if (parts_.settings) {
                RecentFiles(*parts_.settings).add(path);
            }
            return true;
        case OpenOutcome::CannotOpen:
            if (parts_.settings && !QFileInfo::exists(path)) {
                RecentFiles(*parts_.settings).remove(path);
            }
            parts_.showMessage(fileMessage(FileOpenFailedText, path, result.systemReason));
            return false;
        case OpenOutcome::ReadError:
            parts_.showMessage(fileMessage(FileReadFailedText, path, result.systemReason));
            return false;
        case OpenOutcome::Invalid:
            parts_.showMessage(
                fileMessage(InvalidFileText, path, imageProblemText(result.problem)));
            return false;
    }
    return false;
}

void FileCommands::written(const QString& path) {
    if (parts_.notices) {
        parts_.notices->show(QCoreApplication::translate("kavro::FileCommands", "Saved %1")
                                 .arg(QDir::toNativeSeparators(QFileInfo(path).filePath())));
    }
    if (parts_.settings) {
        RecentFiles(*parts_.settings).add(path);
    }
}

QString FileCommands::saveAsStart() const {
    const QString current = currentPath(parts_.session);
    const QString folder =
        parts_.settings ? parts_.settings->text(QString::fromLatin1(WindowSettings::SaveAsFolder))
                        : QString();
    if (folder.isEmpty() || current.isEmpty()) {
        return current;
    }
    return QDir(folder).filePath(QFileInfo(current).fileName());
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
            written(path);
            return true;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return false;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(folderRefusedMessage(path, result.systemReason));
            return false;
        case SaveOutcome::CannotOpen:
            parts_.showMessage(fileMessage(FileOpenFailedText, path, result.systemReason));
            return false;
        case SaveOutcome::CannotCreate:
        case SaveOutcome::WriteError:
            parts_.showMessage(fileMessage(FileWriteFailedText, path, result.systemReason));
            return false;
    }
    return false;
}

void FileCommands::saveAs() {
    if (!parts_.session.isOpen()) {
        return;
    }
    const QString path = parts_.interaction.chooseSaveFile(parts_.window, saveAsStart());
    if (path.isEmpty()) {
        return;
    }
    const SaveResult result =
        saveWithGuards(parts_.interaction, parts_.window, parts_.session, path, SaveKind::SaveAs);
    switch (result.outcome) {
        case SaveOutcome::Written:
            if (parts_.settings) {
                parts_.settings->setText(QString::fromLatin1(WindowSettings::SaveAsFolder),
                                         QFileInfo(path).absolutePath());
            }
            written(path);
            return;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(folderRefusedMessage(path, result.systemReason));
            return;
        case SaveOutcome::CannotOpen:
        case SaveOutcome::CannotCreate:
            parts_.showMessage(fileMessage(FileCreateFailedText, path, result.systemReason));
            return;
        case SaveOutcome::WriteError:
            parts_.showMessage(fileMessage(FileWriteFailedText, path, result.systemReason));
            return;
    }
}

bool FileCommands::settleUnsavedChanges() {
    if (!parts_.session.isModified()) {
        return true;
    }
    const QString question =
        QCoreApplication::translate("kavro::FileCommands", "Do you want to save changes?\n%1")
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

#include "FileCommands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>
#include <memory>

#include "RecentFiles.h"
#include "StatusNotices.h"
#include "WindowSettings.h"

#include "SaveGuards.h"
#include "WindowParts.h"
#include "database/ChannelDatabase.h"
#include "dbfile/BackupList.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileMessages.h"
#include "dbfile/FileSystem.h"
#include "session/EditSession.h"
#include "ui/dialogs/BackupsDialog.h"
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

// The file a refused save would have replaced (a link's target), for the folder to name.
QString refusedPath(const SaveResult& result, const QString& path) {
    return result.target.empty() ? path : uiPath(result.target);
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
    bool reload = false;
    const SaveResult result = saveWithGuards(parts_.interaction, parts_.window, parts_.session,
                                             path, SaveKind::Save, &reload);
    switch (result.outcome) {
        case SaveOutcome::Written:
            written(path);
            return true;
        case SaveOutcome::ChangedOnDisk:
            return reload && reloadCurrentFile();
        case SaveOutcome::BackupFailed:
        case SaveOutcome::OwnerChange:
        case SaveOutcome::LinkBreak:
            return false;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(
                folderRefusedMessage(refusedPath(result, path), result.systemReason));
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
        case SaveOutcome::OwnerChange:
        case SaveOutcome::LinkBreak:
            return;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            parts_.showMessage(
                folderRefusedMessage(refusedPath(result, path), result.systemReason));
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

void FileCommands::showBackups() {
    std::string file;
    if (!parts_.session.isOpen() || !fs::resolvePath(parts_.session.path(), file).ok()) {
        return;
    }
    const QString folder = backupFolder();
    const std::vector<BackupEntry> entries = listBackups(file, corePath(folder));
    QList<BackupRow> rows;
    for (const BackupEntry& entry : entries) {
        rows.append({coreText(entry.time), QLocale().formattedDataSize(qint64(entry.size)),
                     coreText(backupDifference(parts_.session.database(), entry.path))});
    }
    BackupsDialog dialog(uiPath(file), folder, rows, parts_.window);
    dialog.setShowFolder([folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
    if (parts_.interaction.runDialog(dialog) == QDialog::Accepted && dialog.chosen() >= 0) {
        restoreBackup(uiPath(entries[static_cast<size_t>(dialog.chosen())].path));
    }
}

void FileCommands::restoreBackup(const QString& backup) {
    const auto db = std::make_unique<ChannelDatabase>();
    const auto file = std::make_unique<DatabaseFile>();
    const OpenResult opened = file->open(corePath(backup), *db);
    if (opened.outcome != OpenOutcome::Accepted) {
        const std::string reason = opened.outcome == OpenOutcome::Invalid
                                       ? imageProblemText(opened.problem)
                                       : opened.systemReason;
        parts_.showMessage(fileMessage(FileOpenFailedText, backup, reason));
        return;
    }
    parts_.session.apply(
        RestoreTables{std::vector<uint8_t>(db->bytes(), db->bytes() + table::Size)});
}

bool FileCommands::reloadCurrentFile() {
    const QString path = currentPath(parts_.session);
    // The edits in the window may still be kept elsewhere: Save there goes to Save As.
    const QString question =
        QCoreApplication::translate("kavro::FileCommands", "Do you want to save changes?\n%1")
            .arg(QDir::toNativeSeparators(path));
    switch (parts_.interaction.messageBox(parts_.window, question,
                                          Interaction::Buttons::SaveDiscardCancel,
                                          Interaction::Icon::None)) {
        case Interaction::Answer::Save:
            saveAs();
            if (parts_.session.isModified()) {
                return false;
            }
            break;
        case Interaction::Answer::Discard:
            break;
        default:
            return false;
    }
    return load(path);
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
    window_.close();
}

}  // namespace kavro
